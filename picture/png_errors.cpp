#include "picture/png_errors.h"

#include "picture/chunk_text.h"
#include "picture/decoded_image.h"

EPngError PngResizeError() {
    return EPngError("The \"Portable Network Graphics\" image can not be resize by changing width and height "
                     "properties. Try assigning the image from a bitmap.");
}

EPngError PngIncompatibleChunksError() {
    return EPngError("The chunks must be compatible to be assigned.");
}

EPNGInvalidFileHeader::EPNGInvalidFileHeader()
    : EPngError(
          "The file being readed is not a valid \"Portable Network Graphics\" image because it contains "
          "an invalid header. This file may be corruped, try obtaining it again.") {}

EPngUnexpectedEnd::EPngUnexpectedEnd()
    : EPngError("This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected "
                "end of the file.") {}

EPNGIHDRNotFirst::EPNGIHDRNotFirst()
    : EPngError("This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n"
                "(IHDR chunk is not the first)") {}

EPNGUnknownCriticalChunk::EPNGUnknownCriticalChunk()
    : EPngError("This \"Portable Network Graphics\" image contains an unknown critical part which could not "
                "be decoded.") {}

EPngInvalidCRC::EPngInvalidCRC()
    : EPngError("This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of "
                "data (crc error)") {}

EPngInvalidIHDR::EPngInvalidIHDR()
    : EPngError(
          "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of "
          "data (ihdr) might be corrupted") {}

EPNGSizeExceeds::EPNGSizeExceeds()
    : EPngError(
          "This \"Portable Network Graphics\" image is not supported because either it's width or height "
          "exceeds the maximum size, which is 65535 pixels length.") {}

EPNGUnknownCompression::EPNGUnknownCompression()
    : EPngError(
          "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which "
          "could not be decoded.") {}

EPNGUnknownInterlace::EPNGUnknownInterlace()
    : EPngError(
          "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be "
          "decoded.") {}

EPNGMissingMultipleIDAT::EPNGMissingMultipleIDAT()
    : EPngError("This \"Portable Network Graphics\" image is invalid because it has missing image parts.") {}

EPNGInvalidPalette::EPNGInvalidPalette()
    : EPngError("The \"Portable Network Graphics\" image contains an invalid palette.") {}

EPNGNoImageData::EPNGNoImageData()
    : EPngError("This \"Portable Network Graphics\" image contains no data.") {}

EPNGHeaderNotPresent::EPNGHeaderNotPresent()
    : EPngError("This operation is not valid because the current image contains no valid header.") {}

EPNGOutMemory::EPNGOutMemory()
    : EPngError("Some operation could not be performed because the system is out of resources. Close some "
                "windows and try again.") {}

EPNGImageTooLarge::EPNGImageTooLarge()
    : EPngError("This \"Portable Network Graphics\" image is not supported because its decoded pixels would "
                "need more than " +
                std::to_string(kMaxDecodedImageBytes >> 20) + " MB of memory.") {}

EPNGTextTooLarge::EPNGTextTooLarge()
    : EPngError(
          "This \"Portable Network Graphics\" image is not supported because one of its compressed texts "
          "is longer than " +
          std::to_string(kMaxTextBytes >> 20) + " MB.") {}

EPNGTooMuchText::EPNGTooMuchText()
    : EPngError("This \"Portable Network Graphics\" image is not supported because its texts together are "
                "longer than " +
                std::to_string(kMaxPictureTextBytes >> 20) + " MB.") {}

EPNGInvalidFilter::EPNGInvalidFilter()
    : EPngError("This \"Portable Network Graphics\" image is invalid because one of its rows uses an unknown "
                "filter type.") {}

EPNGInvalidChunkName::EPNGInvalidChunkName()
    : EPngError(
          "This \"Portable Network Graphics\" image is invalid because one of its parts has a name that "
          "is not four letters.") {}

EPNGZLIBError::EPNGZLIBError(int zlibCode)
    : EPngError(
          "Could not decompress the image because it contains invalid compressed data.\r\n Description: " +
          ZLibErrorText(zlibCode)),
      code_(zlibCode) {}

std::string ZLibErrorText(int zlibCode) {
    const char* text = "unknown error";
    switch (zlibCode) {
    case -6:
        text = "incompatible version";
        break;
    case -5:
        text = "buffer error";
        break;
    case -4:
        text = "insufficient memory";
        break;
    case -3:
        text = "data error";
        break;
    case -2:
        text = "stream error";
        break;
    case -1:
        text = "file error";
        break;
    }
    return std::string(text) + " (" + std::to_string(zlibCode) + ")";
}
