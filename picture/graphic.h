#pragma once
// The abstract picture kind held by a TPicture, with a small class object per kind (name, parent,
// factory) so that a kind can be made from its stored class name and a registry can ask whether
// one kind derives from another.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "base/geometry.h"
#include "picture/byte_reader.h"
#include "picture/decoded_image.h"

class TGraphic;
class TGraphicCanvas;

struct TGraphicClass {
    const char* name;
    const TGraphicClass* parent;
    std::unique_ptr<TGraphic> (*create)(); // nullptr for an abstract kind
    // Name of the clipboard format registered for the kind's own stream, which a paste reads;
    // nullptr when the kind cannot be pasted.
    const char* clipboardFormat = nullptr;
    // Whether a paste reads the clipboard's device bitmap (CF_BITMAP) instead, handed to the kind
    // as a .bmp stream.
    bool pastesDeviceBitmap = false;
    // Whether a picture of the kind can be cut or copied to the clipboard.
    bool copyable = true;

    bool InheritsFrom(const TGraphicClass& other) const;
};

class TGraphic {
  public:
    static const TGraphicClass& StaticClass();

    virtual ~TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual const TGraphicClass& Class() const = 0;
    const char* ClassName() const { return Class().name; }

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // Whether drawing leaves some of the destination showing.
    virtual bool Transparent() const = 0;
    // The transparent flag a holder's owner forces (a picture box's GraphicTransparency). Kinds
    // that draw by a transparency of their own (PNG, icon) keep reporting and drawing that.
    void SetTransparent(bool transparent) { transparentFlag_ = transparent; }
    // Draws the graphic stretched into rect; nothing while it is empty.
    virtual void Draw(TGraphicCanvas& canvas, const TRect& rect) const = 0;
    // The colour table that goes with the graphic's bitmap on the clipboard (CF_PALETTE); empty
    // for a graphic without one.
    virtual std::vector<TRGBQuad> Palette() const { return {}; }

    // Reads the graphic's own stream, replacing its content only when the whole stream is valid.
    virtual void LoadFromStream(TByteReader& stream) = 0;
    virtual void SaveToStream(std::vector<uint8_t>& out) const = 0;
    // A new graphic of the same kind with a copy of the content.
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    // Called after every change of the content.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  protected:
    TGraphic() = default;
    bool TransparentFlag() const { return transparentFlag_; }
    void Changed() {
        if (onChange_)
            onChange_();
    }

  private:
    std::function<void()> onChange_;
    bool transparentFlag_ = false;
};
