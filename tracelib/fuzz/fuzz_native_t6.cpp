// Any bytes must decode without touching memory outside the input and the
// record; a trace that decodes must encode, and its encoding must decode to
// the same status and encode to the same bytes again.
#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::vector<uint8_t> encode(CT6& r) {
    std::vector<uint8_t> out(static_cast<size_t>(r.CompT6(nullptr, 0, 0, 1)));
    if (out.empty() || r.CompT6(out.data(), static_cast<int32_t>(out.size()), 0, 1) !=
                           static_cast<int32_t>(out.size()))
        std::abort();
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return 0;
    CT6 r;
    int32_t status = r.DecompT6(data, static_cast<int32_t>(size), size % 2);
    if (status != 0 && status != 5) return 0;
    // Huge tables re-encode correctly but slowly; they would starve the search.
    if (r.EVCount() > 4096 || r.DPOCount() > (1 << 20)) return 0;

    std::vector<uint8_t> first = encode(r);
    CT6 back;
    if (back.DecompT6(first.data(), static_cast<int32_t>(first.size()), 1) != status) std::abort();
    if (encode(back) != first) std::abort();
    return 0;
}
