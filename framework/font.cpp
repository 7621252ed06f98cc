#include "framework/font.h"

#include <cstring>

TFont::TFont() = default;

void TFont::Assign(const TFont& other) {
    if (&other == this)
        return;
    name_ = other.name_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    charset_ = other.charset_;
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name != name_) {
        name_ = name;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

void TFont::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

void TFont::SetStyle(unsigned style) {
    if (style != style_) {
        style_ = style;
        Changed();
    }
}

void TFont::SetCharset(BYTE charset) {
    if (charset != charset_) {
        charset_ = charset;
        Changed();
    }
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = charset_;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_.Reset(CreateFontIndirectA(&lf));
    }
    return handle_.Get();
}

void TFont::Changed() {
    // Windows that were given the old font switch to the new one before the old is deleted.
    FontHandle old = std::move(handle_);
    if (OnChange)
        OnChange();
}
