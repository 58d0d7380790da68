// Warnings that a cable-wide run shows at most once each: OK goes on, Cancel
// (the default) ends the run.
#pragma once

#include <string>

namespace orvane::bidir {

// The closing line of every such warning.
inline constexpr char kNotRepeated[] = "\nThis warning will not be repeated.";

// Asks through the prompt service (exclamation, OK/Cancel, Cancel the
// default) with the closing line added; true for OK.
bool confirmOnce(const std::string& subject, const std::string& text);

// An OK/Cancel question without the closing line; true for OK.
bool confirmOkCancel(const std::string& subject, const std::string& text);

} // namespace orvane::bidir
