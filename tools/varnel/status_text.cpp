#include "status_text.h"

#include "core/platform/file_access.h"
#include "core/trace/trace_messages.h"
#include "text.h"

namespace varnel::cli {

// The viewer's texts; the blanks and line breaks around them belong to its
// message boxes and are dropped on a terminal.
std::string readFailureText(int32_t status) {
    return collapseBlanks(orvane::traceReadFailureText(status));
}

std::string writeFailureText(int32_t status) {
    return collapseBlanks(orvane::traceWriteFailureText(status));
}

std::string accessDeniedText(const std::string& path) {
    return orvane::accessDeniedText(path);
}

} // namespace varnel::cli
