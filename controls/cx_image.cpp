#include "controls/cx_image.h"

#include <oleacc.h>

#include "base/win/gdi.h"
#include "base/win/offscreen.h"
#include "base/win/rect.h"
#include "base/win/solid_fill.h"
#include "controls/parent_backdrop.h"
#include "framework/accessible_traits.h"
#include "framework/colors_win.h"
#include "framework/reader.h"
#include "picture/bitmap_graphic.h"
#include "picture/bmp_format.h"
#include "picture/byte_reader.h"
#include "picture/file_formats.h"
#include "picture/win/dc_canvas.h"
#include "picture/win/render_bitmap.h"

TcxImage::TcxImage(TComponent* owner) : TWinControl(owner), THotTracking(static_cast<TWinControl&>(*this)) {
    SetBounds(0, 0, 140, 100);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    picture_.SetOnChange([this] { PictureChanged(); });
}

void TcxImage::PictureChanged() {
    screenCopy_.Reset();
    if (TGraphic* graphic = picture_.Graphic(); graphic && graphicTransparency_ != gtDefault)
        graphic->SetTransparent(graphicTransparency_ == gtTransparent);
    Invalidate();
}

void TcxImage::InvalidateFrame() {
    if (!HandleAllocated())
        return;
    const TRect c = ContentRect();
    RegionHandle ring(CreateRectRgn(0, 0, Width(), Height()));
    RegionHandle content(CreateRectRgn(c.left, c.top, c.right, c.bottom));
    CombineRgn(ring.Get(), ring.Get(), content.Get(), RGN_DIFF);
    InvalidateRgn(WindowHandle(), ring.Get(), FALSE);
}

void TcxImage::SetShowFocusRect(bool v) {
    if (v != showFocusRect_) {
        showFocusRect_ = v;
        Invalidate();
    }
}

void TcxImage::SetCaption(std::string caption) {
    if (caption != caption_) {
        caption_ = std::move(caption);
        Invalidate();
    }
}

void TcxImage::FocusChangedLook() {
    if (showFocusRect_)
        Invalidate();
    else
        InvalidateFrame();
}

void TcxImage::MouseMove(unsigned keys, TPoint p) {
    if (EnterHot())
        InvalidateFrame();
    TWinControl::MouseMove(keys, p);
}

void TcxImage::HotLeft() {
    if (LeaveHot())
        InvalidateFrame();
}

TRect TcxImage::PictureRect() const {
    PicturePlacement how;
    how.stretch = stretch_;
    how.proportional = proportional_;
    how.center = center_;
    return PlacePicture(ContentRect(), picture_.Width(), picture_.Height(), how);
}

void TcxImage::EraseBackground(HDC) {}

void TcxImage::Paint(HDC target) {
    // A target that is itself off-screen (a caption's backdrop being composed) is drawn on
    // directly: composing there first would copy every pixel once more.
    if (GetObjectType(target) == OBJ_MEMDC) {
        PaintContent(target);
        return;
    }
    // Only what the target shows is composed.
    const TRect area = VisiblePart(target, ClientRect());
    if (area.IsEmpty())
        return;
    Offscreen offscreen(target, area);
    PaintContent(offscreen.DC());
    offscreen.CopyBack(target);
}

