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

} // namespace varnel::cli
