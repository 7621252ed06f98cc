#include "framework/description/description.h"

#include <gtest/gtest.h>

namespace {

const char kCanonical[] = "object FrmConnexionORLIX: TFrmConnexionORLIX\n"
                          "  Left = -12\n"
                          "  BorderStyle = bsDialog\n"
                          "  Caption = 'Connexion au Serveur ORLIX'\n"
                          "  Font.Style = []\n"
                          "  OnShow = FormShow\n"
                          "  object msrdp: TMsRdpClient6NotSafeForScripting\n"
                          "    ControlData = {\n"
                          "      0003000008000200000000000B0000000B000000}\n"
                          "  end\n"
                          "  object Panel1: TPanel\n"
                          "    Font.Style = [fsBold, fsItalic]\n"
                          "    object lblProgress: TcxLabel\n"
                          "      Caption = 'l''\xC3\xA9t\xC3\xA9'#13#10'x'\n"
                          "      AnchorX = 603\n"
                          "    end\n"
                          "  end\n"
                          "end\n";

} // namespace

TEST(Description, ReadsTheTreeInStoredOrder) {
    const DescObject root = ReadDescription(kCanonical);
    EXPECT_EQ(root.name, "FrmConnexionORLIX");
    EXPECT_EQ(root.className, "TFrmConnexionORLIX");
    ASSERT_EQ(root.properties.size(), 5u);
    EXPECT_EQ(root.properties[0].value, DescValue::Integer(-12));
    EXPECT_EQ(root.properties[1].value, DescValue::Identifier("bsDialog"));
    EXPECT_EQ(root.properties[2].value, DescValue::String("Connexion au Serveur ORLIX"));
    EXPECT_EQ(root.properties[3].name, "Font.Style");
    EXPECT_EQ(root.properties[3].value, DescValue::Set({}));
    EXPECT_EQ(root.properties[3].line, 5);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].Find("ControlData")->value,
              DescValue::Binary({0x00, 0x03, 0x00, 0x00, 0x08, 0x00, 0x02, 0x00, 0x00, 0x00,
                                 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00}));
    const DescObject& panel = root.children[1];
    EXPECT_EQ(panel.Find("Font.Style")->value, DescValue::Set({"fsBold", "fsItalic"}));
    EXPECT_EQ(panel.children[0].Find("Caption")->value.text, "l'\xC3\xA9t\xC3\xA9\r\nx");
    EXPECT_EQ(panel.children[0].Find("AnchorX")->value, DescValue::Integer(603));
    EXPECT_EQ(panel.children[0].Find("Missing"), nullptr);
}

TEST(Description, WritesBackWhatItRead) {
    EXPECT_EQ(WriteDescription(ReadDescription(kCanonical)), kCanonical);
}

TEST(Description, ReadsBackWhatItWrote) {
    DescObject root{"Form", "TForm", {}, {}, 0};
    std::vector<uint8_t> big(1000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = uint8_t(i * 7);
    root.Set("Picture.Data", DescValue::Binary(big));
    root.Set("Empty", DescValue::Binary({}));
    root.Set("Quote", DescValue::String("'"));
    root.Set("Blank", DescValue::String(""));
    root.Set("Controls", DescValue::String("\t\x01z\x1f"));
    root.Set("Min", DescValue::Integer(INT32_MIN));
    root.Set("Max", DescValue::Integer(INT32_MAX));
    root.children.push_back({"Child", "TChild", {{"A", DescValue::Identifier("True"), 0}}, {}, 0});
    root.Set("Min", DescValue::Integer(-1)); // replaces in place
    EXPECT_EQ(root.properties[5].value, DescValue::Integer(-1));
    EXPECT_EQ(ReadDescription(WriteDescription(root)), root);
}

TEST(Description, AcceptsSplitStringsHexCaseAndAByteOrderMark) {
    const DescObject o = ReadDescription("\xEF\xBB\xBFobject A: TA\r\n"
                                         "  S = 'one ' +\r\n"
                                         "    'two'#233\n"
                                         "  B = {ab Cd\n ef}\n"
                                         "end");
    EXPECT_EQ(o.Find("S")->value.text, "one two\xC3\xA9");
    EXPECT_EQ(o.Find("B")->value.bytes, (std::vector<uint8_t>{0xAB, 0xCD, 0xEF}));
}

TEST(Description, RejectsMalformedTextNamingTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "Line 1: 'object' expected"},
        {"thing A: TA\nend", "Line 1: 'object' expected"},
        {"object A TA\nend", "Line 1: ':' expected"},
        {"object A: TA\n  X 1\nend", "Line 2: '=' expected"},
        {"object A: TA\n  X = 1\n", "Line 3: 'end' expected"},
        {"object A: TA\n  X = 2147483648\nend", "Line 2: integer out of range"},
        {"object A: TA\n  X = -2147483649\nend", "Line 2: integer out of range"},
        {"object A: TA\n  X = 12ab\nend", "Line 2: invalid integer"},
        {"object A: TA\n  X = 'open\nend", "Line 2: unterminated string"},
        {"object A: TA\n  X = 'a' +\n  Y = 1\nend", "Line 3: string expected after '+'"},
        {"object A: TA\n  X = #\nend", "Line 2: character code expected after '#'"},
        {"object A: TA\n  X = [a b]\nend", "Line 2: ',' expected"},
        {"object A: TA\n  X = {\n 0G}\nend", "Line 3: hexadecimal digit expected"},
        {"object A: TA\n  X = {ABC}\nend", "Line 2: odd number of hexadecimal digits"},
        {"object A: TA\n  X = {AB\nend", "Line 3: hexadecimal digit expected"},
        {"object A: TA\n  X = ?\nend", "Line 2: value expected"},
        {"object A: TA\n  object B: TB\n  end\n  X = 1\nend", "Line 4: property 'X' after a child object"},
        {"object A: TA\nend\nextra", "Line 3: end of text expected after the last 'end'"},
    };
    for (const Case& c : cases) {
        try {
            ReadDescription(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EParserError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.text;
            EXPECT_STREQ(e.ClassName(), "EParserError");
        }
    }
}

// Both forms take the same depth: what the text form reads, the binary form reads back, and the
// next level is refused by both with the same error, however deep the text goes.
TEST(Description, TextAndBinaryFormsShareTheNestingLimit) {
    const auto nested = [](int levels) {
        std::string text;
        for (int i = 0; i < levels; ++i)
            text += "object A: TA\n";
        for (int i = 0; i < levels; ++i)
            text += "end\n";
        return text;
    };
    const DescObject deepest = ReadDescription(nested(kMaxDescriptionDepth + 1));
    const std::vector<uint8_t> binary = WriteBinaryDescription(deepest);
    EXPECT_EQ(ReadBinaryDescription(binary.data(), binary.size()), deepest);

    for (const int levels : {kMaxDescriptionDepth + 2, 8000}) {
        try {
            ReadDescription(nested(levels));
            ADD_FAILURE() << levels << " levels accepted";
        } catch (const EParserError& e) {
            EXPECT_EQ(e.Message(), "Line 66: objects nested too deeply");
        }
    }
}
