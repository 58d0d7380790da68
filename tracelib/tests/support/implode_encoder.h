// A small encoder of the PKWARE DCL "implode" format, for tests only: it
// builds streams item by item (including malformed ones) and compresses whole
// buffers with a greedy longest-match search.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace varnel::test {

class ImplodeWriter {
public:
    ImplodeWriter(bool codedLiterals, int dictionaryBits);

    void literal(uint8_t value);
    // No checks: a test may write a copy that the decoder has to reject.
    void copy(int length, int distance);
    void end();
    // The stream so far, its last byte padded with zero bits.
    std::vector<uint8_t> bytes() const;

    int dictionaryBits() const { return dictionaryBits_; }

private:
    bool codedLiterals_;
    int dictionaryBits_;
    std::vector<uint8_t> out_;
    uint32_t pending_ = 0; // bits not yet in out_, the first in bit 0
    int pendingCount_ = 0;

    void putBits(uint32_t value, int count);
    void putCode(uint32_t code, int bits);
};

struct ImplodeOptions {
    bool codedLiterals = false;
    int dictionaryBits = 6;
    bool findMatches = true;
};

std::vector<uint8_t> Implode(std::span<const uint8_t> data, ImplodeOptions options = {});

} // namespace varnel::test
