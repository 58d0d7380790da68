#include "formats/implode.h"

namespace varnel {
namespace implode {
namespace {

struct Run {
    uint8_t count;
    uint8_t bits;
};

// The fixed codes as runs of symbols sharing one code length, symbol 0 first.
constexpr Run kLiteralRuns[] = {
    {1, 11}, {8, 12},  {1, 8},   {1, 7},  {2, 12}, {1, 7},  {12, 12}, {1, 13}, {5, 12}, {1, 4},
    {1, 10}, {1, 8},   {1, 12},  {1, 10}, {1, 12}, {1, 10}, {1, 8},   {2, 7},  {1, 8},  {1, 9},
    {1, 7},  {1, 6},   {1, 7},   {1, 8},  {1, 7},  {1, 6},  {4, 7},   {1, 8},  {2, 7},  {2, 8},
    {1, 12}, {1, 11},  {1, 7},   {1, 9},  {1, 11}, {1, 12}, {1, 6},   {1, 7},  {2, 6},  {1, 5},
    {1, 7},  {2, 8},   {1, 6},   {1, 11}, {1, 9},  {1, 6},  {1, 7},   {2, 6},  {1, 7},  {1, 11},
    {3, 6},  {1, 7},   {1, 9},   {1, 8},  {2, 9},  {1, 11}, {1, 8},   {1, 11}, {1, 9},  {1, 12},
    {1, 8},  {1, 12},  {1, 5},   {3, 6},  {1, 5},  {3, 6},  {1, 5},   {1, 11}, {1, 7},  {1, 5},
    {1, 6},  {2, 5},   {1, 6},   {1, 10}, {4, 5},  {1, 8},  {1, 7},   {2, 8},  {1, 10}, {2, 11},
    {3, 12}, {48, 13}, {48, 12}, {1, 13}, {1, 12}, {3, 13}, {1, 12},  {3, 13}, {1, 12}, {4, 13},
    {1, 12}, {3, 13},  {3, 12},  {11, 13}};
constexpr Run kLengthRuns[] = {{1, 2}, {3, 3}, {3, 4}, {4, 5}, {3, 6}, {2, 7}};
constexpr Run kDistanceRuns[] = {{1, 2}, {2, 4}, {4, 5}, {15, 6}, {26, 7}, {16, 8}};

template <size_t N, size_t R> constexpr std::array<uint8_t, N> expand(const Run (&runs)[R]) {
    std::array<uint8_t, N> lengths{};
    size_t symbol = 0;
    for (const Run& run : runs)
        for (int i = 0; i < run.count && symbol < N; ++i)
            lengths[symbol++] = run.bits;
    return lengths;
}

} // namespace

const CodeLengths& FixedCodeLengths() {
    static constexpr CodeLengths lengths = {expand<256>(kLiteralRuns), expand<16>(kLengthRuns),
                                            expand<64>(kDistanceRuns)};
    return lengths;
}

} // namespace implode

namespace {

using implode::kMaxCodeBits;

// A canonical prefix code in the form a bit-at-a-time decoder needs: how many
// codes there are of each length, and the symbols ordered by code.
template <size_t N> struct PrefixCode {
    std::array<uint16_t, kMaxCodeBits + 1> countOfLength{};
    std::array<uint16_t, N> symbolByCode{};

    explicit PrefixCode(const std::array<uint8_t, N>& lengths) {
        for (uint8_t bits : lengths)
            ++countOfLength[bits];
        std::array<uint16_t, kMaxCodeBits + 2> firstIndex{};
        for (int bits = 1; bits <= kMaxCodeBits; ++bits)
            firstIndex[bits + 1] = firstIndex[bits] + countOfLength[bits];
        for (size_t symbol = 0; symbol < N; ++symbol)
            symbolByCode[firstIndex[lengths[symbol]]++] = static_cast<uint16_t>(symbol);
    }
};

struct Codes {
    PrefixCode<256> literal{implode::FixedCodeLengths().literal};
    PrefixCode<16> length{implode::FixedCodeLengths().length};
    PrefixCode<64> distance{implode::FixedCodeLengths().distance};
};

const Codes& fixedCodes() {
    static const Codes codes;
    return codes;
}

class Exploder {
public:
    Exploder(std::span<const uint8_t> in, std::span<uint8_t> out) : in_(in), out_(out) {}

