#pragma once
// The root of the program's exception classes. Every class reports its own name, which the
// start-up failure box quotes, and the code address where it was raised.

#include <exception>
#include <string>

class Exception : public std::exception {
  public:
    explicit Exception(std::string message);

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }
    virtual const char* ClassName() const noexcept { return "Exception"; }
    // Where the exception was constructed: inside the function that raised it.
    const void* Address() const noexcept { return address_; }

  private:
    std::string message_;
    const void* address_;
};

// A silent abort: the application's exception handler shows nothing for it.
class EAbort : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EAbort"; }
};

// What the boxes say of an exception: its class name, its message, and where it was raised
// (nullptr when unknown). Out of memory is an "EOutOfMemory" saying "Out of memory"; a standard
// exception an "Exception" with its own text; anything else an "Exception" saying "Unknown
// exception".
struct ExceptionDescription {
    std::string className;
    std::string message;
    const void* address = nullptr;
    bool abort = false; // an EAbort, which nothing reports
};
ExceptionDescription DescribeException(std::exception_ptr error);
