#include "controls/cx_custom_button.h"

#include "base/scope_guard.h"
#include "base/win/gdi.h"
#include "base/win/offscreen.h"
#include "base/win/solid_fill.h"
#include "framework/colors_win.h"
#include "framework/description/description.h"
#include "framework/reader.h"

namespace {

// The stored properties of the colour slots: "Colors." then the slot's name.
constexpr std::string_view kColorsPrefix = "Colors.";

} // namespace

TcxCustomButton::TcxCustomButton(TComponent* owner)
    : TButton(owner), THotTracking(static_cast<TWinControl&>(*this)) {
    colors_.OnChange = [this] { Invalidate(); };
    lookAndFeel_.OnChange = [this] { Invalidate(); };
}

void TcxCustomButton::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    p.style = (p.style & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW;
}

TcxButtonState TcxCustomButton::State() const {
    if (!Enabled())
        return cxbsDisabled;
    if (pressed_)
        return cxbsPressed;
    if (Hot() && Painter().TracksHot())
        return cxbsHot;
    // The Default state belongs to buttons that cannot take the focus; these always can, so
    // the default button and the focused one look Normal and differ by the focus rectangle.
    return cxbsNormal;
}

TColor TcxCustomButton::CaptionColorOf(TcxButtonState state) const {
    const TColor own = colors_.Caption(state);
    return own != clDefault ? own : Painter().CaptionColor(state, Font().Color());
}

void TcxCustomButton::EnabledChanged() {
    TButton::EnabledChanged();
    // The tracker ends itself on its next tick: the window is no longer usable.
    if (!Enabled())
        ResetHot(false);
    Invalidate();
}

// Painting

bool TcxCustomButton::DrawItem(const DRAWITEMSTRUCT& item) {
    pressed_ = (item.itemState & ODS_SELECTED) != 0;
    Offscreen offscreen(item.hDC, Width(), Height());
    DrawButton(offscreen.Valid() ? offscreen.DC() : item.hDC);
    offscreen.CopyTo(item.hDC, 0, 0);
    return true;
}

void TcxCustomButton::DrawButton(HDC dc) {
    const TcxCustomLookAndFeelPainter& painter = Painter();
    const TcxButtonState state = State();
    const TRect client = ClientRect();
    painter.PaintButton(dc, client, state, true, FaceColorOf(state));
    {
        SavedDCState clip(dc);
        const TRect inside = client.Inflated(-painter.FrameWidth(state));
        IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
        DrawCaption(dc, client.Inflated(-painter.FrameWidth(cxbsDefault)), state);
    }
    if (Focused())
        DrawFocusFrame(dc, painter.FocusBounds(client));
}

