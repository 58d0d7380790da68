#include "core/batch/batch_steps.h"

#include "core/batch/batch_report.h"
#include "core/platform/prompt.h"
#include "core/shell/application_state.h"

namespace orvane::batch {

namespace {

enum class Step { Go, Skip };

// The patch-cord refusal: OK goes on with the next step, Cancel leaves the
// rest of this trace out.
Step refusePatchCords(const std::string& name) {
    const bool goOn =
        confirm("", std::string(kPatchCordsRefused) + "\n" + name, PromptButtons::OkCancel,
                PromptAnswer::Cancel, PromptIcon::Exclamation);
    return goOn ? Step::Go : Step::Skip;
}

void makeLastEventTheEnd(CT6& r) {
    const int32_t last = r.EVCount() - 1;
    if (last < 0) return;
    r.EVSetFlags(last, kNewEndFlags);
    r.EVSetType(last, T6_EVENT_END);
}

void setAcquisition(CTraceDoc& trace, const BatchSettings& s) {
    CT6& r = trace.record();
    if (s.setIOR) {
        trace.SpanSetIOR(0, s.ior);
        r.SpanCalculate();
    }
    if (s.setBackscatter) trace.SetBackscatter(s.backscatterDB);
    if (s.setShift) {
        r.SetHorzShiftKM(s.horzShiftKM);
        trace.SetVertShift(s.vertShiftDB);
    }
}

void removeAnalysis(CT6& r) {
    r.SetTraceTemplate(0);
    r.EVInitArray(r.EVCount());
    r.SetModFlag(T6_MOD_EVENTS);
}

// Events 1 to count-2 that start, shift removed, before the distance.
void removeNearer(CT6& r, double distance) {
    const double shift = r.GetHorzShift();
    for (int32_t i = 1; i <= r.EVCount() - 2; ++i)
        if (r.EVGetStart(i) - shift < distance) r.EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    r.EVDeleteFlagged();
}

// Events 2 to count-1 that start beyond the distance; a shortened table gets
// a new end event without loss.
void removeFarther(CT6& r, double distance) {
    const int32_t before = r.EVCount();
    for (int32_t i = 2; i <= before - 1; ++i)
        if (r.EVGetStart(i) > distance) r.EVSetFlags(i, T6_EVFLAG_MARKED_FOR_DELETION);
    r.EVDeleteFlagged();
    if (r.EVCount() == before) return;
    const int32_t last = r.EVCount() - 1;
    r.EVSetType(last, T6_EVENT_END);
    r.EVSetLoss(last, 0.0);
    r.EVSetFlags(last, kNewEndFlags);
}

// Shifts the trace so that event n, the first after the cords, is shown at
// 0.004 km.
Step removeStartCords(CT6& r, int32_t n, const std::string& name) {
    if (r.EVCount() - n <= 1) return refusePatchCords(name);
    r.SetHorzShiftKM(-(r.EVGetStartKM(n) - r.GetHorzShiftKM()) + kPatchCordEndKM);
    return Step::Go;
}

Step removeEndCords(CT6& r, int32_t n, const std::string& name) {
    if (r.EVCount() - n <= 1) return refusePatchCords(name);
    for (int32_t k = 0; k < n; ++k)
        r.EVDelete(r.EVCount() - 1);
    makeLastEventTheEnd(r);
    return Step::Go;
}

void calculateORL(CTraceDoc& trace, const BatchSettings& s, const BatchTraceContext& context) {
    CT6& r = trace.record();
    const BatchView* view = context.view;
    const double a = view ? view->CursorAKM() : r.GetACursorKM();
    const double b = view ? view->CursorBKM() : r.GetBCursorKM();
    const bool fromEnd = view && view->FlipTraces() && context.primary != &trace && r.EVCount() > 0;
    int32_t status = 0;
    r.CalcORL(a, b, fromEnd ? 1 : 0, s.orlRange == kORLFullTrace ? 1 : 0,
              application().preferences.orlRelOrigin, status);
    r.CalcORLInfoSave();
}

// Steps 1 to 12; Skip when a refusal leaves the rest of the trace out.
Step changeTrace(CTraceDoc& trace, const std::string& name, const BatchSettings& s,
                 const BatchTraceContext& context) {
    CT6& r = trace.record();
    setAcquisition(trace, s);
    if (s.copyView && context.primary && context.view) context.view->CopyCurrentView(trace);
    if (s.removeAnalysis) removeAnalysis(r);
    if (s.analyze && trace.Analyze() == kAnalyzeRefused) return Step::Skip;
    if (s.removeNearer) removeNearer(r, s.nearerThan);
    if (s.startCordCount() > 0 && removeStartCords(r, s.startCordCount(), name) == Step::Skip)
        return Step::Skip;
    if (s.removeFarther) removeFarther(r, s.fartherThan);
    if (s.endCordCount() > 0 && removeEndCords(r, s.endCordCount(), name) == Step::Skip)
        return Step::Skip;
    if (s.copyHeader && context.primary && context.primary != &trace) {
        r.HDRFromT6(&context.primary->record());
        r.HDRInitStgs(0, 0, 1);
    }
    if (s.calculateORL) calculateORL(trace, s, context);
    return Step::Go;
}

bool writeReport(const CTraceDoc& trace, const std::string& name, const BatchSettings& s,
                 ReportSink& report) {
    for (const std::string& line : reportLines(trace, name, s.reportLayout)) {
        if (report.write(line)) continue;
        tellFailure("", kFileWriteError, PromptIcon::Stop);
        return false;
    }
    return true;
}

// A failed save is told by the document and leaves the old file; the batch
// goes on.
void save(CTraceDoc& trace, const BatchSettings& s) {
    if (!trace.isModified() && s.saveChoice == kChoiceOriginal) return;
    const std::string path = trace.PathWithSaveExtension(trace.path(), s.saveChoice);
    trace.SelectSaveFormat(s.saveChoice);
    trace.OnSaveDocument(path);
}

} // namespace

BatchTraceResult ProcessBatchTrace(CTraceDoc& trace, const std::string& name,
                                   const BatchSettings& settings, const BatchTraceContext& context,
                                   ReportSink* report) {
    BatchTraceResult result;
    if (changeTrace(trace, name, settings, context) == Step::Skip) {
        result.outcome = TraceOutcome::Skipped;
        return result;
    }
    if (settings.changesTraces()) trace.setModified(true);

    const CT6& r = trace.record();
    if (settings.minMaxSummary) {
        if (r.EVCount() == 0) {
            tellFailure("", std::string(kNoEventsInTrace) + "\n" + name, PromptIcon::Stop);
            result.outcome = TraceOutcome::Skipped;
            return result;
        }
        result.counted = true;
        result.eventCount = countedEvents(r);
        result.endDistance = r.EVGetStart(r.EVCount() - 1);
    }

    if (settings.generateReport && report && !writeReport(trace, name, settings, *report)) {
        result.outcome = TraceOutcome::EndBatch;
        return result;
    }
    if (settings.exportDataPoints && !trace.ExportTraceText()) {
        result.outcome = TraceOutcome::EndBatch;
        return result;
    }
    if (settings.saveTraces) save(trace, settings);
    return result;
}

} // namespace orvane::batch
