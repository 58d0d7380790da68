// The outside legacy-format converter, loaded by name at run time when present.
// Nothing in the build needs it: without it the legacy route reports
// T6_ERR_NO_LEGACY_CONVERTER.
#pragma once

#include <varnel/t5_struct.h>

#include <cstdint>

namespace varnel::ferrowin {

struct Exports {
    T5DecompTraceToT5Fn decompTraceToT5 = nullptr;
    T5ToCompTraceFn t5ToCompTrace = nullptr;
    T5FreeFn t5Free = nullptr;
    T5MallocFn t5Malloc = nullptr;
    const char16_t* const* productNames = nullptr; // at least T5_PRODUCT_NAME_COUNT entries
};

// The converter's exports, or null when the library or any export is missing.
// The first call looks for "libFerrowin.so" beside this library, then on the
// loader's path.
const Exports* exports();

// Hands a buffer the converter allocated back to it; without the converter
// there can be no such buffer. Holders that know which converter allocated a
// buffer release it through that converter's own T5Free.
void release(void* innerBuffer);

// Tests choose the converter: the library at this path from now on, or none
// at all for a null path. A converter loaded before stays loaded, since
// buffers it allocated may still be alive.
void useLibraryForTesting(const char* path);

} // namespace varnel::ferrowin
