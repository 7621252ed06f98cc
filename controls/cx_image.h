#pragma once
// The picture box: shows a stored picture centred in its content rectangle (its bounds inset by
// 2 pixels) with a one-pixel frame, over its parent's backdrop when transparent. A click gives
// it the focus although it is not a tab stop. Its context menu and keys copy, cut, paste, delete,
// load and save the picture (cx_image_actions.cpp).

#include <array>
#include <functional>
#include <string>

#include "base/picture_menu.h"
#include "base/win/gdi.h"
#include "base/picture_placement.h"
#include "base/win/offscreen.h"
#include "controls/picture_menu.h"
#include "framework/events.h"
#include "framework/mouse_tracking.h"
#include "framework/win_control.h"
#include "picture/picture.h"
#include "picture/win/dc_canvas.h"

// Properties.GraphicTransparency: whether each new picture's transparent flag is left as the kind
// sets it or forced off or on.
enum TGraphicTransparency { gtDefault, gtOpaque, gtTransparent };
inline constexpr std::array kGraphicTransparencyNames{"gtDefault", "gtOpaque", "gtTransparent"};

class TcxImage : public TWinControl, public THotTracking {
  public:
    explicit TcxImage(TComponent* owner);
    const char* ClassName() const override { return "TcxImage"; }

