#pragma once
// Failures of the asset tools: bad input images or files that cannot be read or written.

#include "base/exception.h"

class EAssetError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EAssetError"; }
};
