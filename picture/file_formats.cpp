#include "picture/file_formats.h"

#include <algorithm>
#include <cctype>

#include "picture/bitmap_graphic.h"
#include "picture/icon_graphic.h"
#include "picture/png_object.h"

void TFileFormatsList::Add(std::string_view extension, std::string description,
                           const TGraphicClass& graphicClass) {
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    entries_.push_back({std::move(lower), std::move(description), &graphicClass});
}

const TGraphicClass* TFileFormatsList::FindClassName(std::string_view tag) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (tag == it->graphicClass->name)
            return it->graphicClass;
    return nullptr;
}

std::string TFileFormatsList::DefaultExtension(const TGraphicClass& graphicClass) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->graphicClass == &graphicClass && !it->extension.empty())
            return it->extension;
    return "";
}

std::string TFileFormatsList::Filter(const TGraphicClass& graphicClass, std::string_view allText) const {
    std::string descriptions;
    std::string patterns;
    int count = 0;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (!it->graphicClass->InheritsFrom(graphicClass) || it->extension.empty())
            continue;
        if (count > 0) {
            descriptions += '|';
            patterns += ';';
        }
        // "%s%s (*.%s)|*.%2:s" and "%s*.%s"
        descriptions += it->description + " (*." + it->extension + ")|*." + it->extension;
        patterns += "*." + it->extension;
        ++count;
    }
    if (count > 1) // "%s (%s)|%1:s|%s"
        return std::string(allText) + " (" + patterns + ")|" + patterns + "|" + descriptions;
    return descriptions;
}

TFileFormatsList& FileFormats() {
    static TFileFormatsList list = [] {
        TFileFormatsList formats;
        // The bitmap kind comes first: it is what a box loads and pastes unless told otherwise.
        formats.Add("bmp", "Bitmaps", TBitmapGraphic::StaticClass());
        formats.Add("ico", "Icons", TIconGraphic::StaticClass());
        formats.Add("PNG", "Portable Network Graphics", TPNGObject::StaticClass());
        return formats;
    }();
    return list;
}
