// The Parameters page of a trace's properties: the acquisition header as
// texts, and Apply of a new index of refraction and backscatter coefficient.
#pragma once

#include "core/trace/trace_doc.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

// Label and text of each read-only field, in page order.
std::vector<std::pair<std::string, std::string>> parameterFields(const CTraceDoc& doc);
std::string iorText(const CTraceDoc& doc);
std::string backscatterText(const CTraceDoc& doc);

// The fields read and checked; nothing (after telling why) when refused.
std::optional<double> readIOR(const std::string& text);
std::optional<double> readBackscatter(const std::string& text);

// Apply: checks both fields (telling the first failure; nothing changes
// then) and applies them; notify passes HINT_IOR_CHANGED when the index of
// refraction changed, then HINT_TRACE_CHANGED, on to the trace list.
bool applyParameters(CTraceDoc& doc, const std::string& ior, const std::string& backscatter,
                     const std::function<void(HintCode)>& notify);

inline constexpr double kLowestIOR = 1.3;
inline constexpr double kHighestIOR = 1.7;
inline constexpr int kIORDecimals = 6;
inline constexpr double kHighestBackscatter = -40.0;
inline constexpr double kLowestBackscatter = -90.0;
inline constexpr char kIORNotNumber[] = "Index of Refraction must be a number.";
inline constexpr char kIOROutOfRange[] = "Index of Refraction must be between 1.3 and 1.7.";
inline constexpr char kLimitDecimals[] = "Please limit number to 6 decimal places.";
inline constexpr char kBackscatterRange[] =
    "Backscatter Coefficient value not in the range  %.1f  to  %.1f.\n\nNote that a 1 "
    "nanosecond pulse is assumed.\nSo if your value is microsecond based then subtract 30 dB.";

} // namespace orvane
