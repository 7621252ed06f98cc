#include "base/colors.h"

namespace {

struct NamedColor {
    std::string_view name;
    TColor value;
};

constexpr NamedColor kNamedColors[] = {
    {"clBlack", clBlack},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", clWhite},
    {"clNone", clNone},
    {"clDefault", clDefault},
    {"clScrollBar", clScrollBar},
    {"clBackground", kSystemColorFlag | 1},
    {"clActiveCaption", kSystemColorFlag | 2},
    {"clInactiveCaption", kSystemColorFlag | 3},
    {"clMenu", kSystemColorFlag | 4},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", kSystemColorFlag | 7},
    {"clWindowText", clWindowText},
    {"clCaptionText", kSystemColorFlag | 9},
    {"clActiveBorder", kSystemColorFlag | 10},
    {"clInactiveBorder", kSystemColorFlag | 11},
    {"clAppWorkSpace", kSystemColorFlag | 12},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", kSystemColorFlag | 19},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", kSystemColorFlag | 21},
    {"cl3DLight", kSystemColorFlag | 22},
    {"clInfoText", kSystemColorFlag | 23},
    {"clInfoBk", kSystemColorFlag | 24},
};

} // namespace

std::optional<TColor> ColorFromIdentifier(std::string_view name) {
    for (const NamedColor& c : kNamedColors)
        if (c.name == name)
            return c.value;
    return std::nullopt;
}

std::optional<std::string_view> ColorIdentifier(TColor color) {
    for (const NamedColor& c : kNamedColors)
        if (c.value == color)
            return c.name;
    return std::nullopt;
}
