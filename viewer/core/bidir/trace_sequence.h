// The traces a cable-wide operation walks through, one at a time: the trace
// list's entries in the viewer, files on the command line, records in tests.
#pragma once

#include <varnel/varnel.h>

#include <cstddef>
#include <string>

namespace orvane::bidir {

class TraceSequence {
public:
    virtual ~TraceSequence() = default;
    virtual std::size_t size() const = 0;
    // Opens entry i; null when it cannot be opened. The record stays valid
    // until release(i).
    virtual CT6* acquire(std::size_t i) = 0;
    virtual void release(std::size_t i) = 0;
    // The name shown in messages (the trace's file name), UTF-8.
    virtual std::string name(std::size_t i) const = 0;
};

// The record's file name, UTF-8.
std::string recordName(const CT6& record);

} // namespace orvane::bidir
