#include "core/printing/print_choice.h"

namespace orvane::printing {

using bidir::ReportKind;

const std::array<ReportType, 6> kReportTypes = {{
    {kReportTraceSummary, ReportKind::TraceSummary, false},
    {kReportException, ReportKind::Exception, false},
    {kReportBiDirSummary, ReportKind::BiDirSummary, true},
    {kReportOneDirSummary, ReportKind::OneDirSummary, true},
    {kReportFiberAcceptance, ReportKind::FiberAcceptance, false},
    {kReportBiDirSpliceLoss, ReportKind::BiDirectional, false},
}};

std::optional<ReportKind> ReportKindOfCode(int32_t code) {
    for (const ReportType& type : kReportTypes)
        if (type.code == code) return type.kind;
    return std::nullopt;
}

std::optional<int32_t> ReportCodeOfKind(ReportKind kind) {
    for (const ReportType& type : kReportTypes)
        if (type.kind == kind) return type.code;
    return std::nullopt;
}

PrintTypeState SelectPrintTypeState(int32_t previousMode, bool traceDisplayed,
                                    bool entriesSelected) {
    PrintTypeState state;
    state.enabled.fill(true);
    if (previousMode > kLastTraceKindCode)
        state.initial = PrintChoice::Report;
    else if (previousMode < 0 || previousMode == kLastTraceKindCode)
        state.initial = PrintChoice::CurrentView;
    else
        state.initial = static_cast<PrintChoice>(previousMode);

    if (!traceDisplayed) {
        state.enabled[static_cast<std::size_t>(PrintChoice::CurrentView)] = false;
        if (state.initial == PrintChoice::CurrentView) state.initial = PrintChoice::Batch;
    }
    if (!entriesSelected) {
        for (PrintChoice choice : {PrintChoice::Batch, PrintChoice::Frame,
                                   PrintChoice::BiDirectional, PrintChoice::Report})
            state.enabled[static_cast<std::size_t>(choice)] = false;
        state.initial = PrintChoice::CurrentView;
    }
    return state;
}

bool NeedsDisplayedTrace(PrintChoice choice, const PageLayoutSettings& layout) {
    switch (choice) {
    case PrintChoice::CurrentView:
        return true;
    case PrintChoice::Batch:
        return layout.batch.useCurrentView;
    case PrintChoice::Frame:
        return layout.frame.currentView;
    case PrintChoice::BiDirectional:
        return layout.bidir.useCurrentView;
    case PrintChoice::Report:
        break;
    }
    return false;
}

std::vector<ReportType> OfferedReportTypes(bool primaryLoaded) {
    std::vector<ReportType> offered;
    for (const ReportType& type : kReportTypes)
        if (primaryLoaded || !type.needsLoadedPrimary) offered.push_back(type);
    return offered;
}

std::size_t InitialReportEntry(const std::vector<ReportType>& offered, int32_t storedType) {
    for (std::size_t i = offered.size(); i-- > 1;)
        if (offered[i].code == storedType) return i;
    return 0;
}

std::optional<int32_t> SpecifyReport(const std::function<std::optional<int32_t>()>& reportDialog,
                                     const std::function<bool()>& criteriaDialog) {
    for (;;) {
        const std::optional<int32_t> code = reportDialog();
        if (!code) return std::nullopt;
        if (*code != kReportException || criteriaDialog()) return code;
    }
}

} // namespace orvane::printing
