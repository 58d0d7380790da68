// Writing results to stdout, as text or as one JSON document.
#pragma once

#include "diagnostics.h"

#include <nlohmann/json.hpp>

#include <string>

namespace varnel::cli {

void printJson(const nlohmann::ordered_json& document);
void printText(const std::string& text);

nlohmann::ordered_json toJson(const Diagnostic& entry);
// Errors and warnings as {"errors": [...], "warnings": [...]} entries added to document.
void addDiagnostics(nlohmann::ordered_json& document, const Diagnostics& diagnostics);

// The end of a command that takes each file on its own: with json, prints
// {key: items, errors, warnings}; returns the exit status, a failure when any
// file failed.
int finishFiles(const char* key, const nlohmann::ordered_json& items,
                const Diagnostics& diagnostics, bool json);

} // namespace varnel::cli
