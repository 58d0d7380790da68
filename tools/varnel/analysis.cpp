#include "analysis.h"

#include "text.h"
#include "trace_io.h"

#include <cmath>

namespace varnel::cli {

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

namespace {

// A reflectance given with either sign, its size within lowest ... highest.
CLI::Validator reflectanceRange(double lowest, double highest) {
    return CLI::Validator(
        [lowest, highest](std::string& text) -> std::string {
            double v = 0;
            if (!CLI::detail::lexical_cast(text, v)) return "Value " + text + " is not a number";
            const double size = std::fabs(v);
            if (size < lowest || size > highest) {
                return "Value " + text + " not in range -" + CLI::detail::to_string(lowest) +
                       " to -" + CLI::detail::to_string(highest);
            }
            return {};
        },
        "REFLECTANCE");
}

} // namespace

void AnalysisOptions::addTo(CLI::App& command) {
    command.add_option("--loss-threshold", lossThresholdDB, "Event loss threshold, dB")
        ->capture_default_str()
        ->check(CLI::Range(0.0, 5.0));
    command.add_option("--refl-threshold", reflThresholdDB, "Event reflectance threshold, dB")
        ->capture_default_str()
        ->check(reflectanceRange(10.0, 70.0));
    command.add_option("--break-threshold", breakThresholdDB, "Fibre break (end) threshold, dB")
        ->capture_default_str()
        ->check(CLI::Range(0.2, 15.0));
    command.add_option("--breaks", numBreaks, "Number of breaks that end the fibre")
        ->capture_default_str()
        ->check(CLI::Range(1, 1000));
    command
        .add_option("--end-at-reflection", endAtReflection,
                    "End the fibre at the Nth reflection (0: off)")
        ->capture_default_str()
        ->check(CLI::Range(0, 10));
    command
        .add_option("--nth-threshold", nthThresholdDB,
                    "Reflectance at or above which a reflection counts for --end-at-reflection, dB")
        ->capture_default_str()
        ->check(reflectanceRange(0.0, 70.0));
}

void AnalysisOptions::apply() const {
    T6SetFASParms(lossThresholdDB, -std::fabs(reflThresholdDB), breakThresholdDB, numBreaks,
                  endAtReflection, -std::fabs(nthThresholdDB));
}

void AnalysisOptions::applyFor(const CT6& record) const {
    if (!useTraceThresholds) return apply();
    // A threshold of 0 was not stored with the trace.
    const auto stored = [](double db, double fallback) { return db != 0 ? db : fallback; };
    T6SetFASParms(stored(record.GetThresholdLoss(), lossThresholdDB),
                  -std::fabs(stored(record.GetThresholdRefl(), reflThresholdDB)),
                  stored(record.GetThresholdBreak(), breakThresholdDB), numBreaks, endAtReflection,
                  -std::fabs(nthThresholdDB));
}

bool analyzeTrace(orvane::CTraceDoc& document, Diagnostics& diagnostics) {
    DiagnosticsPrompts prompts(diagnostics, document.path());
    orvane::ScopedPrompts installed(prompts);
    if (document.Analyze() != 0) return false;
    if (document.LastAnalysisStatus() != T6_FAS_DONE) {
        diagnostics.error(document.path(), fasFailureText(document.LastAnalysisStatus()));
        return false;
    }
    return true;
}

} // namespace varnel::cli
