#include "framework/description/description.h"

namespace {

constexpr size_t kHexBytesPerLine = 32;

void Indent(std::string& out, int depth) {
    out.append(size_t(depth) * 2, ' ');
}

void WriteString(std::string& out, const std::string& s) {
    bool quoted = false;
    for (const char c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32) {
            if (quoted)
                out += '\'';
            quoted = false;
            out += '#';
            out += std::to_string(u);
            continue;
        }
        if (!quoted)
            out += '\'';
        quoted = true;
        out += c;
        if (c == '\'')
            out += '\'';
    }
    if (quoted)
        out += '\'';
    if (s.empty())
        out += "''";
}

void WriteBinary(std::string& out, const std::vector<uint8_t>& bytes, int depth) {
    static const char kHex[] = "0123456789ABCDEF";
    out += '{';
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % kHexBytesPerLine == 0) {
            out += '\n';
            Indent(out, depth + 2);
        }
        out += kHex[bytes[i] >> 4];
        out += kHex[bytes[i] & 15];
    }
    out += '}';
}

void WriteValue(std::string& out, const DescValue& v, int depth) {
    switch (v.kind) {
    case DescValue::Kind::Integer:
        out += std::to_string(v.integer);
        break;
    case DescValue::Kind::String:
        WriteString(out, v.text);
        break;
    case DescValue::Kind::Identifier:
        out += v.text;
        break;
    case DescValue::Kind::Set:
        out += '[';
        for (size_t i = 0; i < v.set.size(); ++i) {
            if (i)
                out += ", ";
            out += v.set[i];
        }
        out += ']';
        break;
    case DescValue::Kind::Binary:
        WriteBinary(out, v.bytes, depth);
        break;
    }
}

void WriteObject(std::string& out, const DescObject& obj, int depth) {
    Indent(out, depth);
    out += "object " + obj.name + ": " + obj.className + "\n";
    for (const DescProperty& p : obj.properties) {
        Indent(out, depth + 1);
        out += p.name + " = ";
        WriteValue(out, p.value, depth);
        out += '\n';
    }
    for (const DescObject& child : obj.children)
        WriteObject(out, child, depth + 1);
    Indent(out, depth);
    out += "end\n";
}

} // namespace

std::string WriteDescription(const DescObject& root) {
    std::string out;
    WriteObject(out, root, 0);
    return out;
}