void TcxImage::PaintContent(HDC dc) {
    const TRect content = ContentRect();
    if (transparent_) {
        PaintParentBackdrop(*this, dc, ClientRect(), true);
    } else {
        FillSolid(dc, ClientRect(), ColorToRGB(Color()));
    }
    FrameSolid(dc, ClientRect().Inflated(-1), ColorToRGB(Focused() || Hot() ? clHighlight : clBtnShadow));
    // The focus rectangle runs along the content's edge; the picture stays inside it.
    const bool focusRect = showFocusRect_ && Focused();
    if (focusRect)
        DrawFocusFrame(dc, content);
    if (!picture_.Empty()) {
        SavedDCState clip(dc);
        const TRect c = focusRect ? content.Inflated(-1) : content;
        IntersectClipRect(dc, c.left, c.top, c.right, c.bottom);
        DrawPicture(dc);
    } else if (!caption_.empty()) {
        // An empty box shows its caption on one line, centred in the content rectangle.
        SelectGuard font(dc, Font().Handle());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        RECT r = ToRECT(content);
        DrawTextA(dc, caption_.c_str(), int(caption_.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void TcxImage::DrawPicture(HDC dc) {
    const TGraphic& graphic = *picture_.Graphic();
    const TRect r = PictureRect();
    if (transparent_ || !graphic.Transparent()) {
        TDCCanvas canvas(dc, &screenCopy_);
        graphic.Draw(canvas, r);
        return;
    }
    // An opaque box lays a transparent picture over its colour on a bitmap kept between paints.
    // Without that bitmap (graphics resources exhausted) the picture goes straight over the
    // content, which is already filled with the colour.
    const TRect visible = VisiblePart(dc, r);
    if (visible.IsEmpty())
        return;
    Offscreen buffer(dc, pictureBuffer_, r.Width(), r.Height());
    if (!buffer.Valid()) {
        TDCCanvas canvas(dc);
        graphic.Draw(canvas, r);
        return;
    }
    const TRect local{0, 0, r.Width(), r.Height()};
    FillSolid(buffer.DC(), local, ColorToRGB(Color()));
    TDCCanvas canvas(buffer.DC());
    graphic.Draw(canvas, local);
    buffer.CopyTo(dc, r.left, r.top);
}

void TcxImage::DescribeAccessible(AccessibleTraits& traits) const {
    traits.role = ROLE_SYSTEM_GRAPHIC;
    TWinControl::DescribeAccessible(traits);
}

void TcxImage::MouseDown(TMouseButton button, unsigned keys, TPoint p) {
    if (CanFocus() && !Focused())
        SetFocus();
    TWinControl::MouseDown(button, keys, p);
}

bool TcxImage::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    if (n == "Transparent")
        transparent_ = reader.Boolean(p);
    else if (n == "Properties.ReadOnly")
        readOnly_ = reader.Boolean(p);
    else if (n == "Properties.Center")
        center_ = reader.Boolean(p);
    else if (n == "Properties.Proportional")
        proportional_ = reader.Boolean(p);
    else if (n == "Properties.Stretch")
        stretch_ = reader.Boolean(p);
    else if (n == "Picture.Data") {
        const std::vector<uint8_t>& data = reader.Bytes(p);
        picture_.ReadData(data.data(), data.size());
    } else if (n == "Properties.ShowFocusRect")
        SetShowFocusRect(reader.Boolean(p));
    else if (n == "Properties.Caption")
        SetCaption(reader.Text(p));
    else if (n == "Properties.CustomFilter")
        customFilter_ = reader.Text(p);
    else if (n == "Properties.GraphicClassName") {
        // A kind this program does not have keeps the default: the box still loads and pastes.
        const TGraphicClass* kind = FileFormats().FindClassName(reader.Text(p));
        if (kind && kind->create)
            graphicClass_ = kind;
    } else if (n == "Properties.GraphicTransparency")
        graphicTransparency_ = reader.Enumeration<TGraphicTransparency>(p, kGraphicTransparencyNames);
    else if (n == "Properties.PopupMenuLayout.MenuItems") {
        TPictureMenuItems items;
        for (const std::string& name : reader.Set(p)) {
            const auto item = PictureMenuItemNamed(name);
            if (!item)
                reader.Invalid(p, "Invalid menu item " + name);
            items.Add(*item);
        }
        menuItems_ = items;
    } else if (n == "Properties.PopupMenuLayout.CustomMenuItemCaption")
        customCaption_ = reader.Text(p);
    else if (n == "Properties.PopupMenuLayout.CustomMenuItemGlyph.Data")
        customGlyph_ = ReadStoredGlyph(reader, p);
    else
        return ReadEvent(reader, p) || TWinControl::ReadProperty(reader, p);
    return true;
}

BitmapHandle TcxImage::ReadStoredGlyph(TReader& reader, const DescProperty& p) {
    // A stored bitmap: its length in four bytes, then a .bmp file of that length.
    const std::vector<uint8_t>& data = reader.Bytes(p);
    TByteReader stream(data.data(), data.size());
    const auto length = stream.Take(4);
    if (!length || LoadU32LE(length) != stream.Remaining())
        reader.Invalid(p, "The stored glyph's length does not match its data");
    TBitmapGraphic glyph;
    try {
        glyph.LoadFromStream(stream);
    } catch (const EBitmapError& e) {
        reader.Invalid(p, e.Message());
    }
    return RenderToBitmap(glyph).bitmap;
}

bool TcxImage::ReadEvent(TReader& reader, const DescProperty& p) {
    static const struct {
        const char* name;
        TNotifyEvent TcxImage::*event;
    } kEvents[] = {
        {"Properties.OnAssignPicture", &TcxImage::OnAssignPicture},
        {"Properties.OnChange", &TcxImage::OnChange},
        {"Properties.OnCustomClick", &TcxImage::OnCustomClick},
        {"Properties.OnEditValueChanged", &TcxImage::OnEditValueChanged},
    };
    for (const auto& e : kEvents)
        if (p.name == e.name) {
            this->*e.event = reader.Method<TNotifyEvent>(p);
            return true;
        }
    return false;
}
