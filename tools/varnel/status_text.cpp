#include "status_text.h"

#include "core/platform/file_access.h"
#include "core/trace/trace_messages.h"
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

// The viewer's texts; the blanks and line breaks around them belong to its
// message boxes and are dropped on a terminal.
std::string readFailureText(int32_t status) {
    return collapseBlanks(orvane::traceReadFailureText(status));
}

std::string writeFailureText(int32_t status) {
    return collapseBlanks(orvane::traceWriteFailureText(status));
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
    return orvane::accessDeniedText(path);
}

} // namespace varnel::cli
