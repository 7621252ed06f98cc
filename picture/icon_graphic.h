#pragma once
// The icon picture kind ("TIcon"): the bytes of an .ico file, kept as read and saved back as
// they are, drawn by the platform through each image's mask, so always transparent. It draws the
// image that suits the destination best; its size is the first image's. Nothing pastes as an
// icon and a box does not offer to copy one.

#include <memory>
#include <vector>

#include "picture/graphic.h"
#include "picture/icon_format.h"

class TIconGraphic : public TGraphic {
  public:
    static const TGraphicClass& StaticClass();

    TIconGraphic() = default;
    const TGraphicClass& Class() const override { return StaticClass(); }

    bool Empty() const override { return images_.empty(); }
    int Width() const override { return Empty() ? 0 : int(images_.front().width); }
    int Height() const override { return Empty() ? 0 : int(images_.front().height); }
    // An icon keeps its images: both throw EIconError.
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Transparent() const override { return true; }
    void Draw(TGraphicCanvas& canvas, const TRect& rect) const override;

    // Replaces the content only when the whole stream is a valid .ico; EIconError otherwise.
    void LoadFromStream(TByteReader& stream) override;
    // The .ico bytes as read; EIconError for an empty icon.
    void SaveToStream(std::vector<uint8_t>& out) const override;
    std::unique_ptr<TGraphic> Clone() const override;

    const std::vector<TIconImage>& Images() const { return images_; }

  private:
    std::vector<uint8_t> bytes_;
    std::vector<TIconImage> images_;
};
