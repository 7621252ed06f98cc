#pragma once
// A font description with its GDI font created on first use and recreated after a change.

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "base/colors.h"
#include "base/win/gdi.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// The names a window description gives the styles: each name's flag is 1 << its index.
inline constexpr std::array kFontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

class TFont {
  public:
    TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    // Copies the description of another font (not its owner notification).
    void Assign(const TFont& other);

    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    unsigned Style() const { return style_; }
    BYTE Charset() const { return charset_; }

    void SetName(const std::string& name);
    void SetHeight(int height);
    void SetColor(TColor color);
    void SetStyle(unsigned style);
    void SetCharset(BYTE charset);

    HFONT Handle();

    // Called after every change.
    std::function<void()> OnChange;

  private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    unsigned style_ = 0;
    BYTE charset_ = DEFAULT_CHARSET;
    FontHandle handle_;
};
