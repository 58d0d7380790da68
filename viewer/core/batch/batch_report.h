// The batch report: one ';'-separated line per event of each trace, text
// fields in double quotes; layout 1 under a header line of fourteen titles,
// layout 0 with the trace's acquisition fields after each line. And the
// min/max summary of event counts and end distances.
#pragma once

#include "core/batch/batch_messages.h"
#include "core/trace/trace_doc.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::batch {

// The header line, with its line feed; empty for layouts without one.
std::string reportHeaderLine(int32_t layout);

// Lines (each ending in a line feed) for the events of the trace whose start
// is not negative; name is the trace's name in the first field.
std::vector<std::string> reportLines(const CTraceDoc& trace, const std::string& name,
                                     int32_t layout);

// A text field: in double quotes, a quote inside doubled.
std::string quoted(const std::string& text);

// Events 1 to count-1 that start at or after 0 km.
int32_t countedEvents(const CT6& record);

class MinMaxSummary {
public:
    // endDistance in the current distance unit.
    void add(const std::string& trace, int32_t eventCount, double endDistance);
    bool empty() const { return m_traces == 0; }

    struct Extreme {
        std::string trace;
        double value = 0;
    };
    Extreme fewestEvents() const { return m_fewest; }
    Extreme mostEvents() const { return m_most; }
    Extreme shortestEnd() const { return m_shortest; }
    Extreme longestEnd() const { return m_longest; }

    // The heading and one line per extreme.
    std::string text() const;

private:
    int m_traces = 0;
    Extreme m_fewest{"", kFewestEventsStart};
    Extreme m_most{"", kMostEventsStart};
    Extreme m_shortest{"", kShortestEndStart};
    Extreme m_longest{"", kLongestEndStart};
};

} // namespace orvane::batch
