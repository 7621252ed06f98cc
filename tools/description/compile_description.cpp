// compile_description IN.desc OUT.bin
// Converts a window description from its text form, the one kept in resources/, to the binary
// form built into the program (binary values as bytes instead of hexadecimal text).

#include "framework/description/description.h"
#include "tools/assets/file_bytes.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: compile_description IN.desc OUT.bin\n");
        return 2;
    }
    try {
        const std::vector<uint8_t> text = ReadFileBytes(argv[1]);
        const DescObject root =
            ReadDescription(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
        WriteFileBytes(argv[2], WriteBinaryDescription(root));
    } catch (const Exception& e) {
        std::fprintf(stderr, "compile_description: %s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
