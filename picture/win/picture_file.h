#pragma once
// Loading a graphic from a file and saving it into one, as the picture box's Load and Save As do;
// a failing save never costs the file that was there.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "picture/graphic.h"

// Fills `bytes` with unpredictable values; false when it cannot.
using RandomSource = std::function<bool(uint8_t* bytes, size_t count)>;

// Writes the graphic's own stream (a PNG's: the writer) into path. An existing file is replaced
// only when confirmReplace answers true; false then, and nothing is written. The stream is encoded
// in memory first and written to a new file beside the target, created under an unpredictable
// name (from `random`, the system's generator when none is given) and never one that exists; that
// file, through the handle that created it, takes the target's place once it is complete and
// carries the target's hidden and system attributes. A read-only target is refused, as the system
// refuses to replace one. Nothing is opened or deleted by name but the target's attributes read.
// A picture that cannot be encoded raises its own error, a file that cannot be written or moved
// raises Exception with the system's reason, and either way the old file is left as it was and no
// new file stays behind.
bool SaveGraphicToFile(const TGraphic& graphic, const std::wstring& path,
                       const std::function<bool()>& confirmReplace, const RandomSource& random = nullptr);

// A new graphic of the kind (which must have a factory) read from the file. Exception when the
// file cannot be read or is larger than 256 MB; the kind's own error when its content is not valid.
std::unique_ptr<TGraphic> LoadGraphicFromFile(const std::wstring& path, const TGraphicClass& kind);
