#include "diagnostics.h"

#include <cstdio>

namespace varnel::cli {

void Diagnostics::error(const std::string& path, const std::string& message) {
    add({path, message, false});
}

void Diagnostics::warning(const std::string& path, const std::string& message) {
    add({path, message, true});
}

void Diagnostics::add(const Diagnostic& entry) {
    if (!entry.warning) ++m_errors;
    m_entries.push_back(entry);
    if (m_echo) std::fprintf(stderr, "%s\n", diagnosticLine(entry).c_str());
}

std::string diagnosticLine(const Diagnostic& entry) {
    std::string line = "varnel: ";
    if (!entry.path.empty()) line += entry.path + ": ";
    if (entry.warning) line += "warning: ";
    return line + entry.message;
}

} // namespace varnel::cli
