#pragma once
// Identifiers of the program's resources, shared by the resource script and the code.
// The icon group is the named resource "MAINICON"; the window description is the RCDATA
// resource named after the window class, "TFRMCONNEXIONORLIX", in its binary form, which the
// build makes from resources/FrmConnexionORLIX.desc.

#define IDS_FORM_CAPTION 100
#define IDS_WARNING_CAPTION 101

// The picture box's context menu: captions of its items in menu order (cut, copy, paste, delete,
// load, save), and the text before the pattern list of a file filter with several kinds. The
// glyphs are the bitmap resources "CXMENUIMAGE_CUT" to "CXMENUIMAGE_SAVE".
#define IDS_PICTURE_MENU_CUT 200
#define IDS_PICTURE_MENU_COPY 201
#define IDS_PICTURE_MENU_PASTE 202
#define IDS_PICTURE_MENU_DELETE 203
#define IDS_PICTURE_MENU_LOAD 204
#define IDS_PICTURE_MENU_SAVE 205
#define IDS_FILTER_ALL 206
