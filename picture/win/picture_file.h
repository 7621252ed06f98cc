#pragma once
// Loading a graphic from a file and saving it into one, as the picture box's Load and Save As do;
// a failing save never costs the file that was there.

#include <functional>
#include <memory>
#include <string>

#include "picture/graphic.h"

// Writes the graphic's own stream (a PNG's: the writer) into path. An existing file is replaced
// only when confirmReplace answers true; false then, and nothing is written. The stream is encoded
// in memory first, written to a temporary file beside the target and moved over the target only
// once it is complete: a picture that cannot be encoded raises its own error, a file that cannot
// be written or moved raises Exception with the system's reason, and either way the old file is
// left as it was and no temporary file stays behind.
bool SaveGraphicToFile(const TGraphic& graphic, const std::wstring& path,
                       const std::function<bool()>& confirmReplace);

// A new graphic of the kind (which must have a factory) read from the file. Exception when the
// file cannot be read or is larger than 256 MB; the kind's own error when its content is not valid.
std::unique_ptr<TGraphic> LoadGraphicFromFile(const std::wstring& path, const TGraphicClass& kind);
