#include "base/win/global_memory.h"

#include <cstring>
#include <utility>

GlobalMemory& GlobalMemory::operator=(GlobalMemory&& other) noexcept {
    if (this != &other) {
        Reset();
        h_ = other.Detach();
    }
    return *this;
}

GlobalMemory GlobalMemory::Allocate(size_t size) noexcept {
    return Adopt(GlobalAlloc(GMEM_MOVEABLE, size));
}

GlobalMemory GlobalMemory::FromBytes(const void* data, size_t size) noexcept {
    GlobalMemory block = Allocate(size);
    if (!block || size == 0)
        return block;
    Lock bytes(block.Get());
    if (!bytes)
        return {};
    std::memcpy(bytes.Get(), data, size);
    return block;
}

GlobalMemory GlobalMemory::Adopt(HGLOBAL h) noexcept {
    GlobalMemory block;
    block.h_ = h;
    return block;
}

void GlobalMemory::Reset() noexcept {
    if (HGLOBAL h = std::exchange(h_, nullptr))
        GlobalFree(h);
}

HGLOBAL GlobalMemory::Detach() noexcept {
    return std::exchange(h_, nullptr);
}
