// The outside legacy-format converter, loaded by name at run time when present.
#pragma once

#include <cstdint>

namespace varnel::ferrowin {

using DecompTraceToT5Fn = int32_t (*)(uint8_t*& bytes, int32_t& length, uint32_t createdTime,
                                      uint32_t modifiedTime, int32_t reserved, void* t5,
                                      int32_t& kind);
using T5ToCompTraceFn = int32_t (*)(void* t5, int32_t formatCode, int32_t distUnits,
                                    uint8_t*& output, int32_t& length);
using T5FreeFn = void (*)(void* innerBuffer);
using T5MallocFn = void* (*)(int32_t bytes);

struct Exports {
    DecompTraceToT5Fn decompTraceToT5 = nullptr;
    T5ToCompTraceFn t5ToCompTrace = nullptr;
    T5FreeFn t5Free = nullptr;
    T5MallocFn t5Malloc = nullptr;
    const char16_t* const* productNames = nullptr; // at least 31 entries
};

// The converter's exports, or null when the library or any export is missing.
// The first call looks for "libFerrowin.so" beside this library, then on the
// loader's path.
const Exports* exports();

// Hands a buffer the converter allocated back to it; without the converter
// there can be no such buffer.
void release(void* innerBuffer);

} // namespace varnel::ferrowin
