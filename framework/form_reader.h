#pragma once
// Reads a window description into a form: the form's own values, then each control in stored
// order (which is creation and stacking order), created by class name, given its parent and its
// values; then the layout is scaled to the screen and every component is told it was loaded.

#include "framework/description/description.h"

class TForm;

void ReadForm(TForm& form, const DescObject& description);
