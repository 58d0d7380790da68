// The settings of a batch run: what the "Batch Trace Processing" dialog
// asks, kept in memory for the rest of the program run so that the next
// batch opens with them.
#pragma once

#include "core/batch/batch_messages.h"
#include "core/trace/trace_formats.h"

#include <cstdint>
#include <string>

namespace orvane::batch {

struct BatchSettings {
    bool generateReport = false;
    std::string reportFolder;
    std::string reportFileName;
    int32_t reportLayout = kLayoutOrvane;

    bool removeNearer = false;
    double nearerThan = 0.0; // display unit, shift removed
    bool removeFarther = false;
    double fartherThan = 0.0; // display unit, shift included

    bool cordsFromStart = false;
    int32_t startCords = 0;
    bool cordsFromEnd = false;
    int32_t endCords = 0;

    bool calculateORL = false;
    int32_t orlRange = kORLAToB;

    bool exportDataPoints = false;
    bool analyze = false;
    bool setIOR = false;
    double ior = 1.4680;
    bool setShift = false;
    double horzShiftKM = 0.0; // the dialog's display-unit value, converted on OK
    double vertShiftDB = 0.0;
    bool setBackscatter = false;
    double backscatterDB = -80.0;
    bool copyView = false;
    bool copyHeader = false;
    bool minMaxSummary = false;
    bool removeAnalysis = false;
    bool saveTraces = false;
    int32_t saveChoice = kChoiceOriginal; // a Save As choice code

    // The counts that take effect: 0 unless their flag is set.
    int32_t startCordCount() const { return cordsFromStart ? startCords : 0; }
    int32_t endCordCount() const { return cordsFromEnd ? endCords : 0; }
    // Whether steps 1 to 11 change the trace (it is then marked modified).
    bool changesTraces() const;
    // The report file: folder + '\' (unless it already ends in one) + name.
    std::string reportPath() const;

    bool operator==(const BatchSettings&) const = default;
};

// The settings of the last accepted dialog, for the rest of the run.
BatchSettings& lastBatchSettings();

enum class SettingsCheck {
    Accepted,
    ReportFolderRefused, // the folder field gets the focus again
    Declined,            // a confirmation was answered No
};

// The dialog's checks on OK: the report folder may be written, and the
// save and export confirmations are answered Yes.
SettingsCheck CheckBatchSettings(const BatchSettings& settings);

} // namespace orvane::batch
