#include "picture/win/clipboard_paste.h"

#include <vector>

#include "base/exception.h"
#include "base/win/ansi.h"
#include "base/win/clipboard.h"
#include "base/win/gdi.h"
#include "base/win/global_memory.h"
#include "picture/bmp_format.h"
#include "picture/decoded_image.h"

namespace {

UINT FormatOf(const TGraphicClass& kind) {
    if (!kind.create)
        return 0;
    if (kind.pastesDeviceBitmap)
        return CF_BITMAP;
    return kind.clipboardFormat ? RegisterClipboardFormatA(kind.clipboardFormat) : 0;
}

class OpenedForReading {
  public:
    explicit OpenedForReading(HWND owner) {
        if (!OpenClipboard(owner))
            ThrowClipboardBusy("l'image n'a pas été collée");
    }
    OpenedForReading(const OpenedForReading&) = delete;
    OpenedForReading& operator=(const OpenedForReading&) = delete;
    ~OpenedForReading() { CloseClipboard(); }
};

[[noreturn]] void ThrowUnreadable() {
    throw Exception(Utf8ToAnsi("L'image du presse-papiers n'a pas pu être lue"));
}

// The device bitmap as a 24-bit .bmp stream, its rows read out by the platform.
std::vector<uint8_t> BmpOfDeviceBitmap(HBITMAP bitmap) {
    BITMAP shape;
    if (GetObjectW(bitmap, sizeof shape, &shape) != sizeof shape || shape.bmWidth <= 0 || shape.bmHeight <= 0)
        ThrowUnreadable();
    const uint32_t width = uint32_t(shape.bmWidth);
    const uint32_t height = uint32_t(shape.bmHeight);
    if (!FitsDecodedImageCap(width, height, 24))
        throw Exception(Utf8ToAnsi("L'image du presse-papiers est trop grande pour être collée"));
    TDecodedImage image(width, height, 24);
    TBitmapInfo info = image.Info(); // GetDIBits may fill in fields of its own
    WindowDC screen(nullptr);
    if (!screen || GetDIBits(screen.Get(), bitmap, 0, height, image.Bits(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != int(height))
        ThrowUnreadable();
    std::vector<uint8_t> bmp;
    WriteBmp(image, bmp);
    return bmp;
}

std::vector<uint8_t> BytesOfBlock(HANDLE data) {
    const GlobalMemory::Lock bytes(data);
    if (!bytes)
        ThrowUnreadable();
    const auto* first = static_cast<const uint8_t*>(bytes.Get());
    return std::vector<uint8_t>(first, first + GlobalSize(data));
}

} // namespace

bool CanPasteGraphic(const TGraphicClass& kind) {
    const UINT format = FormatOf(kind);
    return format != 0 && IsClipboardFormatAvailable(format);
}

std::unique_ptr<TGraphic> PasteGraphic(HWND owner, const TGraphicClass& kind) {
    if (!CanPasteGraphic(kind))
        return nullptr;
    std::vector<uint8_t> stream;
    {
        const OpenedForReading clipboard(owner);
        const HANDLE data = GetClipboardData(FormatOf(kind));
        if (!data)
            return nullptr;
        stream = kind.pastesDeviceBitmap ? BmpOfDeviceBitmap(static_cast<HBITMAP>(data)) : BytesOfBlock(data);
    }
    TByteReader reader(stream.data(), stream.size());
    std::unique_ptr<TGraphic> graphic = kind.create();
    graphic->LoadFromStream(reader);
    return graphic;
}
