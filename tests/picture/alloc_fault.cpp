#include "alloc_fault.h"

#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "base/exception.h"

namespace {

enum class TFailMode { Off, Only, From };

TFailMode g_mode = TFailMode::Off;
size_t g_failAt = 0;
size_t g_count = 0;
size_t g_injected = 0;
long g_live = 0;

void* Allocate(size_t size, size_t alignment) {
    if (g_mode != TFailMode::Off) {
        ++g_count;
        if (g_count == g_failAt || (g_mode == TFailMode::From && g_count > g_failAt)) {
            ++g_injected;
            return nullptr;
        }
    }
    void* p = alignment <= alignof(std::max_align_t)
                  ? std::malloc(size == 0 ? 1 : size)
                  : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    if (p)
        ++g_live;
    return p;
}

void Release(void* p) {
    if (!p)
        return;
    --g_live;
    std::free(p);
}

void* AllocateOrThrow(size_t size, size_t alignment) {
    void* p = Allocate(size, alignment);
    if (!p)
        throw std::bad_alloc();
    return p;
}

struct TArmed {
    TArmed(TFailMode mode, size_t k) {
        g_count = 0;
        g_injected = 0;
        g_failAt = k;
        g_mode = mode;
    }
    ~TArmed() { g_mode = TFailMode::Off; }
};

std::string Describe(std::exception_ptr error) {
    const ExceptionDescription d = DescribeException(error);
    return d.className + ": " + d.message;
}

// One sweep in one mode; false after the first fault, which it reports.
bool SweepMode(const TFaultCase& c, TFailMode mode, TSweepCounts& counts) {
    const char* modeName = mode == TFailMode::Only ? "only" : "from";
    for (size_t k = 1;; k += c.stride) {
        c.prepare();
        const long liveBefore = g_live;
        std::exception_ptr error;
        size_t made = 0;
        size_t injected = 0;
        {
            TArmed armed(mode, k);
            try {
                c.run();
            } catch (...) {
                error = std::current_exception();
            }
            made = g_count;
            injected = g_injected;
        }
        // Counted before anything here allocates: the error's own blocks go with it.
        const bool outOfMemory = error && c.outOfMemory(error);
        const std::string wrongError = error && !outOfMemory ? Describe(error) : "";
        const bool failed = error != nullptr;
        error = nullptr;
        const long leaked = wrongError.empty() ? g_live - liveBefore : 0;
        const std::string where = c.name + ", allocation " + std::to_string(k) + " (" + modeName + ")";
        if (!failed) {
            if (injected != 0) {
                ADD_FAILURE() << where << ": an allocation failed and the run completed";
                return false;
            }
            counts.allocations = made;
            return true;
        }
        if (injected == 0 || !outOfMemory) {
            ADD_FAILURE() << where << ": wrong error " << wrongError;
            return false;
        }
        if (leaked != 0) {
            ADD_FAILURE() << where << ": " << leaked << " blocks left alive";
            return false;
        }
        if (!c.unchanged()) {
            ADD_FAILURE() << where << ": not left as it was";
            return false;
        }
        ++counts.failures;
    }
}

} // namespace

TSweepCounts SweepAllocations(const TFaultCase& faultCase) {
    TSweepCounts counts;
    if (SweepMode(faultCase, TFailMode::Only, counts))
        SweepMode(faultCase, TFailMode::From, counts);
    return counts;
}

void* operator new(size_t size) {
    return AllocateOrThrow(size, 0);
}
void* operator new[](size_t size) {
    return AllocateOrThrow(size, 0);
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size, 0);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size, 0);
}
void* operator new(size_t size, std::align_val_t alignment) {
    return AllocateOrThrow(size, size_t(alignment));
}
void* operator new[](size_t size, std::align_val_t alignment) {
    return AllocateOrThrow(size, size_t(alignment));
}
void* operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return Allocate(size, size_t(alignment));
}
void* operator new[](size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return Allocate(size, size_t(alignment));
}
void operator delete(void* p) noexcept {
    Release(p);
}
void operator delete[](void* p) noexcept {
    Release(p);
}
void operator delete(void* p, size_t) noexcept {
    Release(p);
}
void operator delete[](void* p, size_t) noexcept {
    Release(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, size_t, std::align_val_t) noexcept {
    Release(p);
}
void operator delete[](void* p, size_t, std::align_val_t) noexcept {
    Release(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    Release(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    Release(p);
}
