// Opening a trace file of any format: read it whole, recognise it, decode it.
#include <varnel/varnel.h>

#include "formats/file_io.h"
#include "formats/file_status.h"

#include <span>
#include <vector>

namespace status = varnel::file_status;

namespace {

// Files that are not native belong to the SR-4731 reader or to the legacy
// converter route; neither is part of the library yet, so such files are
// reported as unrecognised.
int32_t decompForeign(CT6&, std::span<const uint8_t>) {
    return status::kDamaged;
}

} // namespace

int32_t CT6::DecompFile(const char16_t* path, int32_t crcFlag) {
    std::vector<uint8_t> bytes;
    int32_t result = varnel::readWholeFile(path, bytes);
    if (result != status::kSuccess) return result;

    DPLDestruct();
    const auto length = static_cast<int32_t>(bytes.size());
    if (T6IsT6(bytes.data(), length)) {
        result = DecompT6(bytes.data(), length, crcFlag);
        SetTraceType(u"T6");
    } else {
        result = decompForeign(*this, bytes);
    }
    if (result == status::kSuccess) {
        SetFilespec(path);
        SetTraceRecalled(1);
        ClearAllModFlags();
    }
    return result;
}
