#pragma once
// TPicture, the picture holder: at most one graphic, copied in on assignment, and a change
// notification to its owner after every change.
//
// Its stored value "Data" (ReadData, WriteData): one byte n, n bytes of class tag, then the
// graphic's own stream up to the end of the value. Reading looks the tag up in the process's
// picture-kind registry (FileFormats()), last entry first, case-sensitively, and lets a new
// graphic of that class read the rest. A tag that no class bears, a tag longer than 63 bytes, a
// value too short for its tag, or an empty value gives an empty picture and no error. When the
// graphic fails to read its stream, the error goes on and the picture keeps what it held.
// Writing puts the class name cut to 63 characters, then the graphic's stream; an empty holder
// (no graphic, or a graphic without content) writes the single byte 0.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "picture/graphic.h"

class TPicture {
  public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    TGraphic* Graphic() const { return graphic_.get(); }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // Holds a copy of the graphic (nothing for nullptr).
    void AssignGraphic(const TGraphic* graphic);
    // Holds a copy of the other picture's graphic.
    void Assign(const TPicture& source) { AssignGraphic(source.Graphic()); }

    void ReadData(const uint8_t* data, size_t size);
    void WriteData(std::vector<uint8_t>& out) const;

  private:
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    void Changed() {
        if (onChange_)
            onChange_();
    }

    std::unique_ptr<TGraphic> graphic_;
    std::function<void()> onChange_;
};