void TcxCustomButton::DrawCaption(HDC dc, const TRect& area, TcxButtonState state) {
    const std::string& caption = Text();
    if (caption.empty())
        return;
    SelectGuard font(dc, Font().Handle());
    RECT t{1, 0, area.Width() - 2, 0};
    DrawTextA(dc, caption.c_str(), int(caption.size()), &t, DT_CALCRECT);
    const int tw = t.right - t.left;
    const int th = t.bottom - t.top;
    // Both offsets truncate toward zero; the -1 puts the caption a pixel above the exact
    // centre when the free height is even.
    const int m = (area.Width() - (tw + 3)) / 2;
    const int v = (area.Height() - th - 1) / 2;
    const int shift = state == cxbsPressed ? Painter().CaptionShift() : 0;
    OffsetRect(&t, area.left + m + shift, area.top + v + shift);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // Not single-line and with prefixes: "&" underlines the next letter, "&&" shows one.
    const UINT flags = DT_CENTER | DT_VCENTER;
    if (state == cxbsDisabled) {
        RECT emboss = t;
        OffsetRect(&emboss, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawTextA(dc, caption.c_str(), int(caption.size()), &emboss, flags);
    }
    SetTextColor(dc, ColorToRGB(CaptionColorOf(state)));
    DrawTextA(dc, caption.c_str(), int(caption.size()), &t, flags);
    SetBkMode(dc, oldMode);
}

// Pointer

void TcxCustomButton::Enter() {
    if (!EnterHot())
        return;
    // Immediate feedback on entering; leaving repaints later.
    if (Enabled() && HandleAllocated())
        RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TcxCustomButton::Leave() {
    LeaveHot();
    Invalidate();
}

void TcxCustomButton::MouseMove(unsigned keys, TPoint p) {
    const bool inside = ClientRect().Contains(p);
    if (inside && !Hot())
        Enter();
    else if (!inside && Hot())
        Leave();
    TButton::MouseMove(keys, p);
}

void TcxCustomButton::CaptureChanged(HWND newCapture) {
    TButton::CaptureChanged(newCapture);
    POINT cursor;
    // A press by Space ends here too, with the pointer possibly resting on the button since
    // its tracker ended; without a tracker the hot look would stay after the pointer left.
    ResetHot(GetCursorPos(&cursor) && HandleAllocated() && WindowFromPoint(cursor) == WindowHandle());
}

// Clicks

bool TcxCustomButton::FocusForPress() {
    if (Focused())
        return true;
    {
        const ScopedValue<bool> noClicks(clicksDisabled_, true);
        if (CanFocus())
            SetFocus();
    }
    return Focused();
}

void TcxCustomButton::MouseDown(TMouseButton button, unsigned keys, TPoint p) {
    if (button == mbLeft && !FocusForPress())
        return;
    TButton::MouseDown(button, keys, p);
}

void TcxCustomButton::DblClick(TMouseButton button, unsigned keys, TPoint p) {
    if (button != mbLeft) {
        TButton::DblClick(button, keys, p);
        return;
    }
    // A second press, so that two quick clicks give two clicks.
    if (!FocusForPress())
        return;
    IncludeState(csLButtonDown);
    TMessage down{WM_LBUTTONDOWN, WPARAM(keys), MAKELPARAM(p.x, p.y), 0};
    DefaultHandler(down);
}

void TcxCustomButton::Command(WORD notification) {
    if (!clicksDisabled_)
        TButton::Command(notification);
}

// Description

bool TcxCustomButton::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    TcxButtonAssignedColor slot;
    if (n.rfind(kColorsPrefix, 0) == 0 &&
        TcxButtonColors::SlotByName(std::string_view(n).substr(kColorsPrefix.size()), slot))
        colors_.Set(slot, reader.Color(p));
    else if (n == "LookAndFeel.Kind")
        lookAndFeel_.SetKind(reader.Enumeration<TcxLookAndFeelKind>(p, kLookAndFeelKindNames));
    else if (n == "LookAndFeel.NativeStyle")
        lookAndFeel_.SetNativeStyle(reader.Boolean(p));
    else if (n == "LookAndFeel.SkinName")
        lookAndFeel_.SetSkinName(reader.Text(p));
    else
        return TButton::ReadProperty(reader, p);
    return true;
}

void TcxCustomButton::WriteProperties(DescObject& object) const {
    for (int i = 0; i < TcxButtonColors::kSlots; ++i) {
        const auto slot = TcxButtonAssignedColor(i);
        if (!colors_.Assigned(slot))
            continue;
        const TColor c = colors_.Get(slot);
        const auto name = ColorIdentifier(c);
        object.Set(std::string(kColorsPrefix) + std::string(TcxButtonColors::SlotName(slot)),
                   name ? DescValue::Identifier(std::string(*name)) : DescValue::Integer(c));
    }
    const unsigned assigned = lookAndFeel_.AssignedValues();
    if (assigned & lfvKind)
        object.Set("LookAndFeel.Kind", DescValue::Identifier(kLookAndFeelKindNames[lookAndFeel_.Kind()]));
    if (assigned & lfvNativeStyle)
        object.Set("LookAndFeel.NativeStyle",
                   DescValue::Identifier(lookAndFeel_.NativeStyle() ? "True" : "False"));
    if (assigned & lfvSkinName)
        object.Set("LookAndFeel.SkinName", DescValue::String(lookAndFeel_.SkinName()));
}
