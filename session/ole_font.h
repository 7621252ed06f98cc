#pragma once
// Fonts as ActiveX controls see them: an OLE font object (IFontDisp) made from a font
// description, and a description read back from a control's font object. Sizes pass in points
// at the screen's resolution.

#include "base/win/com_ptr.h"
#include "framework/font.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

// A new OLE font with the name, size, style and character set of `font`; EOleSysError when
// OleCreateFontIndirect fails.
ComPtr<IFontDisp> CreateOleFont(const TFont& font);

// Copies the name, size, style and character set of an OLE font into `font`; EOleSysError when
// the object is not a font or a property cannot be read. The colour is not a font property.
void AssignOleFont(TFont& font, IUnknown* oleFont);
