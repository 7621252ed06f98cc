#include "base/exception.h"

#include <new>
#include <utility>

// Not inlined, so the return address is the raiser's code, not this constructor's caller's caller.
__attribute__((noinline)) Exception::Exception(std::string message)
    : message_(std::move(message)), address_(__builtin_return_address(0)) {}

ExceptionDescription DescribeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return {e.ClassName(), e.Message(), e.Address(), dynamic_cast<const EAbort*>(&e) != nullptr};
    } catch (const std::bad_alloc&) {
        return {"EOutOfMemory", "Out of memory"};
    } catch (const std::exception& e) {
        return {"Exception", e.what()};
    } catch (...) {
        return {"Exception", "Unknown exception"};
    }
}
