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
    if (menuItems_.Empty())
        return TWinControl::ContextMenu(screenPoint);
    POINT at = {screenPoint.x, screenPoint.y};
    if (at.x == -1 && at.y == -1) { // from the keyboard
        at = {10, 10};
        ClientToScreen(Handle(), &at);
    }
    TPictureMenuFacts facts;
    facts.canModify = !readOnly_;
    facts.pictureEmpty = picture_.Empty();
    facts.pasteAvailable = CanPasteGraphic(LoadKind());
    menu_.Update(menuItems_, facts, {});
    if (const auto chosen = menu_.Popup(Handle(), {at.x, at.y}))
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
        return;
    }
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
    if (const std::unique_ptr<TGraphic> pasted = PasteGraphic(Handle(), LoadKind()))
        picture_.AssignGraphic(pasted.get());
}

void TcxImage::DeletePicture() {
    if (!readOnly_ && !picture_.Empty())
        picture_.AssignGraphic(nullptr);
}

const TGraphicClass& TcxImage::LoadKind() const {
    return graphicClass_ ? *graphicClass_ : *FileFormats().Entries().front().graphicClass;
}

std::string TcxImage::FilterOf(const TGraphicClass& kind) const {
    return customFilter_.empty() ? FileFormats().Filter(kind, LoadResourceString(IDS_FILTER_ALL))
                                 : customFilter_;
}

void TcxImage::LoadPicture() {
    if (readOnly_)
        return;
    if (const auto path = AskFileToLoad(Handle(), FilterOf(LoadKind())))
        LoadPictureFrom(*path);
    ProcessPendingMessages();
}

void TcxImage::LoadPictureFrom(const std::wstring& path) {
    if (readOnly_)
        return;
    const std::unique_ptr<TGraphic> loaded = LoadGraphicFromFile(path, LoadKind());
    picture_.AssignGraphic(loaded.get());
}

void TcxImage::SavePictureAs() {
    if (picture_.Empty())
        return;
    const TGraphicClass& kind = picture_.Graphic()->Class();
    if (const auto path = AskFileToSave(Handle(), FilterOf(kind), FileFormats().DefaultExtension(kind)))
        SavePictureTo(*path);
    ProcessPendingMessages();
}

bool TcxImage::SavePictureTo(const std::wstring& path) {
    if (picture_.Empty())
        return false;
    return SaveGraphicToFile(*picture_.Graphic(), path, [&] { return ConfirmReplaceFile(Handle(), path); });
}
