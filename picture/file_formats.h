#pragma once
// TFileFormatsList, the picture-kind registry: an ordered list of (extension, description, class).
// One list exists per process (FileFormats()); on first use it registers "bmp" / "Bitmaps" /
// TBitmap, "ico" / "Icons" / TIcon, then "png" / "Portable Network Graphics" / TPNGObject.

#include <string>
#include <string_view>
#include <vector>

#include "picture/graphic.h"

// The text before the pattern list of a filter with several kinds. Windows builds pass the
// string resource in its place.
inline constexpr char kAllFilterText[] = "All";

struct TFileFormat {
    std::string extension; // lower case
    std::string description;
    const TGraphicClass* graphicClass;
};

class TFileFormatsList {
  public:
    void Add(std::string_view extension, std::string description, const TGraphicClass& graphicClass);
    const std::vector<TFileFormat>& Entries() const { return entries_; }

    // The class whose name equals the tag exactly (case-sensitive), searching from the last entry
    // back to the first; nullptr when none does.
    const TGraphicClass* FindClassName(std::string_view tag) const;

    // The extension of the last entry of exactly this class that has one, or "".
    std::string DefaultExtension(const TGraphicClass& graphicClass) const;

    // The file-dialog filter of a class: every entry, last to first, whose class is the class or
    // derives from it and whose extension is not empty, as "Description (*.ext)|*.ext", joined by
    // "|". With more than one entry the result is "All (*.a;*.b)|*.a;*.b|" followed by them.
    std::string Filter(const TGraphicClass& graphicClass, std::string_view allText = kAllFilterText) const;

  private:
    std::vector<TFileFormat> entries_;
};

TFileFormatsList& FileFormats();
