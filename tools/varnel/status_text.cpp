#include "status_text.h"

#include "core/platform/file_access.h"
#include "core/trace/trace_messages.h"
#include "text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

std::string accessDeniedText(const std::string& path) {
    return orvane::accessDeniedText(path);
}

} // namespace varnel::cli
