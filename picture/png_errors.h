#pragma once
// The PNG reader's and writer's errors: one hierarchy under EPngError, every class with its own
// fixed English message. The classes after EPNGOutMemory are this reader's limits and checks that
// go beyond the classic table; their messages follow the same style.

#include <cstdint>
#include <string>

#include "base/exception.h"

class EPngError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EPngError"; }
};

// The two plain EPngError cases.
EPngError PngResizeError();
EPngError PngIncompatibleChunksError();

#define ORLIX_PNG_ERROR_CLASS(Name)                                                                          \
    class Name : public EPngError {                                                                          \
      public:                                                                                                \
        Name();                                                                                              \
        const char* ClassName() const noexcept override { return #Name; }                                    \
    }

ORLIX_PNG_ERROR_CLASS(EPNGInvalidFileHeader);
ORLIX_PNG_ERROR_CLASS(EPngUnexpectedEnd);
ORLIX_PNG_ERROR_CLASS(EPNGIHDRNotFirst);
ORLIX_PNG_ERROR_CLASS(EPNGUnknownCriticalChunk);
ORLIX_PNG_ERROR_CLASS(EPngInvalidCRC);
ORLIX_PNG_ERROR_CLASS(EPngInvalidIHDR);
ORLIX_PNG_ERROR_CLASS(EPNGSizeExceeds);
ORLIX_PNG_ERROR_CLASS(EPNGUnknownCompression);
ORLIX_PNG_ERROR_CLASS(EPNGUnknownInterlace);
ORLIX_PNG_ERROR_CLASS(EPNGMissingMultipleIDAT);
ORLIX_PNG_ERROR_CLASS(EPNGInvalidPalette);
ORLIX_PNG_ERROR_CLASS(EPNGNoImageData);
ORLIX_PNG_ERROR_CLASS(EPNGHeaderNotPresent);
ORLIX_PNG_ERROR_CLASS(EPNGOutMemory);
// The decoded image would exceed kMaxDecodedImageBytes (decoded_image.h).
ORLIX_PNG_ERROR_CLASS(EPNGImageTooLarge);
// A compressed text chunk inflates beyond kMaxTextBytes (chunk_text.h).
ORLIX_PNG_ERROR_CLASS(EPNGTextTooLarge);
// The picture's texts together exceed kMaxPictureTextBytes (chunk.h).
ORLIX_PNG_ERROR_CLASS(EPNGTooMuchText);
// A row starts with a filter type other than 0 to 4.
ORLIX_PNG_ERROR_CLASS(EPNGInvalidFilter);
// A chunk name, read or to be written, is not four ASCII letters.
ORLIX_PNG_ERROR_CLASS(EPNGInvalidChunkName);

#undef ORLIX_PNG_ERROR_CLASS

// Inflating or deflating failed with a zlib status code (Z_DATA_ERROR and the like).
class EPNGZLIBError : public EPngError {
  public:
    explicit EPNGZLIBError(int zlibCode);
    const char* ClassName() const noexcept override { return "EPNGZLIBError"; }
    int Code() const noexcept { return code_; }

  private:
    int code_;
};

// zlib's failure texts, with their codes: "data error (-3)".
std::string ZLibErrorText(int zlibCode);
