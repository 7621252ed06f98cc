#include "framework/description/description.h"

#include <utility>

DescValue DescValue::Integer(int32_t v) {
    DescValue d;
    d.kind = Kind::Integer;
    d.integer = v;
    return d;
}

DescValue DescValue::String(std::string s) {
    DescValue d;
    d.kind = Kind::String;
    d.text = std::move(s);
    return d;
}

DescValue DescValue::Identifier(std::string s) {
    DescValue d;
    d.kind = Kind::Identifier;
    d.text = std::move(s);
    return d;
}

DescValue DescValue::Set(std::vector<std::string> members) {
    DescValue d;
    d.kind = Kind::Set;
    d.set = std::move(members);
    return d;
}

DescValue DescValue::Binary(std::vector<uint8_t> data) {
    DescValue d;
    d.kind = Kind::Binary;
    d.bytes = std::move(data);
    return d;
}

bool operator==(const DescValue& a, const DescValue& b) {
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case DescValue::Kind::Integer:
        return a.integer == b.integer;
    case DescValue::Kind::String:
    case DescValue::Kind::Identifier:
        return a.text == b.text;
    case DescValue::Kind::Set:
        return a.set == b.set;
    case DescValue::Kind::Binary:
        return a.bytes == b.bytes;
    }
    return false;
}

const DescProperty* DescObject::Find(std::string_view propertyName) const {
    for (const DescProperty& p : properties)
        if (p.name == propertyName)
            return &p;
    return nullptr;
}

void DescObject::Set(std::string_view propertyName, DescValue value) {
    for (DescProperty& p : properties) {
        if (p.name == propertyName) {
            p.value = std::move(value);
            return;
        }
    }
    properties.push_back({std::string(propertyName), std::move(value), 0});
}
