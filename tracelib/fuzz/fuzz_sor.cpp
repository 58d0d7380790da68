// Any bytes must parse as SR-4731 or be refused without touching memory
// outside the input and the record. A file that parses must fill a record;
// that record must write a file that reads back to the same levels and
// events. (The bytes may differ once: a trace whose losses needed an offset
// is written below a smaller dynamic range the second time.)
#include "formats/sor_parse.h"

#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<uint8_t> encode(CT6& r, int32_t version) {
    std::vector<uint8_t> out(static_cast<size_t>(r.CompSR4731(version, nullptr, 0)));
    if (out.empty() || r.CompSR4731(version, out.data(), static_cast<int32_t>(out.size())) !=
                           static_cast<int32_t>(out.size()))
        std::abort();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return 0;
    varnel::sor::probe({data, size});
    varnel::sor::SorFile parsed;
    const bool parses = varnel::sor::parse({data, size}, parsed) == varnel::sor::ParseError::None;

    CT6 r;
    const int32_t status = r.DecompSR4731(data, static_cast<int32_t>(size));
    if (parses != (status == 0)) std::abort();
    if (status != 0) return 0;
    // Long traces analyse correctly but slowly; they would starve the search.
    if (r.DPOCount() > (1 << 16)) return 0;

    const int32_t version = size % 2 ? 1 : 2;
    const std::vector<uint8_t> first = encode(r, version);
    CT6 back;
    if (back.DecompSR4731(first.data(), static_cast<int32_t>(first.size())) != 0) std::abort();
    if (back.DPOCount() != r.DPOCount() || back.EVCount() != r.EVCount()) std::abort();
    for (int32_t j = 0; j < r.DPOCount(); ++j) {
        if (back.DPWGetLONG(j) != r.DPWGetLONG(j)) std::abort();
    }
    for (int32_t i = 0; i < r.EVCount(); ++i) {
        if (back.EVGetStartDP(i) != r.EVGetStartDP(i) ||
            back.EVGetStartFR(i) != r.EVGetStartFR(i) || back.EVGetType(i) != r.EVGetType(i) ||
            back.EVGetFlags(i) != r.EVGetFlags(i))
            std::abort();
    }
    return 0;
}
