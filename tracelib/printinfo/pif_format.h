// Print information files: the record framing shared by writer and reader.
//
// Format notes:
// - The file starts with the 7 bytes "<T6PIF>" (no terminator), then records.
// - A record is its payload length (int32), its type (int32), then the payload.
// - Payload values: int32 and IEEE doubles little-endian, strings UTF-16LE
//   with a terminating zero character.
// - The file is untrusted: a record may claim any length and a string may lack
//   its terminator, so every read is bounded by the bytes actually present.
#pragma once

#include <varnel/codes.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varnel::pif {

inline constexpr char kSignature[] = "<T6PIF>";
inline constexpr size_t kSignatureBytes = 7;
inline constexpr size_t kRecordHeaderBytes = 8;
inline constexpr size_t kInitialBufferBytes = 600000;
inline constexpr size_t kGrowthSlackBytes = 1000;

enum RecordType : int32_t {
    kInit = 1,
    kPrinter = 2,
    kFilespec = 3,
    kObject = 4,
    kPageHdr = 5,
    kGraphMeas = 6,
    kShow = 7,
    kGraphView = 8,
    kFirstSettings = 9,
    kLastSettings = 23,
    kFinal = -1,
};

// Status codes of the print-information functions: those of the file
// operations.
enum Status : int32_t {
    kOK = T6_FILE_OK,
    kBadSignatureOrShortRead = T6_FILE_SHORT_READ,
    kNoMemory = T6_FILE_NO_MEMORY,
    kEmptyCompression = T6_FILE_ENCODER_FAILED,
    kCannotOpen = T6_FILE_CANNOT_OPEN,
    kShortWrite = T6_FILE_SHORT_WRITE,
};

// Builds one record in a caller-owned buffer whose size is the capacity.
// Values that do not fit set the overflow mark instead of being written.
class RecordBuilder {
public:
    RecordBuilder(std::vector<uint8_t>& buffer, int32_t type);

    void putInt(int32_t value);
    void putDouble(double value);
    void putText(const char16_t* text); // null writes an empty string
    void putBytes(std::span<const uint8_t> bytes);

    // Room left for the payload, and a place to write into it directly
    // (advance() then accounts for what was written there).
    std::span<uint8_t> freeSpace();
    void advance(size_t bytes);

    bool overflowed() const { return overflowed_; }
    size_t size() const { return used_; }
    // Sets the payload length in the header and returns the whole record.
    std::span<const uint8_t> finish();

private:
    bool reserve(size_t bytes);

    std::vector<uint8_t>& buffer_;
    size_t used_ = 0;
    bool overflowed_ = false;
};

// Reads values from one loaded payload; reads past its end give 0 / empty
// and report false.
class PayloadCursor {
public:
    PayloadCursor() = default;
    explicit PayloadCursor(std::span<const uint8_t> payload) : payload_(payload) {}

    bool getInt(int32_t& value);
    bool getDouble(double& value);
    // Copies at most capacity - 1 characters and terminates; the rest of a
    // longer string is skipped. Returns false when the payload ended first.
    bool getText(char16_t* out, size_t capacity);
    std::span<const uint8_t> rest() const { return payload_.subspan(position_); }

private:
    std::span<const uint8_t> payload_;
    size_t position_ = 0;
};

} // namespace varnel::pif
