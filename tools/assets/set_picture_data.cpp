// Stores a PNG file as the picture of a picture box in a window description:
//   set_picture_data <description> <object name> <file.png>
// The value is the class tag "TPNGObject" (after its length byte) followed by the file's bytes
// unchanged. The value is read back through the picture holder first, so a file that the
// program could not show is refused here rather than at start-up.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "framework/description/description.h"
#include "picture/picture.h"
#include "tools/assets/file_bytes.h"

namespace {

DescObject* FindObject(DescObject& o, const std::string& name) {
    if (o.name == name)
        return &o;
    for (DescObject& child : o.children)
        if (DescObject* found = FindObject(child, name))
            return found;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: set_picture_data <description> <object name> <file.png>\n");
        return 2;
    }
    try {
        const std::string descriptionPath = argv[1];
        const std::vector<uint8_t> text = ReadFileBytes(descriptionPath);
        DescObject root =
            ReadDescription(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
        DescObject* target = FindObject(root, argv[2]);
        if (!target)
            throw std::runtime_error(std::string("no object named ") + argv[2]);

        const std::string tag = "TPNGObject";
        std::vector<uint8_t> value{uint8_t(tag.size())};
        value.insert(value.end(), tag.begin(), tag.end());
        const std::vector<uint8_t> png = ReadFileBytes(argv[3]);
        value.insert(value.end(), png.begin(), png.end());

        TPicture check;
        check.ReadData(value.data(), value.size());
        if (check.Empty())
            throw std::runtime_error("the picture reads back empty");

        target->Set("Picture.Data", DescValue::Binary(std::move(value)));
        const std::string out = WriteDescription(root);
        WriteFileBytes(descriptionPath, std::vector<uint8_t>(out.begin(), out.end()));
        std::printf("%s: %s.Picture.Data = %d x %d picture, %zu bytes\n", descriptionPath.c_str(), argv[2],
                    check.Width(), check.Height(), png.size() + tag.size() + 1);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "set_picture_data: %s\n", e.what());
        return 1;
    }
}
