#include "framework/description/description.h"

#include <cstring>

#include "picture/byte_reader.h"

namespace {

class BinaryReader {
  public:
    BinaryReader(const uint8_t* data, size_t size) : p_(data), size_(size) {}

    DescObject Root() {
        const size_t magic = kBinaryDescriptionMagic.size();
        if (size_ < magic || std::memcmp(p_, kBinaryDescriptionMagic.data(), magic) != 0)
            Fail("not a binary window description");
        pos_ = magic;
        DescObject root = Object(0);
        if (pos_ != size_)
            Fail("data after the last object");
        return root;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EParserError("Offset " + std::to_string(pos_) + ": " + what);
    }

    size_t Left() const { return size_ - pos_; }

    void Need(size_t n) const {
        if (Left() < n)
            Fail("unexpected end of data");
    }

    uint32_t U32() {
        Need(4);
        const uint32_t v = LoadU32LE(p_ + pos_);
        pos_ += 4;
        return v;
    }

    int Line() {
        const uint32_t line = U32();
        if (line > uint32_t(INT32_MAX))
            Fail("line number out of range");
        return int(line);
    }

    // A count of items each at least minItemSize bytes long, checked against what is left before
    // anything is allocated for them.
    uint32_t Count(size_t minItemSize) {
        const uint32_t n = U32();
        if (n > Left() / minItemSize)
            Fail("count beyond the end of data");
        return n;
    }

    std::string Str() {
        const uint32_t n = Count(1);
        std::string s(reinterpret_cast<const char*>(p_ + pos_), n);
        pos_ += n;
        return s;
    }

    std::vector<uint8_t> Bytes() {
        const uint32_t n = Count(1);
        std::vector<uint8_t> bytes(p_ + pos_, p_ + pos_ + n);
        pos_ += n;
        return bytes;
    }

    DescValue Value() {
        Need(1);
        const uint8_t kind = p_[pos_++];
        switch (DescValue::Kind(kind)) {
        case DescValue::Kind::Integer:
            return DescValue::Integer(int32_t(U32()));
        case DescValue::Kind::String:
            return DescValue::String(Str());
        case DescValue::Kind::Identifier:
            return DescValue::Identifier(Str());
        case DescValue::Kind::Set: {
            std::vector<std::string> members(Count(4));
            for (std::string& member : members)
                member = Str();
            return DescValue::Set(std::move(members));
        }
        case DescValue::Kind::Binary:
            return DescValue::Binary(Bytes());
        }
        --pos_;
        Fail("unknown value kind " + std::to_string(kind));
    }

    DescObject Object(int depth) {
        if (depth > kMaxDescriptionDepth)
            Fail("objects nested too deeply");
        DescObject obj;
        obj.line = Line();
        obj.name = Str();
        obj.className = Str();
        obj.properties.resize(Count(13)); // line, name length, kind, shortest value
        for (DescProperty& p : obj.properties) {
            p.line = Line();
            p.name = Str();
            p.value = Value();
        }
        obj.children.resize(Count(20)); // line, name and class lengths, two counts
        for (DescObject& child : obj.children)
            child = Object(depth + 1);
        return obj;
    }

    const uint8_t* p_;
    size_t size_;
    size_t pos_ = 0;
};

} // namespace

DescObject ReadBinaryDescription(const uint8_t* data, size_t size) {
    return BinaryReader(data, size).Root();
}
