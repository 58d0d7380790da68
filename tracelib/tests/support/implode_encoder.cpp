#include "support/implode_encoder.h"

#include "formats/implode.h"

#include <algorithm>
#include <array>

namespace varnel::test {
namespace {

struct Code {
    uint16_t value;
    uint8_t bits;
};

// Canonical code assignment: within a length, codes count up in symbol order;
// the first code of each length follows the last of the shorter lengths.
template <size_t N> std::array<Code, N> canonicalCodes(const std::array<uint8_t, N>& lengths) {
    std::array<int, implode::kMaxCodeBits + 1> count{};
    for (uint8_t bits : lengths)
        ++count[bits];
    count[0] = 0;
    std::array<int, implode::kMaxCodeBits + 1> next{};
    int code = 0;
    for (int bits = 1; bits <= implode::kMaxCodeBits; ++bits) {
        code = (code + count[bits - 1]) << 1;
        next[bits] = code;
    }
    std::array<Code, N> codes{};
    for (size_t s = 0; s < N; ++s)
        codes[s] = {static_cast<uint16_t>(next[lengths[s]]++), lengths[s]};
    return codes;
}

struct Tables {
    std::array<Code, 256> literal = canonicalCodes(implode::FixedCodeLengths().literal);
    std::array<Code, 16> length = canonicalCodes(implode::FixedCodeLengths().length);
    std::array<Code, 64> distance = canonicalCodes(implode::FixedCodeLengths().distance);
};

const Tables& tables() {
    static const Tables t;
    return t;
}

int lengthSymbol(int length) {
    for (int s = 0; s < 16; ++s) {
        int base = implode::kLengthBase[s];
        if (length >= base && length < base + (1 << implode::kLengthExtraBits[s])) return s;
    }
    return 15;
}

} // namespace

ImplodeWriter::ImplodeWriter(bool codedLiterals, int dictionaryBits)
    : codedLiterals_(codedLiterals), dictionaryBits_(dictionaryBits) {
    out_.push_back(codedLiterals ? implode::kCodedLiterals : implode::kUncodedLiterals);
    out_.push_back(static_cast<uint8_t>(dictionaryBits));
}

void ImplodeWriter::putBits(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        pending_ |= ((value >> i) & 1) << pendingCount_;
        if (++pendingCount_ == 8) {
            out_.push_back(static_cast<uint8_t>(pending_));
            pending_ = 0;
            pendingCount_ = 0;
        }
    }
}

// Codes go out most significant bit first, each bit inverted.
void ImplodeWriter::putCode(uint32_t code, int bits) {
    for (int i = bits - 1; i >= 0; --i)
        putBits(((code >> i) & 1) ^ 1, 1);
}

void ImplodeWriter::literal(uint8_t value) {
    putBits(0, 1);
    if (codedLiterals_) {
        const Code& c = tables().literal[value];
        putCode(c.value, c.bits);
    } else {
        putBits(value, 8);
    }
}

void ImplodeWriter::copy(int length, int distance) {
    putBits(1, 1);
    int s = lengthSymbol(length);
    putCode(tables().length[s].value, tables().length[s].bits);
    putBits(static_cast<uint32_t>(length - implode::kLengthBase[s]), implode::kLengthExtraBits[s]);
    int lowBits = length == 2 ? 2 : dictionaryBits_;
    int d = distance - 1;
    const Code& high = tables().distance[(d >> lowBits) & 63];
    putCode(high.value, high.bits);
    putBits(static_cast<uint32_t>(d) & ((1u << lowBits) - 1), lowBits);
}

void ImplodeWriter::end() {
    putBits(1, 1);
    putCode(tables().length[15].value, tables().length[15].bits);
    putBits(0xFF, 8);
}

std::vector<uint8_t> ImplodeWriter::bytes() const {
    std::vector<uint8_t> result = out_;
    if (pendingCount_ > 0) result.push_back(static_cast<uint8_t>(pending_));
    return result;
}

std::vector<uint8_t> Implode(std::span<const uint8_t> data, ImplodeOptions options) {
    ImplodeWriter writer(options.codedLiterals, options.dictionaryBits);
    const size_t maxDistance = size_t{64} << options.dictionaryBits;
    const size_t maxDistanceOfTwo = size_t{64} << 2;
    const size_t maxLength = implode::kEndOfStreamLength - 1;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t bestLength = 0;
        size_t bestDistance = 0;
        for (size_t distance = 1; options.findMatches && distance <= std::min(pos, maxDistance);
             ++distance) {
            size_t length = 0;
            while (pos + length < data.size() && length < maxLength &&
                   data[pos + length] == data[pos + length - distance])
                ++length;
            if (length == 2 && distance > maxDistanceOfTwo) continue;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
            }
            if (bestLength == maxLength) break;
        }
        if (bestLength >= 2) {
            writer.copy(static_cast<int>(bestLength), static_cast<int>(bestDistance));
            pos += bestLength;
        } else {
            writer.literal(data[pos++]);
        }
    }
    writer.end();
    return writer.bytes();
}

} // namespace varnel::test
