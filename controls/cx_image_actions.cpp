// The picture box's context menu, keys and the actions they run.
#include "controls/cx_image.h"

#include "base/win/resource_strings.h"
#include "controls/picture_dialogs.h"
#include "framework/application_services.h"
#include "picture/file_formats.h"
#include "picture/win/clipboard_copy.h"
#include "picture/win/clipboard_paste.h"
#include "picture/win/picture_file.h"
#include "resources/resource_ids.h"

namespace {

TKeyPress::Key KeyOf(UINT key) {
    switch (key) {
    case 'C':
        return TKeyPress::C;
    case 'V':
        return TKeyPress::V;
    case 'X':
        return TKeyPress::X;
    case VK_INSERT:
        return TKeyPress::Insert;
    case VK_DELETE:
        return TKeyPress::Delete;
    default:
        return TKeyPress::Other;
    }
}

void ProcessPendingMessages() {
    if (IApplicationServices* app = ApplicationServices())
        app->ProcessMessages();
}

} // namespace

void TcxImage::KeyDown(UINT key, LPARAM keyData) {
    const TKeyPress press = {KeyOf(key), GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0};
    switch (PictureKeyAction(press)) {
    case TPictureKeyAction::Copy:
        return CopyToClipboard();
    case TPictureKeyAction::Cut:
        return CutToClipboard();
    case TPictureKeyAction::Paste:
        return PasteFromClipboard();
    case TPictureKeyAction::Delete:
        return DeletePicture();
    case TPictureKeyAction::None:
        return TWinControl::KeyDown(key, keyData);
    }
}

void TcxImage::ContextMenu(TPoint screenPoint) {
    // A menu of the application's own, or no built-in lines: handled as for any control.
    if (menuItems_.Empty() || PopupMenu())
        return TWinControl::ContextMenu(screenPoint);
    TPictureMenuFacts facts;
    facts.canModify = !readOnly_;
    facts.pictureEmpty = picture_.Empty();
    facts.kindCannotCopy = !GraphicClass().copyable;
    facts.pasteAvailable = CanPasteGraphic(LoadKind(true));
    menu_.Update(menuItems_, facts, {customCaption_, customGlyph_.Get()});
    // From the keyboard the menu opens at (10, 10) of the box.
    if (const auto chosen = menu_.Popup(Handle(), ContextMenuPoint(screenPoint, {10, 10})))
        RunMenuItem(*chosen);
}

void TcxImage::RunMenuItem(TPictureMenuItem item) {
    switch (item) {
    case TPictureMenuItem::Cut:
        return CutToClipboard();
    case TPictureMenuItem::Copy:
        return CopyToClipboard();
    case TPictureMenuItem::Paste:
        return PasteFromClipboard();
    case TPictureMenuItem::Delete:
        return DeletePicture();
    case TPictureMenuItem::Load:
        return LoadPicture();
    case TPictureMenuItem::Save:
        return SavePictureAs();
    case TPictureMenuItem::Custom:
        return CustomClick();
    }
}

void TcxImage::CustomClick() {
    if (OnCustomClick)
        OnCustomClick(this);
}

void TcxImage::UserSetPicture(const TGraphic* graphic) {
    picture_.AssignGraphic(graphic);
    if (graphic && OnAssignPicture)
        OnAssignPicture(this);
    if (OnChange)
        OnChange(this);
    if (OnEditValueChanged)
        OnEditValueChanged(this);
}

void TcxImage::CopyToClipboard() {
    if (!picture_.Empty())
        CopyGraphicToClipboard(Handle(), *picture_.Graphic());
}

void TcxImage::CutToClipboard() {
    CopyToClipboard();
    DeletePicture();
}

void TcxImage::PasteFromClipboard() {
    if (readOnly_)
        return;
    if (const std::unique_ptr<TGraphic> pasted = PasteGraphic(Handle(), LoadKind(true)))
        UserSetPicture(pasted.get());
}

void TcxImage::DeletePicture() {
    if (!readOnly_ && !picture_.Empty())
        UserSetPicture(nullptr);
}

const TGraphicClass& TcxImage::GraphicClass() const {
    return graphicClass_ ? *graphicClass_ : *FileFormats().Entries().front().graphicClass;
}

const TGraphicClass& TcxImage::LoadKind(bool pasting) {
    const TGraphicClass* kind = &GraphicClass();
    if (OnGetGraphicClass) {
        OnGetGraphicClass(this, pasting, kind);
        // A handler that names no kind, or one that cannot be made, leaves GraphicClassName.
        if (!kind || !kind->create)
            kind = &GraphicClass();
    }
    return *kind;
}

std::string TcxImage::FilterOf(const TGraphicClass& kind) const {
    return customFilter_.empty() ? FileFormats().Filter(kind, LoadResourceString(IDS_FILTER_ALL))
                                 : customFilter_;
}

void TcxImage::LoadPicture() {
    if (readOnly_)
        return;
    const TGraphicClass& kind = LoadKind(false);
    if (const auto path = AskFileToLoad(Handle(), FilterOf(kind)))
        LoadFile(*path, kind);
    ProcessPendingMessages();
}

void TcxImage::LoadPictureFrom(const std::wstring& path) {
    if (!readOnly_)
        LoadFile(path, LoadKind(false));
}

void TcxImage::LoadFile(const std::wstring& path, const TGraphicClass& kind) {
    const std::unique_ptr<TGraphic> loaded = LoadGraphicFromFile(path, kind);
    UserSetPicture(loaded.get());
}

void TcxImage::SavePictureAs() {
    if (picture_.Empty())
        return;
    const TGraphicClass& kind = picture_.Graphic()->Class();
    // The dialog has asked before an existing file is replaced.
    if (const auto path = AskFileToSave(Handle(), FilterOf(kind), FileFormats().DefaultExtension(kind)))
        SaveGraphicToFile(*picture_.Graphic(), *path, [] { return true; });
    ProcessPendingMessages();
}

bool TcxImage::SavePictureTo(const std::wstring& path) {
    if (picture_.Empty())
        return false;
    return SaveGraphicToFile(*picture_.Graphic(), path, [&] { return ConfirmReplaceFile(Handle(), path); });
}
