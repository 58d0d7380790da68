// Writing the record as an SR-4731 file, with the native record embedded.
#include "formats/sor_origin.h"
#include "formats/sor_record.h"
#include "formats/sor_write.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kShortFormGuessBytes = 16384;

} // namespace

void CT6::SR4731::gatherFields(const CT6& r, SorFile& f) {
    gatherGenParams(r, f);
    gatherSupParams(r, f);
    gatherFxdParams(r, f);
    gatherKeyEvents(r, f);
}

int32_t CT6::T6ToSR4731(int32_t version, SR4731Fields& out) const {
    out = SR4731Fields{};
    out.issue = version == 2 ? 2 : 1;
    out.mapRevision = version == 2 ? varnel::sor::kIssue2Revision : varnel::sor::kIssue1Revision;
    SR4731::gatherFields(*this, out);
    if (m_sr4731Origin) m_sr4731Origin->keepUnedited(out);
    return SR4731::gatherDataPts(*this, out);
}

int32_t CT6::CompSR4731(int32_t version, uint8_t* out, int32_t capacity) {
    SR4731Fields fields;
    m_writeRepairs = T6ToSR4731(version, fields);

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

    varnel::sor::WriteExtras extras;
    if (m_sr4731Origin) extras = m_sr4731Origin->extras(fields);
    extras.native = native;
    const std::vector<uint8_t> file = varnel::sor::writeFile(fields, extras);
    if (out && capacity > 0) {
        std::memcpy(out, file.data(), std::min(file.size(), static_cast<size_t>(capacity)));
    }
    return static_cast<int32_t>(std::min<size_t>(file.size(), INT32_MAX));
}
