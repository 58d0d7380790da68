// Writing the record as an SR-4731 file, with the native record embedded.
#include "formats/sor_record.h"
#include "formats/sor_write.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kShortFormGuessBytes = 16384;

} // namespace

void CT6::T6ToSR4731(int32_t version, SR4731Fields& out) const {
    out = SR4731Fields{};
    out.issue = version == 2 ? 2 : 1;
    out.mapRevision = version == 2 ? varnel::sor::kIssue2Revision : varnel::sor::kIssue1Revision;
    SR4731::gatherGenParams(*this, out);
    SR4731::gatherSupParams(*this, out);
    SR4731::gatherFxdParams(*this, out);
    SR4731::gatherKeyEvents(*this, out);
    SR4731::gatherDataPts(*this, out);
}

int32_t CT6::CompSR4731(int32_t version, uint8_t* out, int32_t capacity) {
    SR4731Fields fields;
    T6ToSR4731(version, fields);

    // The short form: everything but the data points, which DataPts carries.
    std::vector<uint8_t> native(kShortFormGuessBytes);
    int32_t nativeSize = CompT6Basic(native.data(), static_cast<int32_t>(native.size()), 0, 0, 1);
    if (nativeSize > static_cast<int32_t>(native.size())) {
        native.resize(static_cast<size_t>(nativeSize));
        nativeSize = CompT6Basic(native.data(), nativeSize, 0, 0, 1);
    }
    native.resize(nativeSize > 0 && nativeSize <= static_cast<int32_t>(native.size())
                      ? static_cast<size_t>(nativeSize)
                      : 0);

    const std::vector<uint8_t> file = varnel::sor::writeFile(fields, native);
    if (out && capacity > 0) {
        std::memcpy(out, file.data(), std::min(file.size(), static_cast<size_t>(capacity)));
    }
    return static_cast<int32_t>(std::min<size_t>(file.size(), INT32_MAX));
}
