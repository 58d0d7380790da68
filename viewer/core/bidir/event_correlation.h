// CorrelateEvents: which of a trace's events sits at each splice position of
// a reference (template) trace, within a tolerance that grows with the
// trace's length.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::bidir {

inline constexpr int32_t kNoMatch = -1;

inline constexpr char kEventAtText[] = " event at ";
inline constexpr char kDoesNotCorrelateText[] =
    "\ndoes not correlate with any Reference Trace event.";

struct CorrelationSettings {
    double corrPercent = 2.0;      // "Correlation %" of the trace's end distance
    bool ignorePatchCord = true;   // "Ignore Patch Cord Connector"
    double patchCordKM = 0.200;    // "StartPatchCordDis"
    double patchCordPercent = 2.0; // of the end distance, whichever is smaller
};

struct CorrelationResult {
    std::vector<int32_t> matched;         // per reference position: trace event index or kNoMatch
    std::vector<int32_t> unmatchedEvents; // candidate events that fit no position
    bool cancelled = false;               // the warning was answered with Cancel
};

// positionsKM are the reference's splice positions and referenceKM its length
// (start of its last event); the trace's positions are scaled by its own
// length over that. With warn, the first event that fits nowhere is reported
// through the prompt service.
CorrelationResult CorrelateEvents(const CT6& trace, const std::vector<double>& positionsKM,
                                  double referenceKM, const CorrelationSettings& settings,
                                  bool warn = true);

} // namespace orvane::bidir