    bool Transparent() const { return transparent_; }
    bool ReadOnly() const { return readOnly_; }
    bool Center() const { return center_; }
    bool Proportional() const { return proportional_; }
    bool Stretch() const { return stretch_; }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool v);
    TRect ContentRect() const { return ClientRect().Inflated(-2); }
    TPicture& Picture() { return picture_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    // Properties.Caption: the text an empty box shows.
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // PopupMenuLayout.MenuItems: the lines of the built-in context menu; with none the context
    // request goes to default handling.
    TPictureMenuItems MenuItems() const { return menuItems_; }
    void SetMenuItems(TPictureMenuItems items) { menuItems_ = items; }
    // Properties.CustomFilter: the load and save dialogs' filter instead of the registry's.
    const std::string& CustomFilter() const { return customFilter_; }
    void SetCustomFilter(std::string filter) { customFilter_ = std::move(filter); }
    // Properties.GraphicClassName: the kind loads and pastes make; the first registered kind (the
    // bitmap) until set. A name no registered kind bears leaves it as it was.
    const TGraphicClass& GraphicClass() const;
    void SetGraphicClass(const TGraphicClass& kind) { graphicClass_ = &kind; }
    TGraphicTransparency GraphicTransparency() const { return graphicTransparency_; }
    void SetGraphicTransparency(TGraphicTransparency v) { graphicTransparency_ = v; }
    // PopupMenuLayout.CustomMenuItemCaption and CustomMenuItemGlyph (16 x 16, owned by the box):
    // the line pmiCustom adds to the menu.
    const std::string& CustomMenuItemCaption() const { return customCaption_; }
    void SetCustomMenuItemCaption(std::string caption) { customCaption_ = std::move(caption); }
    HBITMAP CustomMenuItemGlyph() const { return customGlyph_.Get(); }
    void SetCustomMenuItemGlyph(BitmapHandle glyph) { customGlyph_ = std::move(glyph); }
    // The built-in context menu, made on first use.
    const TPictureMenu& Menu() const { return menu_; }

    // The actions of the menu and the keys. Each does nothing without what it works on; those
    // that change the picture do nothing while the box is read-only (Cut still copies). Errors
    // go to the caller (from a message, to the application's error box).
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void DeletePicture();
    // Load asks for a file with the open dialog, Save As with the save dialog; both process the
    // pending messages afterwards.
    void LoadPicture();
    void SavePictureAs();
    // The custom menu line: raises OnCustomClick.
    void CustomClick();
    // The same without the dialogs: the picture read from the file as the load's kind (LoadKind);
    // the picture written into the file, asking before an existing one is replaced (false when
    // not saved).
    void LoadPictureFrom(const std::wstring& path);
    bool SavePictureTo(const std::wstring& path);
    // How the bitmap that lays a transparent picture over an opaque box's colour is made (tests
    // fail it, as when graphics resources run out).
    void SetPictureBufferFunction(OffscreenBitmap::CreateFunction create) {
        pictureBuffer_ = OffscreenBitmap(create);
    }
    // The pointer is over the box: Hot().
    // Where the picture is drawn, in the box's client coordinates.
    TRect PictureRect() const;

    // Properties' events. OnAssignPicture follows a picture that a paste or a load put in the box;
    // OnChange then OnEditValueChanged follow every change of the picture the user made (paste,
    // load, cut, delete). OnGetGraphicClass may name another kind for one load or paste.
    TNotifyEvent OnChange;
    TNotifyEvent OnEditValueChanged;
    TNotifyEvent OnAssignPicture;
    TNotifyEvent OnCustomClick;
    std::function<void(TComponent* Sender, bool pasting, const TGraphicClass*& kind)> OnGetGraphicClass;

    void DescribeAccessible(AccessibleTraits& traits) const override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void EraseBackground(HDC dc) override;
    void Paint(HDC dc) override;
    void MouseDown(TMouseButton button, unsigned keys, TPoint p) override;
    void MouseMove(unsigned keys, TPoint p) override;
    void MouseLeave() override { HotLeft(); }
    void KeyDown(UINT key, LPARAM keyData) override;
    void ContextMenu(TPoint screenPoint) override;
    bool MeasureMenuItem(MEASUREITEMSTRUCT& item) override { return menu_.MeasureItem(item); }
    bool DrawMenuItem(const DRAWITEMSTRUCT& item) override { return menu_.DrawItem(item); }
    void DoEnter() override { FocusChangedLook(); }
    void DoExit() override { FocusChangedLook(); }

  private:
    // The pointer left the box: its mouse-leave tracker or message.
    void HotLeft() override;
    void PictureChanged();
    // The box drawn in its client coordinates: backdrop or colour, frame, focus rectangle, and
    // the picture or the caption.
    void PaintContent(HDC dc);
    // The picture into PictureRect(), clipped to the content rectangle.
    void DrawPicture(HDC dc);
    // Hover and focus change only the frame's colour: the ring outside the content rectangle.
    void InvalidateFrame();
    // The frame's colour, and the focus rectangle when shown, follow the focus.
    void FocusChangedLook();

    // The Properties.On... handlers named in the description.
    // CustomMenuItemGlyph.Data: a stored bitmap, as a bitmap for the menu.
    static BitmapHandle ReadStoredGlyph(TReader& reader, const DescProperty& p);
    bool ReadEvent(TReader& reader, const DescProperty& p);
    void RunMenuItem(TPictureMenuItem item);
    // The picture a user action leaves, with the events that follow it.
    void UserSetPicture(const TGraphic* graphic);
    // The kind a load or a paste makes: GraphicClassName, unless OnGetGraphicClass names another.
    const TGraphicClass& LoadKind(bool pasting);
    // The picture read from the file as the kind, replacing the box's.
    void LoadFile(const std::wstring& path, const TGraphicClass& kind);
    // CustomFilter when set, or else the registry's filter of the kind.
    std::string FilterOf(const TGraphicClass& kind) const;

    TPicture picture_;
    // The picture in the screen's format, made at its first paint, forgotten at every change.
    TScreenImageCopy screenCopy_;
    OffscreenBitmap pictureBuffer_;
    TPictureMenu menu_;
    TPictureMenuItems menuItems_ = TPictureMenuItems::Default();
    std::string customFilter_;
    const TGraphicClass* graphicClass_ = nullptr; // the first registered kind
    std::string caption_;
    std::string customCaption_;
    BitmapHandle customGlyph_;
    TGraphicTransparency graphicTransparency_ = gtDefault;
    bool transparent_ = false;
    bool readOnly_ = false;
    bool center_ = true;
    bool proportional_ = true;
    bool stretch_ = false;
    bool showFocusRect_ = true;
};
