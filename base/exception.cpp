#include "base/exception.h"

#include <utility>

// Not inlined, so the return address is the raiser's code, not this constructor's caller's caller.
__attribute__((noinline)) Exception::Exception(std::string message)
    : message_(std::move(message)), address_(__builtin_return_address(0)) {}
