#include "picture/zlib_glue.h"

#include <algorithm>
#include <new>

#include "picture/adler32.h"
#include "picture/png_errors.h"

namespace {

constexpr size_t kMaxBlock = 65535;

// zlib allocates through the program's own operator new, so that its memory is counted, and can
// fail, like the rest of the program's.
voidpf ZAlloc(voidpf, uInt items, uInt size) {
    if (size != 0 && items > size_t(-1) / size)
        return Z_NULL;
    return ::operator new(size_t(items) * size, std::nothrow);
}

void ZFree(voidpf, voidpf address) {
    ::operator delete(address);
}

z_stream NewStream() {
    z_stream stream{};
    stream.zalloc = ZAlloc;
    stream.zfree = ZFree;
    return stream;
}

// zlib's failure as the program's error: its running out of memory is out of memory, not corrupt
// data.
[[noreturn]] void ThrowZlibError(int rc) {
    if (rc == Z_MEM_ERROR)
        throw EPNGOutMemory();
    throw EPNGZLIBError(rc);
}

} // namespace

uint32_t ChunkCrc(const char* name, const uint8_t* data, size_t size) {
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(name), 4);
    while (size > 0) {
        const uInt n = uInt(std::min<size_t>(size, 1u << 30));
        crc = crc32(crc, data, n);
        data += n;
        size -= n;
    }
    return uint32_t(crc);
}

TInflater::TInflater() : stream_(NewStream()) {
    int rc = inflateInit(&stream_);
    if (rc != Z_OK)
        ThrowZlibError(rc);
    rc = inflateValidate(&stream_, 0);
    if (rc != Z_OK) {
        inflateEnd(&stream_);
        ThrowZlibError(rc);
    }
}

TInflater::~TInflater() {
    inflateEnd(&stream_);
}

bool TInflater::Inflate(const uint8_t*& in, size_t& inSize, uint8_t*& out, size_t& outSize) {
    while (outSize > 0) {
        stream_.next_in = const_cast<Bytef*>(in);
        stream_.avail_in = uInt(std::min(inSize, kMaxBlock));
        stream_.next_out = out;
        stream_.avail_out = uInt(std::min<size_t>(outSize, 1u << 30));
        const uInt givenIn = stream_.avail_in;
        const uInt givenOut = stream_.avail_out;
        const int rc = inflate(&stream_, Z_NO_FLUSH);
        const uInt taken = givenIn - stream_.avail_in;
        const uInt produced = givenOut - stream_.avail_out;
        check_ = Adler32(check_, out, produced);
        for (const uint8_t* p = in + taken - std::min<uInt>(taken, 4); p != in + taken; ++p)
            lastFour_ = lastFour_ << 8 | *p;
        in += taken;
        inSize -= taken;
        out += produced;
        outSize -= produced;
        if (rc == Z_STREAM_END) {
            if (lastFour_ != check_)
                throw EPNGZLIBError(Z_DATA_ERROR);
            return true;
        }
        // No progress was possible: zlib needs more input.
        if (rc == Z_BUF_ERROR)
            return false;
        // A preset dictionary is not allowed in PNG data: it is invalid data like any other.
        if (rc == Z_NEED_DICT)
            throw EPNGZLIBError(Z_DATA_ERROR);
        if (rc != Z_OK)
            ThrowZlibError(rc);
        if (inSize == 0 && stream_.avail_out != 0)
            return false;
    }
    return false;
}

TDeflater::TDeflater(int level) : stream_(NewStream()) {
    const int rc = deflateInit(&stream_, level);
    if (rc != Z_OK)
        ThrowZlibError(rc);
}

TDeflater::~TDeflater() {
    deflateEnd(&stream_);
}

bool TDeflater::Deflate(const uint8_t*& in, size_t& inSize, uint8_t*& out, size_t& outSize, bool finish) {
    while (outSize > 0 && (inSize > 0 || finish)) {
        stream_.next_in = const_cast<Bytef*>(in);
        stream_.avail_in = uInt(std::min<size_t>(inSize, 1u << 30));
        stream_.next_out = out;
        stream_.avail_out = uInt(std::min<size_t>(outSize, 1u << 30));
        const uInt givenIn = stream_.avail_in;
        const uInt givenOut = stream_.avail_out;
        const bool lastPiece = finish && givenIn == inSize;
        const int rc = deflate(&stream_, lastPiece ? Z_FINISH : Z_NO_FLUSH);
        in += givenIn - stream_.avail_in;
        inSize -= givenIn - stream_.avail_in;
        out += givenOut - stream_.avail_out;
        outSize -= givenOut - stream_.avail_out;
        if (rc == Z_STREAM_END)
            return true;
        if (rc != Z_OK && rc != Z_BUF_ERROR)
            ThrowZlibError(rc);
    }
    return false;
}

bool InflateLimited(const uint8_t* data, size_t size, size_t limit, std::string& text) {
    TInflater inflater;
    text.clear();
    uint8_t block[16384];
    for (;;) {
        uint8_t* out = block;
        size_t room = sizeof block;
        const bool ended = inflater.Inflate(data, size, out, room);
        const size_t produced = sizeof block - room;
        if (produced > limit - text.size())
            return false;
        text.append(reinterpret_cast<const char*>(block), produced);
        if (ended)
            return true;
        // Stopped with room left: the input ran out before the stream ended.
        if (room != 0)
            throw EPNGZLIBError(Z_DATA_ERROR);
    }
}
