#include "batch_step_options.h"

#include "text.h"
#include "trace_io.h"

#include <varnel/varnel.h>

namespace varnel::cli {

namespace {

constexpr char kOriginal[] = "Original";
const std::vector<std::string> kSaveFormats = {kOriginal,  "T6",      "SR4731", "GR196",
                                               "Bellcore", "T5",      "T4",     "TEK WFM",
                                               "R90",      "R90 Min", "R90 Max"};

int32_t choiceOf(const std::string& format) {
    if (format == kOriginal) return orvane::kChoiceOriginal;
    return saveChoiceCode(toUtf16(format));
}

} // namespace

void BatchStepOptions::addTo(CLI::App& command) {
    using orvane::batch::kMaxPatchCords;
    command.add_option("--set-ior", ior, "Set the index of refraction")
        ->check(CLI::Range(1.3, 1.7));
    command.add_option("--backscatter", backscatterDB, "Set the backscatter coefficient (dB)")
        ->check(CLI::Range(-90.0, -40.0));
    command
        .add_option("--shift", shift, "Set the horizontal (distance unit) and vertical (dB) shift")
        ->expected(2)
        ->delimiter(',');
    command.add_flag("--remove-analysis", removeAnalysis,
                     "Remove the events (and the template mark) first");
    command.add_option("--remove-nearer", nearerThan,
                       "Remove events that start, shift removed, nearer than this distance");
    command.add_option("--remove-farther", fartherThan,
                       "Remove events that start farther than this distance");
    command
        .add_option("--cords-start", startCords,
                    "Remove N patch cords from the start (shift event N to 0.004 km)")
        ->check(CLI::Range(0, kMaxPatchCords));
    command.add_option("--cords-end", endCords, "Remove N patch cords from the end")
        ->check(CLI::Range(0, kMaxPatchCords));
    command.add_option("--orl", orl, "Calculate the ORL between the cursors or of the full trace")
        ->check(CLI::IsMember({"a-to-b", "full"}));
    command.add_option("--cursors", cursors, "Cursors A,B (distance unit) for --orl a-to-b")
        ->expected(2)
        ->delimiter(',');
    command.add_flag("--export", exportDataPoints, "Export each trace's data points (PATH.TXT)");
    command.add_option("--save-as", saveAs, "Save each trace in its own file, in this format")
        ->check(CLI::IsMember(kSaveFormats));
    command
        .add_option("--layout", layout,
                    "Report layout: 1 a header line of titles, 0 acquisition fields per line")
        ->capture_default_str()
        ->check(CLI::Range(0, 1));
    command.add_flag("--summary,!--no-summary", summary,
                     "Min/max summary of event counts and end distances (default on)");
    command.add_flag("--yes", yes, "Answer the batch's questions with OK instead of their default");
}

orvane::batch::BatchSettings BatchStepOptions::settings(bool analyze) const {
    orvane::batch::BatchSettings s;
    s.generateReport = true;
    s.reportLayout = layout;
    s.setIOR = ior.has_value();
    s.ior = ior.value_or(s.ior);
    s.setBackscatter = backscatterDB.has_value();
    s.backscatterDB = backscatterDB.value_or(s.backscatterDB);
    s.setShift = shift.size() == 2;
    if (s.setShift) {
        s.horzShiftKM = T6KMFromCurDist(shift[0]);
        s.vertShiftDB = shift[1];
    }
    s.removeAnalysis = removeAnalysis;
    s.analyze = analyze;
    s.removeNearer = nearerThan.has_value();
    s.nearerThan = nearerThan.value_or(0.0);
    s.removeFarther = fartherThan.has_value();
    s.fartherThan = fartherThan.value_or(0.0);
    s.cordsFromStart = startCords.has_value();
    s.startCords = startCords.value_or(0);
    s.cordsFromEnd = endCords.has_value();
    s.endCords = endCords.value_or(0);
    s.calculateORL = !orl.empty();
    s.orlRange = orl == "full" ? orvane::batch::kORLFullTrace : orvane::batch::kORLAToB;
    s.exportDataPoints = exportDataPoints;
    s.saveTraces = !saveAs.empty();
    if (s.saveTraces) s.saveChoice = choiceOf(saveAs);
    s.minMaxSummary = summary;
    return s;
}

double BatchStepOptions::cursorAKM() const {
    return cursors.size() == 2 ? T6KMFromCurDist(cursors[0]) : 0.0;
}

double BatchStepOptions::cursorBKM() const {
    return cursors.size() == 2 ? T6KMFromCurDist(cursors[1]) : 0.0;
}

} // namespace varnel::cli
