#include "framework/control.h"

#include "base/mul_div.h"
#include "framework/focus_host.h"
#include "framework/reader.h"
#include "framework/win_control.h"

namespace {

// The font character sets a description names, indexed by their values.
constexpr std::array kCharsetNames{"ANSI_CHARSET", "DEFAULT_CHARSET"};
static_assert(ANSI_CHARSET == 0 && DEFAULT_CHARSET == 1);

} // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        if (parentFont_)
            ParentFontChanged();
        if (parentColor_)
            ParentColorChanged();
    }
}

IFocusHost* TControl::FocusHost() const {
    TControl* root = const_cast<TControl*>(this);
    while (root->parent_)
        root = root->parent_;
    return root->AsFocusHost();
}

TForm* TControl::ParentForm() const {
    IFocusHost* host = FocusHost();
    return host ? host->HostForm() : nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    StoreBounds(left, top, width, height);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
}

void TControl::SetVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        VisibleChanged();
    }
}

void TControl::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        EnabledChanged();
    }
}

void TControl::SetAlign(TAlign align) {
    if (align != align_) {
        align_ = align;
        if (parent_)
            parent_->AlignControls();
    }
}

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color != color_) {
        color_ = color;
        ColorChanged();
    }
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_)
        ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (parent_ && parent_->Color() != color_) {
        color_ = parent_->Color();
        ColorChanged();
    }
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_)
        ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parent_)
        return;
    followingParent_ = true;
    font_.Assign(parent_->Font());
    followingParent_ = false;
}

void TControl::SetText(const std::string& text) {
    if (text != text_) {
        text_ = text;
        TextChanged();
    }
}

void TControl::FontChanged() {
    if (!followingParent_)
        parentFont_ = false;
}

void TControl::ColorChanged() {}
void TControl::TextChanged() {}
void TControl::VisibleChanged() {}
void TControl::EnabledChanged() {}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.result;
}

void TControl::WndProc(TMessage&) {}

void TControl::ChangeScale(int m, int d) {
    const TRect r{MulDivRound(left_, m, d), MulDivRound(top_, m, d), MulDivRound(left_ + width_, m, d),
                  MulDivRound(top_ + height_, m, d)};
    SetBounds(r.left, r.top, r.Width(), r.Height());
    if (!parentFont_)
        font_.SetHeight(MulDivRound(font_.Height(), m, d));
}

bool TControl::ReadProperty(TReader& reader, const DescProperty& p) {
    const std::string& n = p.name;
    if (n == "Left")
        SetLeft(reader.Integer(p));
    else if (n == "Top")
        SetTop(reader.Integer(p));
    else if (n == "Width")
        SetWidth(reader.Integer(p));
    else if (n == "Height")
        SetHeight(reader.Integer(p));
    else if (n == "Visible")
        SetVisible(reader.Boolean(p));
    else if (n == "Enabled")
        SetEnabled(reader.Boolean(p));
    else if (n == "Align")
        SetAlign(reader.Enumeration<TAlign>(p, kAlignNames));
    else if (n == "Color")
        SetColor(reader.Color(p));
    else if (n == "ParentColor")
        SetParentColor(reader.Boolean(p));
    else if (n == "ParentFont")
        SetParentFont(reader.Boolean(p));
    else if (n == "Caption" || n == "Text")
        SetText(reader.Text(p));
    else if (n == "Font.Name")
        font_.SetName(reader.Text(p));
    else if (n == "Font.Height")
        font_.SetHeight(reader.Integer(p));
    else if (n == "Font.Color")
        font_.SetColor(reader.Color(p));
    else if (n == "Font.Charset")
        font_.SetCharset(reader.Enumeration<BYTE>(p, kCharsetNames));
    else if (n == "Font.Style") {
        unsigned style = 0;
        for (const std::string& s : reader.Set(p)) {
            if (s == "fsBold")
                style |= fsBold;
            else if (s == "fsItalic")
                style |= fsItalic;
            else if (s == "fsUnderline")
                style |= fsUnderline;
            else if (s == "fsStrikeOut")
                style |= fsStrikeOut;
            else
                reader.Invalid(p, "Invalid font style " + s);
        }
        font_.SetStyle(style);
    } else
        return TComponent::ReadProperty(reader, p);
    return true;
}
