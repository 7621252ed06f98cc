#pragma once
// Allocation-failure sweeps. The test program that links alloc_fault.cpp replaces the global
// operator new and delete (every form): allocations are counted, live blocks too, and the k-th
// allocation after arming fails, alone or with every one after it. zlib allocates through
// operator new too, so its allocations are swept with the program's.

#include <cstddef>
#include <exception>
#include <functional>
#include <string>

struct TFaultCase {
    std::string name;
    // Unarmed, before every run: makes what the run works on.
    std::function<void()> prepare;
    // Armed: the operation under test.
    std::function<void()> run;
    // Unarmed, after a failed run: whether what the run worked on is as prepare left it.
    std::function<bool()> unchanged;
    // Whether the error a failed run ended in reports running out of memory.
    std::function<bool(std::exception_ptr)> outOfMemory;
    // Every stride-th allocation is made to fail (1: every one).
    size_t stride = 1;
};

struct TSweepCounts {
    size_t allocations = 0; // made by one complete run
    size_t failures = 0;    // runs that failed, survived and checked
};

// Runs the case with its k-th allocation failing, then its k-th and every later one, for k = 1,
// 1 + stride... until the run completes. A run that fails must end in an out-of-memory error,
// leave things unchanged and no block more alive than before it; a run into which a failure was
// injected must not complete. Each fault is a test failure naming the case and k.
TSweepCounts SweepAllocations(const TFaultCase& faultCase);
