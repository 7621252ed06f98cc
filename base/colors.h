#pragma once
// Colour values: 0x00BBGGRR for an RGB colour, 0x80000000 + n for the platform's system
// colour n (resolved only when drawn), and two markers for "no colour chosen" and "no colour".

#include <cstdint>
#include <optional>
#include <string_view>

using TColor = int32_t;

constexpr TColor kSystemColorFlag = int32_t(0x80000000u);

constexpr TColor clDefault = 0x20000000;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = kSystemColorFlag | 0;
constexpr TColor clWindow = kSystemColorFlag | 5;
constexpr TColor clWindowFrame = kSystemColorFlag | 6;
constexpr TColor clWindowText = kSystemColorFlag | 8;
constexpr TColor clHighlight = kSystemColorFlag | 13;
constexpr TColor clHighlightText = kSystemColorFlag | 14;
constexpr TColor clBtnFace = kSystemColorFlag | 15;
constexpr TColor clBtnShadow = kSystemColorFlag | 16;
constexpr TColor clGrayText = kSystemColorFlag | 17;
constexpr TColor clBtnText = kSystemColorFlag | 18;
constexpr TColor clBtnHighlight = kSystemColorFlag | 20;

constexpr bool IsSystemColor(TColor c) {
    return (uint32_t(c) & 0xFF000000u) == 0x80000000u;
}
constexpr int SystemColorIndex(TColor c) {
    return int(uint32_t(c) & 0xFFu);
}

// The colour named by a description identifier such as "clBtnFace"; nothing for other names.
std::optional<TColor> ColorFromIdentifier(std::string_view name);
// The description identifier of a named colour, such as "clWhite"; nothing for other values.
std::optional<std::string_view> ColorIdentifier(TColor color);
