// The exception report: each trace compared with the reference (the list's
// primary trace) and checked for unusual events, one row per exception
// under the criteria that are switched on.
#pragma once

#include "core/bidir/exception_criteria.h"
#include "core/bidir/trace_sequence.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::bidir {

inline constexpr char kExceptionHeading[] = "/Trace/Exception/Information";

struct ExceptionRow {
    std::string trace;
    std::string label;
    std::string information;
    // "/" + trace + "/" + label + "/" + information
    std::string text() const;
};

// The exceptions of one trace, in the criteria's order. Duplicate
// waveforms are a matter of the whole report (see ExceptionReport).
std::vector<ExceptionRow> TraceExceptions(const CT6& trace, const std::string& name,
                                          const CT6& reference, const ExceptionCriteria& criteria);

// The 16-bit check value of the trace's stored data-point bytes.
uint16_t WaveformCheckValue(const CT6& trace);

// Every trace of the sequence in order, with "Duplicate Waveform" rows
// naming the earlier trace whose data points are the same.
std::vector<ExceptionRow> ExceptionReport(TraceSequence& traces, const CT6& reference,
                                          const ExceptionCriteria& criteria);

} // namespace orvane::bidir
