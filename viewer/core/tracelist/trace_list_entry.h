// CTraceListEntry: one listed trace. It opens the trace's document only
// while someone uses it (the use count), so that a list of thousands of
// traces holds records only for the few displayed or being worked on.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

class CTraceDoc;

struct CTraceListEntry {
    // The trace file's full path; a computed trace has a bare name.
    std::string path;
    // False when a list file named a trace that could not be found.
    bool found = true;
    bool displayed = false;
    int32_t useCount = 0;
    // Owned by the entry while present (its automatic deletion is off).
    CTraceDoc* document = nullptr;
};

} // namespace orvane
