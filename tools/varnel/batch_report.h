// The batch report: one ';'-separated line per event of each trace, text
// fields in double quotes, under a header line of fourteen titles; and the
// min/max summary of event counts and end distances.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::cli {

std::string reportHeaderLine();

// Lines (each ending in a line feed) for the events of the record whose start
// is not negative; name is the trace's name in the first field.
std::vector<std::string> reportLines(const CT6& record, const std::string& name);

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

    // "Min/max events and end distances :" and one line per extreme.
    std::string text() const;

private:
    int m_traces = 0;
    Extreme m_fewest{"", 9999};
    Extreme m_most{"", -9999};
    Extreme m_shortest{"", 1e9};
    Extreme m_longest{"", -1e9};
};

} // namespace varnel::cli
