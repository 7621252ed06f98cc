#pragma once
// Identifiers of the program's resources, shared by the resource script and the code.
// The icon group is the named resource "MAINICON"; the window description is the RCDATA
// resource named after the window class, "TFRMCONNEXIONORLIX", in its binary form, which the
// build makes from resources/FrmConnexionORLIX.desc.

#define IDS_FORM_CAPTION 100
#define IDS_WARNING_CAPTION 101
