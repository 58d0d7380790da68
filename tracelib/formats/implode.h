// Decoder for the PKWARE Data Compression Library "implode" format, the
// compression that native trace blocks may carry.
//
// Format notes:
// - Byte 0 is the literal mode: 0 stores literals as plain 8-bit values,
//   1 codes them with a fixed prefix code. Byte 1 is the dictionary size as
//   a bit count: 4, 5 or 6 for 1, 2 or 4 KB.
// - The rest is a bit stream read from the least significant bit of each byte
//   up. Each item starts with one bit: 0 is a literal, 1 a copy.
// - A copy is a length code (plus extra bits) and then a distance code: the
//   distance code gives the high bits, followed by 2 plain low bits for
//   length 2 or as many low bits as the dictionary size otherwise; the copy
//   starts distance + 1 bytes back and may overlap its own output.
// - Length 519 (the last length code with all eight extra bits set) ends the
//   stream; bits after it are ignored.
// - The three prefix codes are fixed, canonical (shorter codes first, equal
//   lengths in symbol order), and every code bit is stored inverted. All
//   three are complete, so any run of bits decodes to some symbol.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace varnel {

enum class ExplodeStatus {
    Done,              // the end-of-stream code was reached
    ShortHeader,       // fewer than the two header bytes
    BadLiteralMode,    // header byte 0 is neither 0 nor 1
    BadDictionarySize, // header byte 1 is not 4, 5 or 6
    OutOfInput,        // the bits ran out before the end-of-stream code
    DistanceTooFar,    // a copy reaches back before the first output byte
    OutputFull,        // the expansion does not fit into the output buffer
};

struct ExplodeResult {
    ExplodeStatus status;
    size_t outLength; // bytes written to the output, also on failure
};

// Expands one stream into out. Never writes past out.size().
ExplodeResult Explode(std::span<const uint8_t> in, std::span<uint8_t> out);

// The fixed parts of the format, shared with anything that writes it.
namespace implode {

inline constexpr uint8_t kUncodedLiterals = 0;
inline constexpr uint8_t kCodedLiterals = 1;
inline constexpr int kMinDictionaryBits = 4;
inline constexpr int kMaxDictionaryBits = 6;
inline constexpr int kMaxCodeBits = 13;
inline constexpr int kEndOfStreamLength = 519;

inline constexpr std::array<uint16_t, 16> kLengthBase = {3,  2,  4,  5,  6,  7,  8,   9,
                                                         10, 12, 16, 24, 40, 72, 136, 264};
inline constexpr std::array<uint8_t, 16> kLengthExtraBits = {0, 0, 0, 0, 0, 0, 0, 0,
                                                             1, 2, 3, 4, 5, 6, 7, 8};

// Code length of every symbol of the three fixed codes.
struct CodeLengths {
    std::array<uint8_t, 256> literal;
    std::array<uint8_t, 16> length;
    std::array<uint8_t, 64> distance;
};
const CodeLengths& FixedCodeLengths();

} // namespace implode
} // namespace varnel
