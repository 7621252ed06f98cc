#include "framework/description/description.h"

#include <gtest/gtest.h>

namespace {

DescObject Sample() {
    DescObject root = ReadDescription("object Form: TForm\n"
                                      "  Left = -12\n"
                                      "  Caption = 'l''\xC3\xA9t\xC3\xA9'#13#10\n"
                                      "  BorderStyle = bsDialog\n"
                                      "  Font.Style = [fsBold, fsItalic]\n"
                                      "  Empty = []\n"
                                      "  Data = {00FF10}\n"
                                      "  object Child: TChild\n"
                                      "    Blob = {}\n"
                                      "    Min = -2147483648\n"
                                      "  end\n"
                                      "end\n");
    return root;
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(uint8_t(v));
    return out;
}

std::string ReadError(const std::vector<uint8_t>& data) {
    try {
        ReadBinaryDescription(data.data(), data.size());
    } catch (const EParserError& e) {
        return e.Message();
    }
    return "accepted";
}

} // namespace

TEST(BinaryDescription, ReadsBackTheTreeWithItsLineNumbers) {
    const DescObject root = Sample();
    const std::vector<uint8_t> binary = WriteBinaryDescription(root);
    const DescObject back = ReadBinaryDescription(binary.data(), binary.size());
    EXPECT_EQ(back, root);
    EXPECT_EQ(back.properties[3].line, 5);
    EXPECT_EQ(back.children[0].line, 8);
    EXPECT_EQ(back.children[0].properties[1].line, 10);
    EXPECT_EQ(WriteBinaryDescription(back), binary);
}

TEST(BinaryDescription, EveryCutShortCopyIsRefused) {
    const std::vector<uint8_t> binary = WriteBinaryDescription(Sample());
    for (size_t n = 0; n < binary.size(); ++n) {
        const std::vector<uint8_t> cut(binary.begin(), binary.begin() + n);
        EXPECT_NE(ReadError(cut), "accepted") << n;
    }
}

TEST(BinaryDescription, RefusesMalformedDataNamingTheOffset) {
    // The magic, then an object's line, empty name and class, and what each case adds.
    const auto object = [](std::initializer_list<int> rest) {
        std::vector<uint8_t> data = Bytes({'O', 'D', 'B', '1', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        const std::vector<uint8_t> more = Bytes(rest);
        data.insert(data.end(), more.begin(), more.end());
        return data;
    };
    struct Case {
        std::vector<uint8_t> data;
        const char* message;
    };
    const Case cases[] = {
        {Bytes({'O', 'D', 'B', '2', 1, 0, 0, 0}), "Offset 0: not a binary window description"},
        {object({0, 0, 0, 0, 0, 0, 0, 0, 7}), "Offset 24: data after the last object"},
        {object({1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0}),
         "Offset 28: unknown value kind 9"},
        {object({0xFF, 0xFF, 0xFF, 0xFF}), "Offset 20: count beyond the end of data"},
        {object({0, 0, 0, 0, 1, 0, 0, 0}), "Offset 24: count beyond the end of data"},
        {Bytes({'O', 'D', 'B', '1', 0, 0, 0, 0x80, 0, 0, 0, 0}), "Offset 8: line number out of range"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadError(c.data), c.message);
}

TEST(BinaryDescription, RefusesObjectsNestedTooDeeply) {
    DescObject root{"A", "TA", {}, {}, 1};
    DescObject* leaf = &root;
    for (int depth = 0; depth < 65; ++depth) {
        leaf->children.push_back({"A", "TA", {}, {}, 1});
        leaf = &leaf->children.back();
    }
    const std::vector<uint8_t> binary = WriteBinaryDescription(root);
    EXPECT_NE(ReadError(binary).find("objects nested too deeply"), std::string::npos);
    root.children[0].children.clear();
    const std::vector<uint8_t> shallow = WriteBinaryDescription(root);
    EXPECT_EQ(ReadError(shallow), "accepted");
}
