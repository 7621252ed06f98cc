#include "session/ole_font.h"

#include "base/win/ansi.h"
#include "base/win/bstr.h"
#include "framework/screen.h"
#include "session/ole_check.h"
#include "session/ole_errors.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// CY holds points in units of 1/10000; a font height in pixels is its em height.
constexpr double kCyPerPoint = 10000.0;
constexpr double kPointsPerInch = 72.0;

} // namespace

ComPtr<IFontDisp> CreateOleFont(const TFont& font) {
    std::wstring name = AnsiToWide(font.Name());
    FONTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.lpstrName = name.data();
    desc.cySize.int64 =
        std::llround(std::abs(font.Height()) * kPointsPerInch * kCyPerPoint / Screen().PixelsPerInch());
    desc.sWeight = (font.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
    desc.sCharset = font.Charset();
    desc.fItalic = (font.Style() & fsItalic) != 0;
    desc.fUnderline = (font.Style() & fsUnderline) != 0;
    desc.fStrikethrough = (font.Style() & fsStrikeOut) != 0;
    ComPtr<IFontDisp> result;
    OleCheck(OleCreateFontIndirect(&desc, IID_IFontDisp, result.PutVoid()));
    return result;
}

void AssignOleFont(TFont& font, IUnknown* oleFont) {
    if (!oleFont)
        throw EOleSysError(E_POINTER);
    ComPtr<IFont> source;
    OleCheck(oleFont->QueryInterface(IID_IFont, source.PutVoid()));
    Bstr name;
    CY size{};
    BOOL bold = FALSE, italic = FALSE, underline = FALSE, strikeOut = FALSE;
    SHORT charset = DEFAULT_CHARSET;
    OleCheck(source->get_Name(name.Put()));
    OleCheck(source->get_Size(&size));
    OleCheck(source->get_Bold(&bold));
    OleCheck(source->get_Italic(&italic));
    OleCheck(source->get_Underline(&underline));
    OleCheck(source->get_Strikethrough(&strikeOut));
    OleCheck(source->get_Charset(&charset));
    font.SetName(WideToAnsi(name.View()));
    font.SetHeight(
        -int(std::llround(double(size.int64) * Screen().PixelsPerInch() / (kPointsPerInch * kCyPerPoint))));
    font.SetStyle((bold ? fsBold : 0u) | (italic ? fsItalic : 0u) | (underline ? fsUnderline : 0u) |
                  (strikeOut ? fsStrikeOut : 0u));
    font.SetCharset(BYTE(charset));
}
