#include "framework/description/description.h"

#include <cctype>
#include <limits>
#include <utility>

namespace {

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    DescObject ReadRoot() {
        SkipBlanks();
        DescObject root = ReadObject(0);
        SkipBlanks();
        if (pos_ != s_.size())
            Fail("end of text expected after the last 'end'");
        return root;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EParserError("Line " + std::to_string(line_) + ": " + what);
    }

    bool AtEnd() const { return pos_ >= s_.size(); }
    char Peek() const { return AtEnd() ? '\0' : s_[pos_]; }

    void SkipBlanks() {
        while (!AtEnd()) {
            const char c = s_[pos_];
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++pos_;
        }
    }

    std::string ReadIdent(const char* what) {
        SkipBlanks();
        if (!IsIdentStart(Peek()))
            Fail(std::string(what) + " expected");
        const size_t start = pos_;
        while (!AtEnd() && IsIdentChar(s_[pos_]))
            ++pos_;
        return std::string(s_.substr(start, pos_ - start));
    }

    void Expect(char c) {
        SkipBlanks();
        if (Peek() != c)
            Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    DescObject ReadObject(int depth) {
        if (depth > kMaxDescriptionDepth)
            Fail("objects nested too deeply");
        DescObject obj;
        obj.line = line_;
        if (ReadIdent("'object'") != "object")
            Fail("'object' expected");
        obj.name = ReadIdent("object name");
        Expect(':');
        obj.className = ReadIdent("class name");
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'end' expected");
            const size_t mark = pos_;
            const int markLine = line_;
            const std::string word = ReadIdent("property, object or 'end'");
            if (word == "end")
                return obj;
            if (word == "object") {
                pos_ = mark;
                line_ = markLine;
                obj.children.push_back(ReadObject(depth + 1));
                continue;
            }
            if (!obj.children.empty())
                Fail("property '" + word + "' after a child object");
            obj.properties.push_back(ReadProperty(word, markLine));
        }
    }

    DescProperty ReadProperty(std::string name, int line) {
        while (Peek() == '.') {
            ++pos_;
            name += '.';
            name += ReadIdent("property name");
        }
        Expect('=');
        DescProperty prop;
        prop.name = std::move(name);
        prop.line = line;
        prop.value = ReadValue();
        return prop;
    }

    DescValue ReadValue() {
        SkipBlanks();
        const char c = Peek();
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c)))
            return DescValue::Integer(ReadInteger());
        if (c == '\'' || c == '#')
            return DescValue::String(ReadString());
        if (c == '[')
            return DescValue::Set(ReadSet());
        if (c == '{')
            return DescValue::Binary(ReadBinary());
        if (IsIdentStart(c))
            return DescValue::Identifier(ReadIdent("value"));
        Fail("value expected");
    }

    int32_t ReadInteger() {
        const bool negative = Peek() == '-';
        if (negative)
            ++pos_;
        if (!std::isdigit(static_cast<unsigned char>(Peek())))
            Fail("digit expected");
        int64_t v = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            v = v * 10 + (s_[pos_++] - '0');
            if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1)
                Fail("integer out of range");
        }
        if (negative)
            v = -v;
        if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
            Fail("integer out of range");
        if (IsIdentChar(Peek()))
            Fail("invalid integer");
        return int32_t(v);
    }

    // One or more segments ('quoted' or #code) with no blank between them; '+' joins lines.
    std::string ReadString() {
        std::string out;
        for (;;) {
            ReadStringSegments(out);
            const size_t mark = pos_;
            const int markLine = line_;
            SkipBlanks();
            if (Peek() != '+') {
                pos_ = mark;
                line_ = markLine;
                return out;
            }
            ++pos_;
            SkipBlanks();
            if (Peek() != '\'' && Peek() != '#')
                Fail("string expected after '+'");
        }
    }

    void ReadStringSegments(std::string& out) {
        for (;;) {
            if (Peek() == '\'') {
                ++pos_;
                for (;;) {
                    if (AtEnd() || Peek() == '\n' || Peek() == '\r')
                        Fail("unterminated string");
                    const char c = s_[pos_++];
                    if (c == '\'') {
                        if (Peek() != '\'')
                            break;
                        ++pos_;
                    }
                    out += c;
                }
            } else if (Peek() == '#') {
                ++pos_;
                if (!std::isdigit(static_cast<unsigned char>(Peek())))
                    Fail("character code expected after '#'");
                uint32_t cp = 0;
                while (std::isdigit(static_cast<unsigned char>(Peek()))) {
                    cp = cp * 10 + uint32_t(s_[pos_++] - '0');
                    if (cp > 0x10FFFF)
                        Fail("character code out of range");
                }
                AppendUtf8(out, cp);
            } else {
                return;
            }
        }
    }

    std::vector<std::string> ReadSet() {
        ++pos_;
        std::vector<std::string> members;
        SkipBlanks();
        if (Peek() == ']') {
            ++pos_;
            return members;
        }
        for (;;) {
            members.push_back(ReadIdent("set member"));
            SkipBlanks();
            if (Peek() == ']') {
                ++pos_;
                return members;
            }
            Expect(',');
        }
    }

    std::vector<uint8_t> ReadBinary() {
        ++pos_;
        std::vector<uint8_t> bytes;
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail("'}' expected");
            const char c = s_[pos_++];
            if (c == '}')
                break;
            const int d = HexDigit(c);
            if (d < 0)
                Fail("hexadecimal digit expected");
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(uint8_t(high << 4 | d));
                high = -1;
            }
        }
        if (high >= 0)
            Fail("odd number of hexadecimal digits");
        return bytes;
    }

    std::string_view s_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

DescObject ReadDescription(std::string_view text) {
    // A byte-order mark written by an editor is not part of the description.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return Parser(text).ReadRoot();
}
