#pragma once
// Reading context of a window description: converts stored values to what the controls take
// and resolves handler names against the root's method table.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/colors.h"
#include "base/exception.h"
#include "framework/description/description.h"
#include "framework/method_table.h"

class EReadError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EReadError"; }
};

class TReader {
  public:
    explicit TReader(const MethodTable& methods) : methods_(methods) {}

    // The name of the object being read, for error messages.
    void SetCurrentObject(std::string name) { current_ = std::move(name); }

    int32_t Integer(const DescProperty& p) const;
    bool Boolean(const DescProperty& p) const;
    // A stored text in the system's 8-bit code page (the description holds UTF-8).
    std::string Text(const DescProperty& p) const;
    const std::string& Identifier(const DescProperty& p) const;
    const std::vector<std::string>& Set(const DescProperty& p) const;
    const std::vector<uint8_t>& Bytes(const DescProperty& p) const;
    TColor Color(const DescProperty& p) const;
    // One of the identifiers in `names`, the enumeration's own table of its values' names.
    template <typename Enum, size_t N>
    Enum Enumeration(const DescProperty& p, const std::array<const char*, N>& names) const {
        return Enum(EnumerationIndex(p, names.data(), N));
    }

    // A set of identifiers in `names`, as flags: each name's flag is 1 << its index.
    template <size_t N>
    unsigned Flags(const DescProperty& p, const std::array<const char*, N>& names) const {
        return FlagsOf(p, names.data(), N);
    }

    template <typename Handler>
    Handler Method(const DescProperty& p) const {
        const std::string& name = Identifier(p);
        const Handler* h = methods_.Find<Handler>(name);
        if (!h)
            Invalid(p, methods_.Contains(name) ? "Method " + name + " has an incompatible type"
                                               : "Method " + name + " does not exist");
        return *h;
    }

    [[noreturn]] void Invalid(const DescProperty& p, const std::string& why) const;
    [[noreturn]] void Unknown(const DescProperty& p) const;

  private:
    int EnumerationIndex(const DescProperty& p, const char* const* names, size_t count) const;
    unsigned FlagsOf(const DescProperty& p, const char* const* names, size_t count) const;
    const DescValue& Expect(const DescProperty& p, DescValue::Kind kind, const char* what) const;

    const MethodTable& methods_;
    std::string current_;
};
