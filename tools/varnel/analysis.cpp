#include "analysis.h"

#include "text.h"

#include <cmath>

namespace varnel::cli {

namespace {

// FAS statuses other than done.
std::string fasFailureText(int32_t status) {
    switch (status) {
    case T6_FAS_NO_MEMORY:
        return "Memory allocation error";
    case T6_FAS_LINEAR_POINTS:
        return "Analysis needs the stored data points, not an acquisition's linear samples.";
    case T6_FAS_NO_TRACE:
        return "No trace to analyze.";
    default:
        return "Analysis failed.";
    }
}

} // namespace

void AnalysisOptions::addTo(CLI::App& command) {
    command.add_option("--loss-threshold", lossThresholdDB, "Event loss threshold, dB")
        ->capture_default_str();
    command.add_option("--refl-threshold", reflThresholdDB, "Event reflectance threshold, dB")
        ->capture_default_str();
    command.add_option("--break-threshold", breakThresholdDB, "Fibre break (end) threshold, dB")
        ->capture_default_str();
    command.add_option("--breaks", numBreaks, "Number of breaks that end the fibre")
        ->capture_default_str()
        ->check(CLI::Range(1, 1000));
    command
        .add_option("--end-at-reflection", endAtReflection,
                    "End the fibre at the Nth reflection (0: off)")
        ->capture_default_str()
        ->check(CLI::Range(0, 1000));
    command
        .add_option("--nth-threshold", nthThresholdDB,
                    "Reflectance at or above which a reflection counts for --end-at-reflection, dB")
        ->capture_default_str();
}

void AnalysisOptions::apply() const {
    T6SetFASParms(lossThresholdDB, -std::fabs(reflThresholdDB), breakThresholdDB, numBreaks,
                  endAtReflection, -std::fabs(nthThresholdDB));
}

bool analyzeTrace(CT6& record, const std::string& path, Diagnostics& diagnostics) {
    if (!record.OKToAnalyze()) {
        diagnostics.error(path, "Can't analyze trace (2-Way Average, Delta Compare) : " +
                                    fileNameOf(path));
        return false;
    }
    int32_t status = record.FAS();
    if (status != T6_FAS_DONE) {
        diagnostics.error(path, fasFailureText(status));
        return false;
    }
    record.CalcAtn();
    return true;
}

} // namespace varnel::cli