    ExplodeResult run() {
        ExplodeStatus status = readHeader();
        while (status == ExplodeStatus::Done && !ended_)
            status = readItem();
        return {status, written_};
    }

private:
    std::span<const uint8_t> in_;
    std::span<uint8_t> out_;
    size_t inPos_ = 0;       // next input byte to load into the bit buffer
    uint32_t bitBuffer_ = 0; // unread bits, the next one in bit 0
    int bitCount_ = 0;       // how many bits bitBuffer_ holds
    size_t written_ = 0;     // output bytes so far
    bool codedLiterals_ = false;
    int dictionaryBits_ = 0;
    bool ended_ = false; // the end-of-stream code was read

    ExplodeStatus readHeader() {
        if (in_.size() < 2) return ExplodeStatus::ShortHeader;
        uint8_t mode = in_[0];
        uint8_t dictionaryBits = in_[1];
        inPos_ = 2;
        if (mode != implode::kUncodedLiterals && mode != implode::kCodedLiterals)
            return ExplodeStatus::BadLiteralMode;
        if (dictionaryBits < implode::kMinDictionaryBits ||
            dictionaryBits > implode::kMaxDictionaryBits)
            return ExplodeStatus::BadDictionarySize;
        codedLiterals_ = mode == implode::kCodedLiterals;
        dictionaryBits_ = dictionaryBits;
        return ExplodeStatus::Done;
    }

    bool readBits(int n, uint32_t& value) {
        while (bitCount_ < n) {
            if (inPos_ >= in_.size()) return false;
            bitBuffer_ |= uint32_t{in_[inPos_++]} << bitCount_;
            bitCount_ += 8;
        }
        value = bitBuffer_ & ((uint32_t{1} << n) - 1);
        bitBuffer_ >>= n;
        bitCount_ -= n;
        return true;
    }

    // Walks the canonical code one inverted bit at a time: after each bit,
    // `code - first` is the rank among codes of the current length.
    template <size_t N> bool decode(const PrefixCode<N>& table, uint16_t& symbol) {
        uint32_t code = 0;
        uint32_t first = 0;
        uint32_t index = 0;
        for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
            uint32_t bit = 0;
            if (!readBits(1, bit)) return false;
            code |= bit ^ 1;
            uint32_t count = table.countOfLength[bits];
            if (code - first < count) {
                const size_t at = size_t{index} + (code - first);
                if (at >= N) return false;
                symbol = table.symbolByCode[at];
                return true;
            }
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        // Unreachable with complete codes; kept so that a table change cannot
        // turn into a read past symbolByCode.
        return false;
    }

    ExplodeStatus readItem() {
        uint32_t isCopy = 0;
        if (!readBits(1, isCopy)) return ExplodeStatus::OutOfInput;
        return isCopy ? readCopy() : readLiteral();
    }

    ExplodeStatus readLiteral() {
        uint32_t value = 0;
        if (codedLiterals_) {
            uint16_t symbol = 0;
            if (!decode(fixedCodes().literal, symbol)) return ExplodeStatus::OutOfInput;
            value = symbol;
        } else if (!readBits(8, value)) {
            return ExplodeStatus::OutOfInput;
        }
        if (written_ >= out_.size()) return ExplodeStatus::OutputFull;
        out_[written_++] = static_cast<uint8_t>(value);
        return ExplodeStatus::Done;
    }

    ExplodeStatus readCopy() {
        uint16_t lengthSymbol = 0;
        uint32_t extra = 0;
        if (!decode(fixedCodes().length, lengthSymbol) ||
            !readBits(implode::kLengthExtraBits[lengthSymbol], extra))
            return ExplodeStatus::OutOfInput;
        size_t length = implode::kLengthBase[lengthSymbol] + extra;
        if (length == implode::kEndOfStreamLength) {
            ended_ = true;
            return ExplodeStatus::Done;
        }

        uint16_t distanceHigh = 0;
        uint32_t distanceLow = 0;
        int lowBits = length == 2 ? 2 : dictionaryBits_;
        if (!decode(fixedCodes().distance, distanceHigh) || !readBits(lowBits, distanceLow))
            return ExplodeStatus::OutOfInput;
        size_t distance = (size_t{distanceHigh} << lowBits) + distanceLow + 1;
        if (distance > written_) return ExplodeStatus::DistanceTooFar;
        if (length > out_.size() - written_) return ExplodeStatus::OutputFull;

        // Byte by byte on purpose: a copy may read what it has just written.
        for (size_t i = 0; i < length; ++i, ++written_)
            out_[written_] = out_[written_ - distance];
        return ExplodeStatus::Done;
    }
};

} // namespace

ExplodeResult Explode(std::span<const uint8_t> in, std::span<uint8_t> out) {
    return Exploder(in, out).run();
}

} // namespace varnel
