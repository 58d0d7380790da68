// The question that chooses how a header template is stored.
#pragma once

#include "core/headered/header_constants.h"

#include <optional>
#include <string>

namespace orvane {

// The question's text with every placeholder replaced by the model name.
std::string encodingQuestionText(const std::string& modelName);

// Yes: the instrument's 8-bit characters; No: Unicode; Cancel: nothing,
// and the save is abandoned.
std::optional<HeaderEncoding> AskHeaderEncoding();

} // namespace orvane
