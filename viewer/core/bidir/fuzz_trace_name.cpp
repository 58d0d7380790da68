// Trace names and conventions come from the user and from file names: any
// text must decode, be refused or be checked without reading out of bounds.
#include "core/bidir/trace_name.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // First half the convention, second half the name, one byte per character.
    const size_t half = size / 2;
    std::u16string convention(data, data + half);
    std::u16string name(data + half, data + size);
    orvane::bidir::ValidateFileNameConvention(convention);
    orvane::bidir::DecodeTraceName(name, convention);
    orvane::bidir::DecodeInstrumentTraceName(name,
                                             orvane::bidir::ParseInstrumentFormat(convention));
    return 0;
}
