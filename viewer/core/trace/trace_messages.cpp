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
const char kCorrupted[] = "\nFile data corrupted.";
const char kMemory[] = "Memory allocation error";

constexpr StatusText kReadTexts[] = {
    {T6_FILE_CHECKSUM_MISMATCH, "\nCRC error."},          {T6_FILE_CANNOT_OPEN, kFileOpenErrorText},
    {T6_FILE_INVALID_CONTENT, "\nInvalid trace format."}, {T6_FILE_NO_MEMORY, kMemory},
    {T6_ERR_NO_LEGACY_CONVERTER, kNoLegacyConverter},
};

constexpr StatusText kWriteTexts[] = {
    {T6_FILE_CANNOT_OPEN, kFileOpenErrorText},
    {T6_FILE_INVALID_CONTENT,
     "\nCan't save since format can not be written.\n\nUse a format which can be written."},
    {T6_FILE_NO_MEMORY, kMemory},
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

} // namespace orvane
