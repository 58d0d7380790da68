// The container of native "<T6>" trace files: the magic, checksummed blocks
// of stored or imploded payload, the end marker, and the tagged items inside
// each expanded payload.
//
// Format notes:
// - "<T6>", then blocks, then the 16-bit end marker 0xFFFF.
// - A block is L (16 bits: the bytes that follow it), the method ('C'
//   imploded, 'N' stored), the check method ('C' when the checksum field is
//   valid, 'N' when it is 0), the 16-bit checksum of the stored bytes, and
//   L - 4 bytes of payload. A stored payload of 9995 bytes or more is damaged;
//   an expanded one holds at most 10000 bytes.
// - An item is (n + 1), tag, n value bytes, and lies wholly inside one block.
#pragma once

#include "formats/byte_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varnel::native {

inline constexpr std::array<uint8_t, 4> kMagic = {'<', 'T', '6', '>'};
inline constexpr uint16_t kEndMarker = 0xFFFF;
inline constexpr size_t kMaxStoredPayload = 9994;
inline constexpr size_t kMaxExpandedPayload = 10000;
inline constexpr size_t kMaxItemValue = 254;
inline constexpr uint8_t kCompressed = 'C';
inline constexpr uint8_t kStored = 'N';
inline constexpr uint8_t kChecked = 'C';
inline constexpr uint8_t kUnchecked = 'N';

bool HasMagic(std::span<const uint8_t> file);

// Bitwise CRC over the payload as stored: polynomial 0x1021, register from 0,
// data bits fed in at bit 0, no augmentation and no final XOR.
uint16_t Checksum(std::span<const uint8_t> payload);

// Walks the blocks of a whole file (magic included), one expanded payload at
// a time. An imploded payload is expanded into the reader's own buffer, so a
// payload stays valid only until the next call.
class BlockReader {
public:
    BlockReader(std::span<const uint8_t> file, bool verifyChecksums);

    // Status 0 with the next payload, or with atEnd set at the end marker;
    // otherwise the file status that stops the read (6 or 8).
    int32_t next(std::span<const uint8_t>& payload, bool& atEnd);

private:
    ByteReader cursor_; // over the bytes after the magic
    bool verifyChecksums_;
    std::vector<uint8_t> expanded_; // kMaxExpandedPayload bytes for imploded blocks
};

struct Item {
    uint8_t tag = 0;
    std::span<const uint8_t> value;
};

// Walks the items of one expanded payload.
class ItemReader {
public:
    explicit ItemReader(std::span<const uint8_t> payload) : cursor_(payload) {}

    bool done() const { return cursor_.atEnd(); }
    // Status 0 with the next item, or 8 when the framing is damaged.
    int32_t next(Item& item);

private:
    ByteReader cursor_;
};

// Collects items into stored blocks and lays the file out in a caller's
// buffer. A block that does not fit is counted but not copied, so the total
// is the size the whole file needs whatever the buffer holds.
class BlockWriter {
public:
    BlockWriter(uint8_t* out, size_t capacity, bool withChecksums);

    // The value is at most kMaxItemValue bytes; longer values are cut there.
    void addItem(uint8_t tag, std::span<const uint8_t> value);
    // Writes the last block and the end marker; returns the file size needed.
    size_t finish();

private:
    uint8_t* out_;
    size_t capacity_;
    bool withChecksums_;
    size_t total_ = 0;             // bytes of the file so far, written or only counted
    std::vector<uint8_t> payload_; // items of the block being collected

    void emit(std::span<const uint8_t> bytes);
    void flushBlock();
};

} // namespace varnel::native
