// Text between the library's UTF-16 buffers and the terminal's UTF-8: the
// viewer core's helpers, under the tool's names.
#pragma once

#include "core/platform/text.h"

namespace varnel::cli {

using orvane::collapseBlanks;
using orvane::fileNameOf;
using orvane::kTextRoom;
using orvane::textOf;
using orvane::toUtf16;
using orvane::toUtf8;
using orvane::trimmed;

} // namespace varnel::cli
