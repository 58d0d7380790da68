// Errors and warnings about the files a command works on, gathered so that a
// batch can report them after its workers and count them in its summary.
#pragma once

#include <string>
#include <vector>

namespace varnel::cli {

struct Diagnostic {
    std::string path;
    std::string message;
    bool warning = false;
};

class Diagnostics {
public:
    // When echoing, every entry is also written to stderr as it arrives.
    explicit Diagnostics(bool echo = true) : m_echo(echo) {}

    void error(const std::string& path, const std::string& message);
    void warning(const std::string& path, const std::string& message);
    void add(const Diagnostic& entry);

    int errorCount() const { return m_errors; }
    const std::vector<Diagnostic>& entries() const { return m_entries; }

private:
    bool m_echo;
    int m_errors = 0;
    std::vector<Diagnostic> m_entries;
};

// "varnel: PATH: MESSAGE" (with "warning: " before a warning's message).
std::string diagnosticLine(const Diagnostic& entry);

} // namespace varnel::cli
