// Opening a trace file of any format: read it whole, recognise it, decode it.
#include <varnel/varnel.h>

#include "formats/file_io.h"
#include "formats/sor_parse.h"

#include <span>
#include <vector>

namespace {

// Files that are not native belong to the SR-4731 reader, except those it
// does not know and issue-1 files with a "KVRParams" block, which go to the
// legacy converter route.
int32_t decompForeign(CT6& record, const char16_t* path, std::span<const uint8_t> bytes) {
    const varnel::sor::Probe probe = varnel::sor::probe(bytes);
    const auto length = static_cast<int32_t>(bytes.size());
    if (probe.version == 0 || (probe.version == 1 && probe.blockMark == 1))
        return record.DecompLegacy(path, bytes.data(), length);
    return record.DecompSR4731(bytes.data(), length);
}

} // namespace

int32_t CT6::DecompFile(const char16_t* path, int32_t crcFlag) {
    std::vector<uint8_t> bytes;
    int32_t result = varnel::readWholeFile(path, bytes);
    if (result != T6_FILE_OK) return result;

    DPLDestruct();
    const auto length = static_cast<int32_t>(bytes.size());
    if (T6IsT6(bytes.data(), length)) {
        result = DecompT6(bytes.data(), length, crcFlag);
        SetTraceType(u"T6");
    } else {
        result = decompForeign(*this, path, bytes);
    }
    if (result == T6_FILE_OK) {
        SetFilespec(path);
        SetTraceRecalled(1);
        ClearAllModFlags();
    }
    return result;
}
