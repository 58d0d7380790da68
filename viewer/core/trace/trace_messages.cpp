#include "core/trace/trace_messages.h"

#include <varnel/varnel.h>

namespace orvane {

namespace {

struct StatusText {
    int32_t status;
    const char* text;
};

const char kNoLegacyConverter[] =
    "This trace format needs the legacy converter (Ferrowin), which is not installed.";
const char kNotNativeNorSR4731[] = "The file is neither a native (T6) nor an SR-4731 trace file. "
                                   "Other trace formats need the legacy converter (Ferrowin), "
                                   "which is not installed.";
const char kCorrupted[] = "\nFile data corrupted.";
const char kMemory[] = "Memory allocation error";

constexpr StatusText kReadTexts[] = {
    {T6_FILE_CHECKSUM_MISMATCH, "\nCRC error."},          {T6_FILE_CANNOT_OPEN, kFileOpenErrorText},
    {T6_FILE_INVALID_CONTENT, "\nInvalid trace format."}, {T6_FILE_NO_MEMORY, kMemory},
    {T6_ERR_NO_LEGACY_CONVERTER, kNotNativeNorSR4731},
};

constexpr StatusText kWriteTexts[] = {
    {T6_FILE_CANNOT_OPEN, kFileOpenErrorText},
    {T6_FILE_INVALID_CONTENT,
     "\nCan't save since format can not be written.\n\nUse a format which can be written."},
    {T6_FILE_NO_MEMORY, kMemory},
    {T6_FILE_SHORT_WRITE, kFileWriteErrorText}, // a full disk, not a damaged trace
    {T6_ERR_NO_LEGACY_CONVERTER, kNoLegacyConverter},
};

template <size_t N> std::string lookUp(const StatusText (&table)[N], int32_t status) {
    for (const StatusText& entry : table)
        if (entry.status == status) return entry.text;
    return kCorrupted;
}

} // namespace

const char kFileOpenErrorText[] = "File open error \n";
const char kFileWriteErrorText[] = "File write error.";
const char kIllegalIORText[] =
    "illegal trace Index of Refraction.\nWill set to a legal value and continue.";
const char kCannotAnalyzeText[] = "Can't analyze trace (2-Way Average, Delta Compare)";
const char kBackscatterWarningText[] =
    "The Trace ORL will be adjusted for the new BackScatter Coefficient,\nevent reflection will "
    "not be adjusted.\n\nThis warning will not be repeated.";
const char kHeaderTemplateErrorText[] = "Error reading trace header template file.";
const char kHeaderDeletedText[] = "The header will be deleted.";
const char kHeaderReplacedText[] = "Replace current header.";

std::string traceReadFailureText(int32_t status) {
    return lookUp(kReadTexts, status);
}

std::string traceWriteFailureText(int32_t status) {
    return lookUp(kWriteTexts, status);
}

namespace {

struct RepairText {
    int32_t bit;
    const char* text;
};

constexpr RepairText kReadRepairTexts[] = {
    {T6_READ_EVENTS_OFF_TRACE, "key events that lie off the trace were left out."},
    {T6_READ_MARKERS_OFF_TRACE, "event markers that lie off the trace were ignored."},
    {T6_READ_OFFSET_OFF_TRACE, "an offset that puts 0 km off the trace was ignored."},
};

constexpr RepairText kWriteRepairTexts[] = {
    {T6_WRITE_LEVELS_INEXACT,
     "Some trace levels could not be stored exactly in the SR-4731 file; they were written as "
     "the nearest levels the file can hold."},
};

template <size_t N> std::vector<std::string> textsOf(const RepairText (&table)[N], int32_t bits) {
    std::vector<std::string> texts;
    for (const RepairText& r : table)
        if (bits & r.bit) texts.emplace_back(r.text);
    return texts;
}

} // namespace

std::vector<std::string> traceReadRepairTexts(int32_t repairs) {
    return textsOf(kReadRepairTexts, repairs);
}

std::vector<std::string> traceWriteRepairTexts(int32_t repairs) {
    return textsOf(kWriteRepairTexts, repairs);
}

} // namespace orvane
