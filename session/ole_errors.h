#pragma once
// Exceptions for failed calls into an embedded ActiveX control.

#include "base/exception.h"

#include <windows.h>

#include <string>

// The message for an error code: the system's text for it, trimmed, or "OLE error 8ABCDEF0"
// when the system has none.
std::string OleErrorMessage(HRESULT code);

class EOleError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EOleError"; }
};

class EOleSysError : public EOleError {
  public:
    // The message composed from the code.
    explicit EOleSysError(HRESULT errorCode);
    EOleSysError(std::string message, HRESULT errorCode);
    const char* ClassName() const noexcept override { return "EOleSysError"; }
    HRESULT ErrorCode() const noexcept { return errorCode_; }

  private:
    HRESULT errorCode_;
};

class EOleException : public EOleSysError {
  public:
    EOleException(std::string message, HRESULT errorCode, std::string source, std::string helpFile,
                  DWORD helpContext);
    const char* ClassName() const noexcept override { return "EOleException"; }
    const std::string& Source() const noexcept { return source_; }
    const std::string& HelpFile() const noexcept { return helpFile_; }
    DWORD HelpContext() const noexcept { return helpContext_; }

  private:
    std::string source_;
    std::string helpFile_;
    DWORD helpContext_;
};

// A control that does not offer an interface the wrapper needs.
class EIntfCastError : public Exception {
  public:
    EIntfCastError() : Exception("Interface not supported") {}
    const char* ClassName() const noexcept override { return "EIntfCastError"; }
};
