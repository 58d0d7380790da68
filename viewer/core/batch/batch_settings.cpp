#include "core/batch/batch_settings.h"

#include "core/platform/file_access.h"
#include "core/platform/prompt.h"
#include "core/shell/application_state.h"

namespace orvane::batch {

namespace {

bool endsInSeparator(const std::string& folder) {
    return !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
}

bool askYesNo(const char* text) {
    return confirm("", text, PromptButtons::YesNo, PromptAnswer::No, PromptIcon::Question);
}

} // namespace

bool BatchSettings::changesTraces() const {
    return setIOR || setBackscatter || setShift || copyView || removeAnalysis || analyze ||
           removeNearer || startCordCount() > 0 || removeFarther || endCordCount() > 0 ||
           copyHeader;
}

// Folders are joined with '/', which this platform needs; a folder typed
// with a closing '\' keeps it.
std::string BatchSettings::reportPath() const {
    if (reportFolder.empty() || endsInSeparator(reportFolder)) return reportFolder + reportFileName;
    return reportFolder + "/" + reportFileName;
}

BatchSettings& lastBatchSettings() {
    static BatchSettings settings;
    return settings;
}

SettingsCheck CheckBatchSettings(const BatchSettings& settings) {
    if (settings.generateReport && isWriteDenied(settings.reportFolder, application().onInstrument))
        return SettingsCheck::ReportFolderRefused;
    if (settings.saveTraces) {
        if (!askYesNo(kSaveTracesQuestion)) return SettingsCheck::Declined;
        if (settings.saveChoice != kChoiceOriginal && !askYesNo(kFormatNotOriginalQuestion))
            return SettingsCheck::Declined;
    }
    if (settings.exportDataPoints && !askYesNo(kExportQuestion)) return SettingsCheck::Declined;
    return SettingsCheck::Accepted;
}

} // namespace orvane::batch
