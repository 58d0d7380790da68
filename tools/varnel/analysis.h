// The automatic event analysis with the thresholds a user chose, run as the
// desktop viewer's Analyze command runs it.
#pragma once

#include "diagnostics.h"

#include "core/trace/trace_doc.h"

#include <varnel/varnel.h>

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>

namespace varnel::cli {

// Defaults are the desktop viewer's preference defaults.
struct AnalysisOptions {
    double lossThresholdDB = 0.05;
    double reflThresholdDB = -40.0;
    double breakThresholdDB = 3.0;
    int32_t numBreaks = 1;
    int32_t endAtReflection = 0; // 0: off
    double nthThresholdDB = -50.0;
    bool useTraceThresholds = false; // set by analyze's --use-trace-thresholds

    // Thresholds within the preferences dialog's ranges.
    void addTo(CLI::App& command);
    // Pushes the thresholds into the library; reflectance thresholds are held
    // negative whatever sign was typed, and the Nth reflection counts from 1.
    void apply() const;
    // With useTraceThresholds, the loss, reflectance and break thresholds the
    // trace stored replace these where it has them.
    void applyFor(const CT6& record) const;
};

// The document's Analyze: FAS, then the attenuation, unless the trace is a
// calculated one (two-way average or delta compare), which is refused with
// the viewer's message. A failed analysis is reported with its reason.
bool analyzeTrace(orvane::CTraceDoc& document, Diagnostics& diagnostics);

// The reason of a FAS status other than done.
std::string fasFailureText(int32_t status);

} // namespace varnel::cli
