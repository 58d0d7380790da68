// The display strings the trace library puts into its texts (units, months,
// trace and event kinds, loss modes), pushed at start-up in the program's
// language.
#pragma once

#include <functional>
#include <string>

namespace orvane {

// English text -> the text in the program's language.
using Translate = std::function<std::string(const char* english)>;

void PushDisplayStrings(const Translate& translate);

} // namespace orvane
