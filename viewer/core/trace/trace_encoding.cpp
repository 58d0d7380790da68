#include "core/trace/trace_encoding.h"

#include "core/platform/text.h"
#include "core/trace/trace_formats.h"
#include "core/trace/trace_messages.h"

#include <new>

namespace orvane {

namespace {

constexpr size_t kRetryExtraBytes = 1000;
constexpr size_t kExtraBytes = 100000;
constexpr int32_t kSR4731Issue1 = 1;
constexpr int32_t kSR4731Issue2 = 2;

bool allocate(std::vector<uint8_t>& buffer, size_t bytes) {
    try {
        buffer.assign(bytes, 0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

int32_t encodeNative(CT6& record, std::vector<uint8_t>& buffer, size_t& size) {
    record.SetNullOrigToTraceType();
    char16_t kept[kTextRoom] = {};
    record.GetTraceType(kept);
    record.SetTraceType(u"T6");
    const int32_t status = encodeWithRetry(
        [&](uint8_t* out, int32_t capacity) { return record.CompT6(out, capacity, 0, 0); },
        firstEncodingCapacity(record), buffer, size);
    record.SetTraceType(kept);
    return status;
}

int32_t encodeSR4731(CT6& record, int32_t version, std::vector<uint8_t>& buffer, size_t& size) {
    return encodeWithRetry(
        [&](uint8_t* out, int32_t capacity) { return record.CompSR4731(version, out, capacity); },
        firstEncodingCapacity(record), buffer, size);
}

// The SR-4731 issue the format is written in; 0 when it is not. A trace that
// came through the legacy route keeps its structure and goes back through
// it; any other GR196 trace is written as SR-4731 issue 1.
int32_t sr4731Issue(const CT6& record, int32_t format) {
    switch (traceFormatRow(format).writer) {
    case FormatWriter::SR4731:
        return kSR4731Issue2;
    case FormatWriter::GR196:
        return record.GetPtrT5Struct() ? 0 : kSR4731Issue1;
    default:
        return 0;
    }
}

} // namespace

size_t firstEncodingCapacity(const CT6& record) {
    const int32_t points = record.DPOCount();
    return 2 * static_cast<size_t>(points > 0 ? points : 0) + kExtraBytes;
}

int32_t encodeWithRetry(const TraceEncoder& encode, size_t firstCapacity,
                        std::vector<uint8_t>& buffer, size_t& size) {
    if (!allocate(buffer, firstCapacity)) return T6_FILE_NO_MEMORY;
    for (bool retry : {false, true}) {
        const int32_t needed = encode(buffer.data(), static_cast<int32_t>(buffer.size()));
        if (needed <= 0) return T6_FILE_ENCODER_FAILED;
        size = static_cast<size_t>(needed);
        if (size <= buffer.size()) return T6_FILE_OK;
        if (retry || !allocate(buffer, size + kRetryExtraBytes)) break;
    }
    return T6_FILE_NO_MEMORY;
}

int32_t encodeTrace(CT6& record, int32_t format, std::vector<uint8_t>& buffer, size_t& size) {
    const FormatWriter writer = traceFormatRow(format).writer;
    if (writer == FormatWriter::None) return T6_FILE_INVALID_CONTENT;
    if (writer == FormatWriter::Native) return encodeNative(record, buffer, size);
    if (const int32_t issue = sr4731Issue(record, format))
        return encodeSR4731(record, issue, buffer, size);
    return record.CompLegacy(format, buffer, size);
}

int32_t encodingRepairs(const CT6& record, int32_t format) {
    return sr4731Issue(record, format) ? record.GetWriteRepairs() : 0;
}

} // namespace orvane
