#include "status_text.h"

#include "core/platform/file_access.h"
#include "core/trace/trace_messages.h"
#include "text.h"

#include <varnel/file_io.h>
#include <varnel/sor_damage.h>
#include <varnel/varnel.h>

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
    return varnel::readRefusal(orvane::libraryPath(path).c_str());
}

std::string damageWhere(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (varnel::readWholeFile(orvane::libraryPath(path).c_str(), bytes) != T6_FILE_OK) return {};
    SorDamage where;
    if (!FindSorDamage(bytes.data(), bytes.size(), where)) return {};
    return "Reading stopped in block \"" + where.block + "\" at offset " +
           std::to_string(where.offset) + ".";
}

std::string accessDeniedText(const std::string& path) {
    return orvane::accessDeniedText(path);
}

} // namespace varnel::cli
