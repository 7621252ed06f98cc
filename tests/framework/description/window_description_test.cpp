// The sign-in window's own description, as committed in resources/.
#include "framework/description/description.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string ReadSource(const char* relative) {
    std::ifstream in(std::string(ORLIX_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(WindowDescription, IsWrittenBackExactlyAsStored) {
    const std::string text = ReadSource("resources/FrmConnexionORLIX.desc");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(WriteDescription(ReadDescription(text)), text);
}

TEST(WindowDescription, HoldsTheControlsInCreationOrderWithTheirBinaryValues) {
    const DescObject form = ReadDescription(ReadSource("resources/FrmConnexionORLIX.desc"));
    EXPECT_EQ(form.className, "TFrmConnexionORLIX");
    std::vector<std::string> names;
    for (const DescObject& c : form.children)
        names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"msrdp", "Panel1", "WinXP1"}));
    names.clear();
    for (const DescObject& c : form.children[1].children)
        names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"cxImage1", "edit2", "Edit1", "btnLogin", "btnCancel",
                                               "lblProgress", "cxLabel1"}));

    EXPECT_EQ(form.children[0].Find("ControlData")->value.bytes,
              (std::vector<uint8_t>{0x00, 0x03, 0x00, 0x00, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00,
                                    0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00}));
    const std::vector<uint8_t>& picture = form.children[1].children[0].Find("Picture.Data")->value.bytes;
    const std::string png = ReadSource("resources/background.png");
    ASSERT_EQ(picture.size(), 11 + png.size());
    EXPECT_EQ(std::string(picture.begin(), picture.begin() + 11), "\x0ATPNGObject");
    EXPECT_EQ(std::vector<uint8_t>(picture.begin() + 11, picture.end()),
              std::vector<uint8_t>(png.begin(), png.end()))
        << "the file's bytes, unchanged";
}

TEST(WindowDescription, BinaryFormHoldsTheSameTreeAndThePictureBytesOnce) {
    const DescObject form = ReadDescription(ReadSource("resources/FrmConnexionORLIX.desc"));
    const std::vector<uint8_t> binary = WriteBinaryDescription(form);
    EXPECT_EQ(ReadBinaryDescription(binary.data(), binary.size()), form);
    const size_t picture = form.children[1].children[0].Find("Picture.Data")->value.bytes.size();
    EXPECT_LT(binary.size(), picture + 8192) << "binary values are stored as bytes, not as text";
}
