#include "status_text.h"

#include "text.h"

#include <varnel/varnel.h>

namespace varnel::cli {

namespace {

struct StatusText {
    int32_t status;
    const char* text;
};

const char kNoLegacyConverter[] =
    "This trace format needs the legacy converter (Ferrowin), which is not installed.";

// The texts keep the wording users know from the desktop viewer; the blanks
// and line breaks around them belong to its message boxes and are dropped.
constexpr StatusText kReadTexts[] = {
    {6, "\nCRC error."},
    {9, "File open error \n"},
    {5, "\nInvalid trace format."},
    {2, "Memory allocation error"},
    {T6_ERR_NO_LEGACY_CONVERTER, kNoLegacyConverter},
};

constexpr StatusText kWriteTexts[] = {
    {9, "File open error \n"},
    {5, "\nCan't save since format can not be written.\n\nUse a format which can be written."},
    {2, "Memory allocation error"},
    {10, "File write error."}, // short write: a full disk, not a damaged trace
    {T6_ERR_NO_LEGACY_CONVERTER, kNoLegacyConverter},
};

const char kCorrupted[] = "\nFile data corrupted.";

template <size_t N> std::string lookUp(const StatusText (&table)[N], int32_t status) {
    for (const StatusText& entry : table)
        if (entry.status == status) return collapseBlanks(entry.text);
    return collapseBlanks(kCorrupted);
}

} // namespace

std::string readFailureText(int32_t status) {
    return lookUp(kReadTexts, status);
}

std::string writeFailureText(int32_t status) {
    return lookUp(kWriteTexts, status);
}

std::string accessDeniedText(const std::string& path) {
    return "Access to " + path + " was denied.";
}

} // namespace varnel::cli
