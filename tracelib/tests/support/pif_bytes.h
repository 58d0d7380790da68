// Hand-made print-information files, for malformed and foreign inputs.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace varnel::test {

// Hand-made files: the signature, then records appended one by one.
struct RawPif {
    std::vector<uint8_t> bytes = signature();

    static std::vector<uint8_t> signature() {
        const std::string text = "<T6PIF>";
        return std::vector<uint8_t>(text.begin(), text.end());
    }

    static void putLE32(std::vector<uint8_t>& out, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    RawPif& record(int32_t type, const std::vector<uint8_t>& payload) {
        return recordClaiming(type, static_cast<int32_t>(payload.size()), payload);
    }
    RawPif& recordClaiming(int32_t type, int32_t length, const std::vector<uint8_t>& payload) {
        putLE32(bytes, static_cast<uint32_t>(length));
        putLE32(bytes, static_cast<uint32_t>(type));
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        return *this;
    }
};

inline std::vector<uint8_t> utf16(const std::u16string& text, bool terminated = true) {
    std::vector<uint8_t> out;
    for (char16_t c : text) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(static_cast<uint8_t>(c >> 8));
    }
    if (terminated) out.insert(out.end(), {0, 0});
    return out;
}

inline std::vector<uint8_t> int32Bytes(int32_t v) {
    std::vector<uint8_t> out;
    RawPif::putLE32(out, static_cast<uint32_t>(v));
    return out;
}

inline std::vector<uint8_t> doubleBytes(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    std::vector<uint8_t> out;
    RawPif::putLE32(out, static_cast<uint32_t>(bits));
    RawPif::putLE32(out, static_cast<uint32_t>(bits >> 32));
    return out;
}

inline std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

} // namespace varnel::test
