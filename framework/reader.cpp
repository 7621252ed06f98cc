#include "framework/reader.h"

#include "base/win/ansi.h"

void TReader::Invalid(const DescProperty& p, const std::string& why) const {
    std::string where = current_ + "." + p.name;
    if (p.line)
        where += " (line " + std::to_string(p.line) + ")";
    throw EReadError("Error reading " + where + ": " + why);
}

void TReader::Unknown(const DescProperty& p) const {
    Invalid(p, "Property " + p.name + " does not exist");
}

const DescValue& TReader::Expect(const DescProperty& p, DescValue::Kind kind, const char* what) const {
    if (p.value.kind != kind)
        Invalid(p, std::string(what) + " expected");
    return p.value;
}

int32_t TReader::Integer(const DescProperty& p) const {
    return Expect(p, DescValue::Kind::Integer, "Integer").integer;
}

bool TReader::Boolean(const DescProperty& p) const {
    const std::string& v = Expect(p, DescValue::Kind::Identifier, "True or False").text;
    if (v == "True")
        return true;
    if (v == "False")
        return false;
    Invalid(p, "True or False expected");
}

std::string TReader::Text(const DescProperty& p) const {
    return Utf8ToAnsi(Expect(p, DescValue::Kind::String, "String").text);
}

const std::string& TReader::Identifier(const DescProperty& p) const {
    return Expect(p, DescValue::Kind::Identifier, "Identifier").text;
}

const std::vector<std::string>& TReader::Set(const DescProperty& p) const {
    return Expect(p, DescValue::Kind::Set, "Set").set;
}

const std::vector<uint8_t>& TReader::Bytes(const DescProperty& p) const {
    return Expect(p, DescValue::Kind::Binary, "Binary value").bytes;
}

TColor TReader::Color(const DescProperty& p) const {
    if (p.value.kind == DescValue::Kind::Integer)
        return p.value.integer;
    if (const auto c = ColorFromIdentifier(Identifier(p)))
        return *c;
    Invalid(p, "Invalid colour " + p.value.text);
}

namespace {

// The index of `name` in the table, or `count` when it is not there.
size_t IndexOfName(const std::string& name, const char* const* names, size_t count) {
    size_t i = 0;
    while (i < count && name != names[i])
        ++i;
    return i;
}

} // namespace

int TReader::EnumerationIndex(const DescProperty& p, const char* const* names, size_t count) const {
    const std::string& v = Identifier(p);
    const size_t i = IndexOfName(v, names, count);
    if (i == count)
        Invalid(p, "Invalid property value " + v);
    return int(i);
}

unsigned TReader::FlagsOf(const DescProperty& p, const char* const* names, size_t count) const {
    unsigned flags = 0;
    for (const std::string& v : Set(p)) {
        const size_t i = IndexOfName(v, names, count);
        if (i == count)
            Invalid(p, "Invalid set element " + v);
        flags |= 1u << i;
    }
    return flags;
}
