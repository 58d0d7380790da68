#include "core/batch/template_commands.h"

#include "core/batch/batch_messages.h"
#include "core/batch/trace_list_sequence.h"
#include "core/platform/prompt.h"
#include "core/trace/graph/graph_hints.h"
#include "core/trace/trace_doc.h"

namespace orvane::batch {

namespace {

constexpr int32_t kEventDeterminationMerge = 1;

// The primary trace, held for the command; released by the guard.
class HeldPrimary {
public:
    explicit HeldPrimary(CTraceListDoc& list) : m_list(list), m_entry(list.Primary()) {
        if (m_entry) m_document = list.AcquireTrace(m_entry, true);
    }
    ~HeldPrimary() {
        if (m_document) m_list.ReleaseTrace(m_entry);
    }
    HeldPrimary(const HeldPrimary&) = delete;
    HeldPrimary& operator=(const HeldPrimary&) = delete;

    CTraceListEntry* entry() const { return m_entry; }
    CTraceDoc* document() const { return m_document; }

private:
    CTraceListDoc& m_list;
    CTraceListEntry* m_entry;
    CTraceDoc* m_document = nullptr;
};

} // namespace

bidir::TemplateApplySettings ApplySettingsFrom(const FASTemplateSettings& stored) {
    bidir::TemplateApplySettings s;
    s.merge = stored.eventDetermination == kEventDeterminationMerge;
    s.tracePriority = stored.tracePriority != 0;
    s.percentDis = stored.percentDis;
    s.absoluteDisKM = T6KMFromCurDist(stored.absoluteDis);
    s.snapTo = stored.snapTo;
    return s;
}

bidir::SmartTemplateSettings SmartSettingsFrom(const SmartTemplateSettings& stored) {
    bidir::SmartTemplateSettings s;
    s.numSplices = stored.numSplices;
    s.lossThresDB = stored.lossThres;
    s.minFrequency = stored.minFrequency;
    s.adjustForHelix = stored.adjustForHelix != 0;
    s.eventFreqDist = stored.eventFreqDist != 0;
    s.printReport = stored.printReport != 0;
    return s;
}

BuildOutcome BuildSpliceTemplate(CTraceListDoc& list) {
    HeldPrimary primary(list);
    CTraceDoc* trace = primary.document();
    if (!trace) return BuildOutcome::NoPrimary;
    while (true) {
        const int32_t status = trace->record().BuildFASTemplate();
        if (status == T6_TEMPLATE_DONE) break;
        if (status == T6_TEMPLATE_ALREADY) {
            tell("", kAlreadyTemplate, PromptIcon::Stop);
            return BuildOutcome::AlreadyTemplate;
        }
        if (!confirm("", kNoEventsAnalyze, PromptButtons::YesNo, PromptAnswer::No,
                     PromptIcon::Question) ||
            trace->Analyze() != 0)
            return BuildOutcome::NotAnalysed;
    }
    trace->setModified(true);
    list.Notify(graph::HINT_TEMPLATE_BUILT, {primary.entry()});
    return BuildOutcome::Built;
}

bidir::TemplateApplyRun ApplySpliceTemplate(CTraceListDoc& list, const TraceEntries& entries,
                                            const FASTemplateSettings& settings,
                                            Progress& progress) {
    HeldPrimary primary(list);
    if (!primary.document()) return {};
    TraceListSequence traces(list, entries, &progress);
    auto applied = [&](std::size_t i, CT6&) {
        CTraceDoc* trace = traces.document(i);
        trace->setModified(true);
        if (settings.saveTrace) trace->Save();
        return true;
    };
    progress.start(kApplyTemplateTitle, static_cast<int>(entries.size()));
    bidir::TemplateApplyRun run = bidir::ApplySpliceTemplate(primary.document()->record(), traces,
                                                             ApplySettingsFrom(settings), applied);
    progress.finish();
    run.cancelled = run.cancelled || traces.cancelled();
    list.Notify(graph::HINT_TEMPLATE_APPLIED, entries);
    return run;
}

bidir::SmartTemplateResult SmartSpliceTemplate(CTraceListDoc& list, const TraceEntries& entries,
                                               const SmartTemplateSettings& settings,
                                               Progress& progress) {
    HeldPrimary primary(list);
    if (!primary.document()) return {};
    TraceListSequence traces(list, entries, nullptr);
    const bidir::SmartTemplateSettings smart = SmartSettingsFrom(settings);
    progress.start(kSmartTemplateTitle,
                   bidir::collectingProgressTotal(entries.size(), smart.printReport));
    bidir::SmartTemplateResult result =
        bidir::BuildSmartSpliceTemplate(primary.document()->record(), traces, smart, &progress);
    progress.finish();
    if (result.built) {
        primary.document()->setModified(true);
        list.Notify(graph::HINT_TEMPLATE_BUILT, {primary.entry()});
    }
    return result;
}

} // namespace orvane::batch
