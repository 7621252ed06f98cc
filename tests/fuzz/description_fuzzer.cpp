// Fuzz target over the window description, in both its forms: input starting with the binary
// form's signature is read as binary, anything else as text. Reading must either fail with what
// the readers document (EParserError, or std::bad_alloc when memory runs out) or give a tree that writes back
// and reads again to the same tree (a text description also through the binary form). Anything else (a crash,
// a sanitizer report, another exception, a changed tree) is a finding.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

#include "framework/description/description.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckBinaryRoundTrip(const DescObject& root) {
    const std::vector<uint8_t> binary = WriteBinaryDescription(root);
    Check(ReadBinaryDescription(binary.data(), binary.size()) == root);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= 4 && std::memcmp(data, "ODB1", 4) == 0) {
        DescObject root;
        try {
            root = ReadBinaryDescription(data, size);
        } catch (const EParserError&) {
            return 0;
        } catch (const std::bad_alloc&) {
            return 0;
        }
        // Identifiers and names in the binary form are not held to the text form's spelling, so
        // only the binary form must give the tree back.
        CheckBinaryRoundTrip(root);
        return 0;
    }
    DescObject root;
    try {
        root = ReadDescription(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const EParserError&) {
        return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    Check(ReadDescription(WriteDescription(root)) == root);
    CheckBinaryRoundTrip(root);
    return 0;
}
