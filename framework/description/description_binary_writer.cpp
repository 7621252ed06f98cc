#include "framework/description/description.h"

namespace {

class BinaryWriter {
  public:
    std::vector<uint8_t> Take() { return std::move(out_); }

    void Object(const DescObject& obj) {
        U32(uint32_t(obj.line));
        Str(obj.name);
        Str(obj.className);
        U32(uint32_t(obj.properties.size()));
        for (const DescProperty& p : obj.properties)
            Property(p);
        U32(uint32_t(obj.children.size()));
        for (const DescObject& child : obj.children)
            Object(child);
    }

    void Magic() { out_.insert(out_.end(), kBinaryDescriptionMagic.begin(), kBinaryDescriptionMagic.end()); }

  private:
    void U32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            out_.push_back(uint8_t(v >> shift));
    }

    void Bytes(const uint8_t* data, size_t size) {
        if (size > UINT32_MAX)
            throw EParserError("A value of " + std::to_string(size) + " bytes is too long to store");
        U32(uint32_t(size));
        out_.insert(out_.end(), data, data + size);
    }

    void Str(const std::string& s) { Bytes(reinterpret_cast<const uint8_t*>(s.data()), s.size()); }

    void Property(const DescProperty& p) {
        U32(uint32_t(p.line));
        Str(p.name);
        const DescValue& v = p.value;
        out_.push_back(uint8_t(v.kind));
        switch (v.kind) {
        case DescValue::Kind::Integer:
            U32(uint32_t(v.integer));
            break;
        case DescValue::Kind::String:
        case DescValue::Kind::Identifier:
            Str(v.text);
            break;
        case DescValue::Kind::Set:
            U32(uint32_t(v.set.size()));
            for (const std::string& member : v.set)
                Str(member);
            break;
        case DescValue::Kind::Binary:
            Bytes(v.bytes.data(), v.bytes.size());
            break;
        }
    }

    std::vector<uint8_t> out_;
};

} // namespace

std::vector<uint8_t> WriteBinaryDescription(const DescObject& root) {
    BinaryWriter writer;
    writer.Magic();
    writer.Object(root);
    return writer.Take();
}
