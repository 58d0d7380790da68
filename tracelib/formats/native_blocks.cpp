#include "formats/native_blocks.h"

#include <varnel/varnel.h>

#include "formats/implode.h"

#include <algorithm>
#include <cstring>

namespace varnel::native {

bool HasMagic(std::span<const uint8_t> file) {
    return file.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), file.begin());
}

uint16_t Checksum(std::span<const uint8_t> payload) {
    uint16_t reg = 0;
    for (uint8_t byte : payload) {
        for (int bit = 7; bit >= 0; --bit) {
            bool carry = (reg & 0x8000) != 0;
            reg = static_cast<uint16_t>(reg << 1 | ((byte >> bit) & 1));
            if (carry) reg ^= 0x1021;
        }
    }
    return reg;
}

BlockReader::BlockReader(std::span<const uint8_t> file, bool verifyChecksums)
    : cursor_(file.size() >= kMagic.size() ? file.subspan(kMagic.size()) : file.subspan(0, 0)),
      verifyChecksums_(verifyChecksums) {}

int32_t BlockReader::next(std::span<const uint8_t>& payload, bool& atEnd) {
    atEnd = false;
    uint16_t length = 0;
    if (!cursor_.readU16(length)) return T6_FILE_DAMAGED;
    if (length == kEndMarker) {
        atEnd = true;
        return T6_FILE_OK;
    }
    uint8_t method = 0;
    uint8_t checkMethod = 0;
    uint16_t crc = 0;
    if (length <= 4 || !cursor_.readU8(method) || !cursor_.readU8(checkMethod) ||
        !cursor_.readU16(crc))
        return T6_FILE_DAMAGED;
    std::span<const uint8_t> stored;
    size_t storedLength = size_t{length} - 4;
    if (storedLength > kMaxStoredPayload || !cursor_.readBytes(storedLength, stored))
        return T6_FILE_DAMAGED;
    if (verifyChecksums_ && checkMethod == kChecked && Checksum(stored) != crc)
        return T6_FILE_CHECKSUM_MISMATCH;

    if (method != kCompressed) {
        payload = stored;
        return T6_FILE_OK;
    }
    if (expanded_.empty()) expanded_.resize(kMaxExpandedPayload);
    ExplodeResult r = Explode(stored, expanded_);
    if (r.status != ExplodeStatus::Done) return T6_FILE_DAMAGED;
    payload = std::span<const uint8_t>(expanded_.data(), r.outLength);
    return T6_FILE_OK;
}

int32_t ItemReader::next(Item& item) {
    uint8_t lengthByte = 0;
    if (!cursor_.readU8(lengthByte) || !cursor_.readU8(item.tag)) return T6_FILE_DAMAGED;
    if (lengthByte == 0) return T6_FILE_DAMAGED;
    if (!cursor_.readBytes(size_t{lengthByte} - 1, item.value)) return T6_FILE_DAMAGED;
    return T6_FILE_OK;
}

BlockWriter::BlockWriter(uint8_t* out, size_t capacity, bool withChecksums)
    : out_(out), capacity_(out ? capacity : 0), withChecksums_(withChecksums) {
    payload_.reserve(kMaxStoredPayload);
    emit(kMagic);
}

void BlockWriter::emit(std::span<const uint8_t> bytes) {
    if (bytes.size() <= capacity_ && total_ <= capacity_ - bytes.size())
        std::memcpy(out_ + total_, bytes.data(), bytes.size());
    total_ += bytes.size();
}

void BlockWriter::addItem(uint8_t tag, std::span<const uint8_t> value) {
    value = value.first(std::min(value.size(), kMaxItemValue));
    if (payload_.size() + value.size() + 2 > kMaxStoredPayload) flushBlock();
    payload_.push_back(static_cast<uint8_t>(value.size() + 1));
    payload_.push_back(tag);
    payload_.insert(payload_.end(), value.begin(), value.end());
}

void BlockWriter::flushBlock() {
    if (payload_.empty()) return;
    std::vector<uint8_t> block;
    block.reserve(payload_.size() + 6);
    ByteWriter w(block);
    w.putU16(static_cast<uint16_t>(payload_.size() + 4));
    w.putU8(kStored);
    w.putU8(withChecksums_ ? kChecked : kUnchecked);
    w.putU16(withChecksums_ ? Checksum(payload_) : 0);
    w.putBytes(payload_);
    emit(block);
    payload_.clear();
}

size_t BlockWriter::finish() {
    flushBlock();
    const uint8_t marker[2] = {0xFF, 0xFF};
    emit(marker);
    return total_;
}

} // namespace varnel::native

int32_t T6IsT6(const uint8_t* bytes, int32_t length) {
    if (!bytes || length < 0) return 0;
    return varnel::native::HasMagic({bytes, static_cast<size_t>(length)}) ? 1 : 0;
}
