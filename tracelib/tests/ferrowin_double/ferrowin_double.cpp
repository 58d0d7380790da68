// A stand-in for the outside legacy converter, built only for the tests. It
// implements the five exports over the library's T5 layout and a toy file
// format, and counts the inner buffers it has handed out.
//
// Toy format: "TOY5", kind (int32), distance unit it was written with (int32),
// inner buffer size (int32), the structure's fields after the inner buffer's
// pointer and size, then the inner buffer. "FAIL" and a status (int32) make
// the decoder allocate an inner buffer and then fail with that status.
#include <varnel/t5_struct.h>

#include <cstdlib>
#include <cstring>

#define DOUBLE_EXPORT __attribute__((visibility("default")))

namespace {

constexpr size_t kHeaderBytes = 16;
constexpr size_t kFieldsOffset = offsetof(T5Fields, kind);
constexpr size_t kFieldsBytes = sizeof(T5Fields) - kFieldsOffset;

int32_t liveBuffers = 0;

int32_t readInt(const uint8_t* at) {
    int32_t v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

void writeInt(uint8_t* at, int32_t v) {
    std::memcpy(at, &v, sizeof v);
}

} // namespace

extern "C" {

DOUBLE_EXPORT extern const char16_t* const T5PRODUCT_NAMES[T5_PRODUCT_NAME_COUNT] = {
    u"Unknown",  u"Lindar 10", u"Lindar 20", u"Norvak 3", u"Norvak 4", u"Norvak 5", u"Norvak 5P",
    u"Norvak 7", u"Norvak 77", u"R90",       u"R90 Mini", u"P11",      u"P12",      u"P13",
    u"P14",      u"P15",       u"P16",       u"P17",      u"P18",      u"P19",      u"P20",
    u"P21",      u"P22",       u"P23",       u"P24",      u"P25",      u"P26",      u"P27",
    u"P28",      u"P29",       u"Last"};

DOUBLE_EXPORT void* T5Malloc(int32_t bytes) {
    if (bytes <= 0) return nullptr;
    void* p = std::calloc(1, static_cast<size_t>(bytes));
    if (p) ++liveBuffers;
    return p;
}

DOUBLE_EXPORT void T5Free(void* inner) {
    if (!inner) return;
    std::free(inner);
    --liveBuffers;
}

DOUBLE_EXPORT int32_t DecompTraceToT5(uint8_t*& bytes, int32_t& length, uint32_t, uint32_t,
                                      int32_t reserved, T5Struct* t5, int32_t& kind) {
    if (reserved != 0 || !t5 || !bytes || length < 8) return 3;
    if (std::memcmp(bytes, "FAIL", 4) == 0) {
        t5->inner = static_cast<T5Inner*>(T5Malloc(sizeof(T5Inner)));
        t5->innerBytes = sizeof(T5Inner);
        return readInt(bytes + 4);
    }
    if (std::memcmp(bytes, "TOY5", 4) != 0 || size_t(length) < kHeaderBytes + kFieldsBytes)
        return 3;
    int32_t innerBytes = readInt(bytes + 12);
    if (innerBytes < int32_t(sizeof(T5Inner)) ||
        size_t(length) != kHeaderBytes + kFieldsBytes + size_t(innerBytes))
        return 4;
    std::memcpy(reinterpret_cast<uint8_t*>(t5) + kFieldsOffset, bytes + kHeaderBytes, kFieldsBytes);
    t5->inner = static_cast<T5Inner*>(T5Malloc(innerBytes));
    if (!t5->inner) return 2;
    t5->innerBytes = innerBytes;
    std::memcpy(t5->inner, bytes + kHeaderBytes + kFieldsBytes, size_t(innerBytes));
    kind = readInt(bytes + 4);
    return 0;
}

DOUBLE_EXPORT int32_t T5ToCompTrace(T5Struct* t5, int32_t formatCode, int32_t distUnits,
                                    uint8_t*& output, int32_t& length) {
    const bool writable = formatCode == 4 || formatCode == 5 || formatCode == 6 ||
                          (formatCode >= 8 && formatCode <= 11);
    if (!writable) return 5;
    if (!t5 || !t5->inner || t5->innerBytes < int32_t(sizeof(T5Inner))) return 4;
    size_t needed = kHeaderBytes + kFieldsBytes + size_t(t5->innerBytes);
    if (length < 0 || size_t(length) < needed) return 2;
    std::memcpy(output, "TOY5", 4);
    writeInt(output + 4, formatCode);
    writeInt(output + 8, distUnits);
    writeInt(output + 12, t5->innerBytes);
    std::memcpy(output + kHeaderBytes, reinterpret_cast<const uint8_t*>(t5) + kFieldsOffset,
                kFieldsBytes);
    std::memcpy(output + kHeaderBytes + kFieldsBytes, t5->inner, size_t(t5->innerBytes));
    output += needed;
    length -= static_cast<int32_t>(needed);
    return 0;
}

// For the tests: inner buffers handed out and not yet released.
DOUBLE_EXPORT int32_t FerrowinDoubleLiveBuffers() {
    return liveBuffers;
}

} // extern "C"
