#include "core/bidir/report_export.h"

#include "core/bidir/smart_template_report.h"
#include "core/bidir/splice_summary_report.h"
#include "core/bidir/trace_name.h"
#include "core/platform/file_access.h"
#include "core/platform/file_chooser.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/application_state.h"

#include <memory>

namespace orvane::bidir {

namespace {

const std::vector<std::string> kExportFilters = {"Text File (*.txt)", "All files (*.*)"};

ReportOutcome spliceLossReport(ReportKind kind, WizardTraces& traces, WizardSettings settings) {
    settings.oneDirectional = kind == ReportKind::OneDirSummary;
    settings.exceptReport = false;
    settings.buildTemplates = false;
    settings.applyTemplates = false;
    settings.summaryReport = true;
    settings.askToContinue = false;
    const WizardResult result = RunSpliceLossWizard(traces, settings);
    if (!result.finished) return {std::nullopt, result.message};
    if (kind == ReportKind::FiberAcceptance) return FiberAcceptanceReport(traces, result);
    return SpliceLossSummaryReport(traces, result, settings.report, settings.oneDirectional);
}

ReportOutcome smartTemplateReport(TraceSequence& traces, SmartTemplateSettings settings) {
    if (traces.size() == 0) return {std::nullopt, kNoTraceText};
    const CT6* first = traces.acquire(0);
    if (!first) return {std::nullopt, kNoTraceText};
    auto reference = std::make_unique<CT6>(*first);
    traces.release(0);
    settings.printReport = true;
    const SmartTemplateResult built = BuildSmartSpliceTemplate(*reference, traces, settings);
    if (!built.built) return {std::nullopt, kNoEventsReportText};
    return {SmartSpliceTemplateReport(*reference, built, traces.name(0)), {}};
}

inline constexpr char kDifferentWavelengthsText[] = "Different Wavelengths.";
inline constexpr char kDifferentFiberTypesText[] = "Different Fiber Types.";
inline constexpr char kDifferentIORsText[] = "Different IORs.";
inline constexpr char kDifferentFiberNumbersText[] = "Different Fiber Numbers.";

std::optional<int32_t> fiberOf(const WizardTraces& traces, std::size_t i,
                               const WizardSettings& settings) {
    const std::optional<DecodedTraceName> name =
        settings.instrumentNames
            ? DecodeInstrumentTraceName(traces.path(i), settings.instrumentFormat)
            : DecodeTraceName(traces.path(i), settings.convention);
    if (!name) return std::nullopt;
    return name->fiber;
}

// Two ends of one fibre must be the same fibre, at the same wavelength, of
// the same type and index: otherwise their events cannot be set side by side.
std::optional<std::string> pairRefusal(WizardTraces& traces, const WizardSettings& settings) {
    if (traces.size() < 2) return std::nullopt;
    const bool named = settings.instrumentNames || !settings.convention.empty();
    if (named) {
        const std::optional<int32_t> a = fiberOf(traces, 0, settings);
        const std::optional<int32_t> b = fiberOf(traces, 1, settings);
        if (a && b && *a != *b) return kDifferentFiberNumbersText;
    }
    const CT6* a = traces.acquire(0);
    const CT6* b = traces.acquire(1);
    std::optional<std::string> refusal;
    auto text = [](const CT6* t, auto getter) {
        return textOf([&](char16_t* o) { getter(*t, o); });
    };
    if (a && b) {
        if (text(a, [](const CT6& t, char16_t* o) { t.GetWavelengthNominal(o, 0); }) !=
            text(b, [](const CT6& t, char16_t* o) { t.GetWavelengthNominal(o, 0); }))
            refusal = kDifferentWavelengthsText;
        else if (text(a, [](const CT6& t, char16_t* o) { t.GetFiberModeAbbrev(o); }) !=
                 text(b, [](const CT6& t, char16_t* o) { t.GetFiberModeAbbrev(o); }))
            refusal = kDifferentFiberTypesText;
        else if (a->SpanCount() > 0 && b->SpanCount() > 0 &&
                 text(a, [](const CT6& t, char16_t* o) { t.SpanGetIOR(0, o); }) !=
                     text(b, [](const CT6& t, char16_t* o) { t.SpanGetIOR(0, o); }))
            refusal = kDifferentIORsText;
    }
    if (a) traces.release(0);
    if (b) traces.release(1);
    return refusal;
}

bool runsWizard(ReportKind kind) {
    return kind == ReportKind::OneDirSummary || kind == ReportKind::BiDirSummary ||
           kind == ReportKind::FiberAcceptance;
}

std::string withDefaultExtension(std::string path) {
    if (fileNameOf(path).find('.') == std::string::npos)
        path += std::string(".") + kExportReportExtension;
    return path;
}

} // namespace

std::vector<ReportKind> exportableReportKinds() {
    return {ReportKind::TraceSummary,  ReportKind::Exception,       ReportKind::BiDirSummary,
            ReportKind::OneDirSummary, ReportKind::FiberAcceptance, ReportKind::BiDirectional,
            ReportKind::SmartTemplate};
}

ReportOutcome BuildReportOfKind(ReportKind kind, WizardTraces& traces,
                                const WizardSettings& settings) {
    switch (kind) {
    case ReportKind::TraceSummary:
        return TraceSummaryReport(traces);
    case ReportKind::Exception:
        return ExceptionReportOf(traces, settings.criteria);
    case ReportKind::BiDirectional:
        if (std::optional<std::string> refusal = pairRefusal(traces, settings))
            return {std::nullopt, *refusal};
        return BiDirectionalReport(traces, BiDirSettingsOf(settings.report));
    case ReportKind::OneDirSummary:
    case ReportKind::BiDirSummary:
    case ReportKind::FiberAcceptance:
        return spliceLossReport(kind, traces, settings);
    case ReportKind::SmartTemplate:
        return smartTemplateReport(traces, settings.smartTemplate);
    case ReportKind::Trace:
        break;
    }
    return {std::nullopt, "The \"Trace\" report is printed with its trace; it has no text form."};
}

bool ExportBuiltReport(const Report& report) {
    SaveFileRequest request{kExportReportTitle, {}, kExportFilters, 0};
    std::optional<SaveFileChoice> chosen;
    while (true) {
        chosen = fileChooser().chooseSaveFile(request);
        if (!chosen) return false;
        if (!isWriteDenied(chosen->path, application().onInstrument)) break;
    }
    const std::string path = withDefaultExtension(chosen->path);
    if (exportReport(report, path)) return true;
    tellFailure("", kFileOpenErrorText + path);
    return false;
}

bool ExportReportToFile(ReportKind kind, WizardTraces& traces, const WizardSettings& settings) {
    if (traces.size() == 0) {
        tellFailure("", kNoTraceText);
        return false;
    }
    const ReportOutcome outcome = BuildReportOfKind(kind, traces, settings);
    if (!outcome.report) {
        // The wizard's checks behind the splice-loss kinds tell their own refusals.
        if (!runsWizard(kind)) tellFailure("", outcome.refusal);
        return false;
    }
    return ExportBuiltReport(*outcome.report);
}

} // namespace orvane::bidir
