#pragma once
// Making an 8-bit RGB PNG picture from pixels, for the tools that build the program's pictures.
//
//   #include "picture/png_rgb.h"
//   #include "picture/picture.h"
//
//   std::vector<uint8_t> rgb = ...;  // height rows from the top, each width * 3 bytes R, G, B
//   std::unique_ptr<TPNGObject> png = CreateRGBPNG(640, 427, rgb.data());
//
//   std::vector<uint8_t> file;
//   png->SaveToStream(file);         // the PNG file: IHDR, sRGB, gAMA, pHYs, IDAT..., IEND
//
//   TPicture picture;
//   picture.AssignGraphic(png.get());
//   std::vector<uint8_t> value;
//   picture.WriteData(value);        // the stored value: tag "TPNGObject", then the PNG file
//
// The picture has the chunks IHDR (8-bit RGB, not interlaced), sRGB (rendering intent 0), gAMA
// 45455 (whose gamma table is the identity, so the stored samples are shown unchanged), pHYs
// (11811 x 11811 pixels per metre), the image data and IEND, in this order. Saving writes every
// row with the Sub filter, deflated at level 7, in IDAT chunks of 65535 bytes and a shorter last
// one. Link with orlix_picture.

#include <cstdint>
#include <memory>

#include "picture/png_object.h"

// Throws EPNGSizeExceeds, EPngInvalidIHDR or EPNGImageTooLarge for a size the reader refuses.
std::unique_ptr<TPNGObject> CreateRGBPNG(uint32_t width, uint32_t height, const uint8_t* rgbRows);
// The same with an alpha sample after each pixel's colour (8-bit RGBA, colour type 6) and only the
// chunks IHDR, IDAT and IEND, as an icon's PNG image has.
std::unique_ptr<TPNGObject> CreateRGBAPNG(uint32_t width, uint32_t height, const uint8_t* rgbaRows);
