#include "picture/win/clipboard_paste.h"

#include "base/exception.h"
#include "base/win/global_memory.h"

namespace {

UINT FormatOf(const TGraphicClass& kind) {
    return kind.clipboardFormat && kind.create ? RegisterClipboardFormatA(kind.clipboardFormat) : 0;
}

class OpenedForReading {
  public:
    explicit OpenedForReading(HWND owner) {
        if (!OpenClipboard(owner))
            throw Exception("The clipboard is in use by another program; the picture was not pasted");
    }
    OpenedForReading(const OpenedForReading&) = delete;
    OpenedForReading& operator=(const OpenedForReading&) = delete;
    ~OpenedForReading() { CloseClipboard(); }
};

} // namespace

bool CanPasteGraphic(const TGraphicClass& kind) {
    const UINT format = FormatOf(kind);
    return format != 0 && IsClipboardFormatAvailable(format);
}

std::unique_ptr<TGraphic> PasteGraphic(HWND owner, const TGraphicClass& kind) {
    if (!CanPasteGraphic(kind))
        return nullptr;
    const OpenedForReading clipboard(owner);
    const HANDLE data = GetClipboardData(FormatOf(kind));
    if (!data)
        return nullptr;
    const GlobalMemory::Lock bytes(data);
    if (!bytes)
        throw Exception("The picture on the clipboard could not be read");
    TByteReader stream(static_cast<const uint8_t*>(bytes.Get()), GlobalSize(data));
    std::unique_ptr<TGraphic> graphic = kind.create();
    graphic->LoadFromStream(stream);
    return graphic;
}
