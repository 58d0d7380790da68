#include "output.h"

#include "commands.h"

#include <cstdio>

namespace varnel::cli {

void printJson(const nlohmann::ordered_json& document) {
    // Texts from files may hold invalid UTF-8; replace rather than fail.
    std::string text =
        document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void printText(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

nlohmann::ordered_json toJson(const Diagnostic& entry) {
    return {{"path", entry.path}, {"message", entry.message}};
}

void addDiagnostics(nlohmann::ordered_json& document, const Diagnostics& diagnostics) {
    nlohmann::ordered_json errors = nlohmann::ordered_json::array();
    nlohmann::ordered_json warnings = nlohmann::ordered_json::array();
    for (const Diagnostic& entry : diagnostics.entries())
        (entry.warning ? warnings : errors).push_back(toJson(entry));
    document["errors"] = errors;
    document["warnings"] = warnings;
}

int finishFiles(const char* key, const nlohmann::ordered_json& items,
                const Diagnostics& diagnostics, bool json) {
    if (json) {
        nlohmann::ordered_json document = {{key, items}};
        addDiagnostics(document, diagnostics);
        printJson(document);
    }
    return diagnostics.errorCount() > 0 ? kExitFileFailed : kExitOK;
}

} // namespace varnel::cli
