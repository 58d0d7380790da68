#include "printinfo/pif_format.h"

#include <cstring>

namespace varnel::pif {
namespace {

void storeLE32(uint8_t* out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t loadLE32(const uint8_t* in) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(in[i]) << (8 * i);
    return v;
}

uint64_t loadLE64(const uint8_t* in) {
    return uint64_t(loadLE32(in)) | uint64_t(loadLE32(in + 4)) << 32;
}

} // namespace

RecordBuilder::RecordBuilder(std::vector<uint8_t>& buffer, int32_t type) : buffer_(buffer) {
    if (!reserve(kRecordHeaderBytes)) return;
    storeLE32(buffer_.data() + 4, static_cast<uint32_t>(type));
    used_ = kRecordHeaderBytes;
}

bool RecordBuilder::reserve(size_t bytes) {
    if (overflowed_ || buffer_.size() - used_ < bytes) overflowed_ = true;
    return !overflowed_;
}

void RecordBuilder::putInt(int32_t value) {
    if (!reserve(4)) return;
    storeLE32(buffer_.data() + used_, static_cast<uint32_t>(value));
    used_ += 4;
}

void RecordBuilder::putDouble(double value) {
    if (!reserve(8)) return;
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    storeLE32(buffer_.data() + used_, static_cast<uint32_t>(bits));
    storeLE32(buffer_.data() + used_ + 4, static_cast<uint32_t>(bits >> 32));
    used_ += 8;
}

void RecordBuilder::putText(const char16_t* text) {
    size_t n = 0;
    while (text && text[n])
        ++n;
    if (!reserve(2 * (n + 1))) return;
    for (size_t i = 0; i <= n; ++i) {
        char16_t c = i < n ? text[i] : u'\0';
        buffer_[used_++] = static_cast<uint8_t>(c);
        buffer_[used_++] = static_cast<uint8_t>(c >> 8);
    }
}

void RecordBuilder::putBytes(std::span<const uint8_t> bytes) {
    if (!reserve(bytes.size())) return;
    std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

std::span<uint8_t> RecordBuilder::freeSpace() {
    if (overflowed_) return {};
    return std::span<uint8_t>(buffer_).subspan(used_);
}

void RecordBuilder::advance(size_t bytes) {
    if (reserve(bytes)) used_ += bytes;
}

std::span<const uint8_t> RecordBuilder::finish() {
    if (overflowed_) return {};
    storeLE32(buffer_.data(), static_cast<uint32_t>(used_ - kRecordHeaderBytes));
    return std::span<const uint8_t>(buffer_).first(used_);
}

bool PayloadCursor::getInt(int32_t& value) {
    value = 0;
    if (payload_.size() - position_ < 4) return false;
    value = static_cast<int32_t>(loadLE32(payload_.data() + position_));
    position_ += 4;
    return true;
}

bool PayloadCursor::getDouble(double& value) {
    value = 0;
    if (payload_.size() - position_ < 8) return false;
    uint64_t bits = loadLE64(payload_.data() + position_);
    std::memcpy(&value, &bits, sizeof value);
    position_ += 8;
    return true;
}

bool PayloadCursor::getText(char16_t* out, size_t capacity) {
    size_t n = 0;
    while (payload_.size() - position_ >= 2) {
        char16_t c = static_cast<char16_t>(payload_[position_] | payload_[position_ + 1] << 8);
        position_ += 2;
        if (c == u'\0') {
            out[n] = 0;
            return true;
        }
        if (n + 1 < capacity) out[n++] = c;
    }
    position_ = payload_.size();
    out[n] = 0;
    return false;
}

} // namespace varnel::pif
