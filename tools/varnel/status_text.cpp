#include "status_text.h"

#include "text.h"

#include <varnel/sor_damage.h>
#include <varnel/varnel.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace varnel::cli {

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

// The texts keep the wording users know from the desktop viewer; the blanks
// and line breaks around them belong to its message boxes and are dropped.
constexpr StatusText kReadTexts[] = {
    {T6_FILE_CHECKSUM_MISMATCH, "\nCRC error."},
    {T6_FILE_CANNOT_OPEN, "File open error \n"},
    {T6_FILE_INVALID_CONTENT, "\nInvalid trace format."},
    {T6_FILE_NO_MEMORY, "Memory allocation error"},
    {T6_ERR_NO_LEGACY_CONVERTER, kNotNativeNorSR4731},
};

constexpr StatusText kWriteTexts[] = {
    {T6_FILE_CANNOT_OPEN, "File open error \n"},
    {T6_FILE_INVALID_CONTENT,
     "\nCan't save since format can not be written.\n\nUse a format which can be written."},
    {T6_FILE_NO_MEMORY, "Memory allocation error"},
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

std::string openFailureReason(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
    if (::access(path.c_str(), R_OK) != 0) return std::strerror(errno);
    return {};
}

std::string damageWhere(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    SorDamage where;
    if (!FindSorDamage(bytes.data(), bytes.size(), where)) return {};
    return "Reading stopped in block \"" + where.block + "\" at offset " +
           std::to_string(where.offset) + ".";
}

std::string accessDeniedText(const std::string& path) {
    return "Access to " + path + " was denied.";
}

} // namespace varnel::cli
