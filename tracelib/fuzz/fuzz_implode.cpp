// Any byte string must expand without reading or writing out of bounds, and a
// stream that claims success must have stayed inside the block limit.
#include "formats/implode.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out(10000);
    varnel::ExplodeResult r = varnel::Explode({data, size}, out);
    if (r.outLength > out.size()) std::abort();
    return 0;
}
