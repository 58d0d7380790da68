// Little-endian reading and writing of file bytes. Every read goes through a
// cursor that checks the bytes left before it moves: nothing is ever cast onto
// file bytes, and a failed read leaves the cursor where it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace varnel {

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t remaining() const { return bytes_.size() - pos_; }
    size_t position() const { return pos_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    bool readU8(uint8_t& v) {
        if (remaining() < 1) return false;
        v = bytes_[pos_++];
        return true;
    }
    bool readU16(uint16_t& v) {
        if (remaining() < 2) return false;
        v = static_cast<uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }
    bool readU32(uint32_t& v) {
        if (remaining() < 4) return false;
        v = uint32_t{bytes_[pos_]} | uint32_t{bytes_[pos_ + 1]} << 8 |
            uint32_t{bytes_[pos_ + 2]} << 16 | uint32_t{bytes_[pos_ + 3]} << 24;
        pos_ += 4;
        return true;
    }
    bool readI32(int32_t& v) {
        uint32_t u = 0;
        if (!readU32(u)) return false;
        v = static_cast<int32_t>(u);
        return true;
    }
    bool readF64(double& v) {
        if (remaining() < 8) return false;
        uint64_t u = 0;
        for (int i = 7; i >= 0; --i)
            u = u << 8 | bytes_[pos_ + static_cast<size_t>(i)];
        std::memcpy(&v, &u, sizeof v);
        pos_ += 8;
        return true;
    }
    // A view of the next n bytes, which the cursor then passes.
    bool readBytes(size_t n, std::span<const uint8_t>& out) {
        if (remaining() < n) return false;
        out = bytes_.subspan(pos_, n);
        pos_ += n;
        return true;
    }
    bool skip(size_t n) {
        if (remaining() < n) return false;
        pos_ += n;
        return true;
    }
    // Everything not yet read; the cursor moves to the end.
    std::span<const uint8_t> readRest() {
        std::span<const uint8_t> rest = bytes_.subspan(pos_);
        pos_ = bytes_.size();
        return rest;
    }

private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

// Appends little-endian values to a growing buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

    size_t size() const { return out_.size(); }

    void putU8(uint8_t v) { out_.push_back(v); }
    void putU16(uint16_t v) {
        out_.push_back(static_cast<uint8_t>(v));
        out_.push_back(static_cast<uint8_t>(v >> 8));
    }
    void putU32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            out_.push_back(static_cast<uint8_t>(v >> shift));
    }
    void putI32(int32_t v) { putU32(static_cast<uint32_t>(v)); }
    void putF64(double v) {
        uint64_t u = 0;
        std::memcpy(&u, &v, sizeof u);
        for (int shift = 0; shift < 64; shift += 8)
            out_.push_back(static_cast<uint8_t>(u >> shift));
    }
    void putBytes(std::span<const uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }
    // Overwrites two bytes already written, for lengths known only afterwards.
    void patchU16(size_t at, uint16_t v) {
        out_[at] = static_cast<uint8_t>(v);
        out_[at + 1] = static_cast<uint8_t>(v >> 8);
    }

private:
    std::vector<uint8_t>& out_;
};

} // namespace varnel
