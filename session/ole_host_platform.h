#pragma once
// The two platform calls through which the host keeps and hands over the control's stored
// state. They are replaceable so that tests can make them fail as a system out of memory would.

#include <windows.h>
#include <objbase.h>

#include <cstddef>

#include "base/win/global_memory.h"

struct TOleHostPlatform {
    // A movable global memory block holding a copy of the bytes; empty when it cannot be made.
    GlobalMemory (*copyToGlobalMemory)(const void* data, size_t size) noexcept = GlobalMemory::FromBytes;
    HRESULT(WINAPI* createStreamOnHGlobal)
    (HGLOBAL block, BOOL deleteOnRelease, IStream** stream) = ::CreateStreamOnHGlobal;
};

TOleHostPlatform& OleHostPlatform();
