#include "core/bidir/splice_loss_wizard.h"

#include "core/bidir/exception_report.h"
#include "core/bidir/smart_template.h"
#include "core/bidir/smart_template_report.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"

#include <varnel/codes.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace orvane::bidir {

namespace {

constexpr char16_t kTemplateExtension[] = u".SST";
constexpr char kBuildingTemplateText[] = "Smart Splice Template : ";

// One direction's traces as a sequence of their own, in fibre order.
class DirectionTraces : public TraceSequence {
public:
    DirectionTraces(WizardTraces& all, const CableDirection& direction) : m_all(all) {
        for (const auto& [fiber, trace] : direction.traceOfFiber) {
            m_fibers.push_back(fiber);
            m_indices.push_back(trace);
        }
    }
    std::size_t size() const override { return m_indices.size(); }
    CT6* acquire(std::size_t i) override { return m_all.acquire(m_indices[i]); }
    void release(std::size_t i) override { m_all.release(m_indices[i]); }
    std::string name(std::size_t i) const override { return m_all.name(m_indices[i]); }
    std::size_t input(std::size_t i) const { return m_indices[i]; }
    int32_t fiber(std::size_t i) const { return m_fibers[i]; }

private:
    WizardTraces& m_all;
    std::vector<int32_t> m_fibers;
    std::vector<std::size_t> m_indices;
};

// A direction's template: its splice positions and its length.
struct DirectionTemplate {
    std::unique_ptr<CT6> record;
    std::vector<double> positionsKM;
    double lengthKM = 0.0;
    bool patchCordRemoved = false;
    std::optional<Report> buildReport;
};

void readPositions(DirectionTemplate& t) {
    const CT6& r = *t.record;
    const int32_t n = r.EVCount();
    t.positionsKM.clear();
    for (int32_t i = 1; i + 1 < n; ++i)
        t.positionsKM.push_back(r.EVGetStartKM(i));
    t.lengthKM = n >= 2 ? r.EVGetStartKM(n - 1) : 0.0;
    t.patchCordRemoved = r.GetHorzShiftKM() < 0;
}

bool decodeAll(WizardTraces& traces, const WizardSettings& settings,
               std::vector<DecodedTraceName>& names) {
    for (std::size_t i = 0; i < traces.size(); ++i) {
        const std::optional<DecodedTraceName> name =
            settings.instrumentNames
                ? DecodeInstrumentTraceName(traces.path(i), settings.instrumentFormat)
                : DecodeTraceName(traces.path(i), settings.convention);
        if (!name) {
            tellFailure(traces.name(i), kInvalidFiberNumberText, PromptIcon::Stop);
            return false;
        }
        names.push_back(*name);
    }
    return true;
}

// The smart template of a direction, built into a copy of its first trace
// (the one with the lowest fibre number), then saved and listed.
std::optional<DirectionTemplate> buildTemplate(DirectionTraces& traces,
                                               const WizardSettings& settings, Progress* progress) {
    CT6* first = traces.acquire(0);
    if (!first) return std::nullopt;
    DirectionTemplate t;
    t.record = std::make_unique<CT6>(*first);
    traces.release(0);
    const std::string referenceName = traces.name(0);
    if (progress)
        progress->start(kBuildingTemplateText + referenceName,
                        collectingProgressTotal(traces.size(), false));
    const SmartTemplateResult built =
        BuildSmartSpliceTemplate(*t.record, traces, settings.smartTemplate, progress);
    if (progress) progress->finish();
    if (!built.built) return std::nullopt;
    if (settings.smartTemplate.printReport)
        t.buildReport = SmartSpliceTemplateReport(*t.record, built, referenceName);
    readPositions(t);
    return t;
}

// A direction's template when none is built: the first trace's own events.
std::optional<DirectionTemplate> firstTraceAsTemplate(DirectionTraces& traces) {
    CT6* first = traces.acquire(0);
    if (!first) return std::nullopt;
    DirectionTemplate t;
    t.record = std::make_unique<CT6>(*first);
    traces.release(0);
    readPositions(t);
    return t;
}

bool applyTemplate(WizardTraces& all, DirectionTraces& traces, DirectionTemplate& t,
                   const WizardSettings& settings) {
    TemplateApplySettings apply = settings.apply;
    apply.merge = false; // the template's events, snapped to each trace's end
    apply.snapTo = kSnapToTraceEnd;
    auto save = [&](std::size_t i, CT6& trace) {
        all.save(traces.input(i), trace);
        return true;
    };
    return !ApplySpliceTemplate(*t.record, traces, apply, save).cancelled;
}

constexpr double kLengthShare = 0.02;

// Lengths that differ by more than 2 % of the longer.
bool significantlyDifferent(double aKM, double bKM) {
    return std::fabs(aKM - bKM) > kLengthShare * std::max(aKM, bKM);
}

// Each fibre's loss at every template position, or nothing where no event
// correlates; false when a correlation warning was cancelled.
bool directionLosses(DirectionTraces& traces, const DirectionTemplate& t,
                     const WizardSettings& settings,
                     std::vector<std::vector<std::optional<double>>>& losses,
                     std::vector<double>& endsKM) {
    CorrelationSettings correlation;
    correlation.corrPercent = settings.report.corrPercent;
    correlation.ignorePatchCord = settings.report.ignoreConn;
    correlation.patchCordKM = settings.report.startPatchCordKM;
    bool warn = true;
    for (std::size_t i = 0; i < traces.size(); ++i) {
        std::vector<std::optional<double>> row(t.positionsKM.size());
        double endKM = 0.0;
        if (CT6* trace = traces.acquire(i)) {
            const int32_t n = trace->EVCount();
            endKM = n >= 2 ? trace->EVGetStartKM(n - 1) : 0.0;
            // A fibre much shorter than the template (a break) keeps its own
            // distances: stretching it to the template would misplace every splice.
            const double referenceKM =
                significantlyDifferent(endKM, t.lengthKM) ? endKM : t.lengthKM;
            const CorrelationResult result =
                CorrelateEvents(*trace, t.positionsKM, referenceKM, correlation, warn);
            if (result.cancelled) {
                traces.release(i);
                return false;
            }
            if (!result.unmatchedEvents.empty()) warn = false;
            for (std::size_t p = 0; p < row.size(); ++p)
                if (result.matched[p] != kNoMatch) row[p] = trace->EVGetLoss(result.matched[p]);
            traces.release(i);
        }
        losses.push_back(std::move(row));
        endsKM.push_back(endKM);
    }
    return true;
}

// Which B->A template position lies at each A->B one (B's positions seen
// from A's end, scaled to A's length), within the correlation tolerance.
std::vector<int32_t> pairPositions(const DirectionTemplate& a, const DirectionTemplate& b,
                                   double corrPercent) {
    std::vector<int32_t> partner(a.positionsKM.size(), kNoMatch);
    if (b.lengthKM <= 0) return partner;
    const double tolerance = corrPercent * a.lengthKM / 100.0;
    std::vector<bool> taken(b.positionsKM.size(), false);
    for (std::size_t i = 0; i < a.positionsKM.size(); ++i) {
        double best = tolerance;
        for (std::size_t j = 0; j < b.positionsKM.size(); ++j) {
            const double fromA = (b.lengthKM - b.positionsKM[j]) * a.lengthKM / b.lengthKM;
            const double d = std::fabs(a.positionsKM[i] - fromA);
            if (!taken[j] && d <= best) {
                best = d;
                partner[i] = static_cast<int32_t>(j);
            }
        }
        if (partner[i] != kNoMatch) taken[static_cast<std::size_t>(partner[i])] = true;
    }
    return partner;
}

// A splice one direction's template found and the other's missed (its loss
// from that side fell below the build's threshold, as a splice seen as a
// gainer does): the mirror of the found event is placed in the other
// template, so that both directions measure it and it can be averaged.
void insertMirrored(DirectionTemplate& target, const DirectionTemplate& source, std::size_t p) {
    const CT6& from = *source.record;
    CT6& to = *target.record;
    const int32_t e = static_cast<int32_t>(p) + 1;
    const double scale = target.lengthKM / source.lengthKM;
    const double width = from.EVGetEndKM(e) - from.EVGetStartKM(e);
    const double start = target.lengthKM - from.EVGetEndKM(e) * scale;
    const int32_t i = to.EVInsert();
    if (i < 0) return;
    to.EVSetType(i, from.EVGetType(e));
    to.EVSetStartKM(i, start);
    to.EVSetEndKM(i, start + width);
    to.EVSetFlags(i, T6_EVFLAG_INSERTED);
    to.EVSetLoss(i, from.EVGetLoss(e));
    to.EVSetRefl(i, from.EVGetRefl(e));
    to.EVSetLossMode(i, from.EVGetLossMode(e));
    if (from.EVGetLossMode(e) == T6_LOSS_SPLICE)
        to.EVSetLSAOffKM(i, width - from.EVGetLSAEndOffKM(e, T6_SIDE_B),
                         width - from.EVGetLSAStartOffKM(e, T6_SIDE_B),
                         width - from.EVGetLSAEndOffKM(e, T6_SIDE_A),
                         width - from.EVGetLSAStartOffKM(e, T6_SIDE_A));
}

void completeTemplates(DirectionTemplate& a, DirectionTemplate& b, double corrPercent) {
    if (a.lengthKM <= 0 || b.lengthKM <= 0) return;
    const std::vector<int32_t> partnerOfA = pairPositions(a, b, corrPercent);
    const std::vector<int32_t> partnerOfB = pairPositions(b, a, corrPercent);
    for (std::size_t p = 0; p < partnerOfA.size(); ++p)
        if (partnerOfA[p] == kNoMatch) insertMirrored(b, a, p);
    for (std::size_t p = 0; p < partnerOfB.size(); ++p)
        if (partnerOfB[p] == kNoMatch) insertMirrored(a, b, p);
    for (DirectionTemplate* t : {&a, &b}) {
        t->record->EVSort();
        readPositions(*t);
    }
}

struct Column {
    double positionKM = 0.0;
    int32_t a = kNoMatch;
    int32_t b = kNoMatch;
};

std::vector<Column> summaryColumns(const DirectionTemplate& a, const DirectionTemplate* b,
                                   double corrPercent) {
    std::vector<Column> columns;
    std::vector<int32_t> partner(a.positionsKM.size(), kNoMatch);
    if (b) partner = pairPositions(a, *b, corrPercent);
    for (std::size_t i = 0; i < a.positionsKM.size(); ++i)
        columns.push_back({a.positionsKM[i], static_cast<int32_t>(i), partner[i]});
    if (b && b->lengthKM > 0)
        for (std::size_t j = 0; j < b->positionsKM.size(); ++j) {
            if (std::find(partner.begin(), partner.end(), static_cast<int32_t>(j)) != partner.end())
                continue;
            const double fromA = (b->lengthKM - b->positionsKM[j]) * a.lengthKM / b->lengthKM;
            columns.push_back({fromA, kNoMatch, static_cast<int32_t>(j)});
        }
    std::sort(columns.begin(), columns.end(),
              [](const Column& x, const Column& y) { return x.positionKM < y.positionKM; });
    return columns;
}

std::optional<double> at(const std::vector<std::vector<std::optional<double>>>& losses,
                         std::size_t row, int32_t column) {
    if (column == kNoMatch || row >= losses.size()) return std::nullopt;
    return losses[row][static_cast<std::size_t>(column)];
}

void summarise(WizardResult& result, const std::vector<Column>& columns,
               const std::vector<int32_t>& fibers,
               const std::vector<std::vector<std::optional<double>>>& aLosses,
               const std::vector<std::vector<std::optional<double>>>& bLosses,
               const std::vector<double>& aEnds, const std::vector<double>& bEnds,
               const WizardSettings& settings, bool ignoreFirst, bool ignoreLast) {
    SpliceLossTable table;
    for (const Column& column : columns)
        result.positionsKM.push_back(column.positionKM);
    for (std::size_t f = 0; f < fibers.size(); ++f) {
        FiberSplices fiber{fibers[f], {}};
        // Traces from the two ends of one fibre whose lengths disagree (a
        // break seen from both sides) measure different splices.
        const bool paired =
            f < aEnds.size() && f < bEnds.size() &&
            std::fabs(aEnds[f] - bEnds[f]) <= settings.report.corrPercent * aEnds[f] / 100.0;
        std::vector<std::optional<double>> row;
        for (const Column& column : columns) {
            FiberSplice splice{column.positionKM, at(aLosses, f, column.a),
                               at(bLosses, f, column.b), std::nullopt};
            if (settings.oneDirectional)
                splice.average = splice.aToB;
            else if (paired && splice.aToB && splice.bToA)
                splice.average = BiDirectionalMean(*splice.aToB, *splice.bToA);
            row.push_back(splice.average);
            fiber.splices.push_back(splice);
        }
        table.fibers.push_back(fibers[f]);
        table.losses.push_back(std::move(row));
        result.fibers.push_back(std::move(fiber));
    }
    result.summary = SummariseSpliceLosses(table, ignoreFirst, ignoreLast);
}

} // namespace

std::u16string templateFileName(const CableDirection& direction) {
    return toUtf16(direction.from + direction.to + direction.wavelength) + kTemplateExtension;
}

WizardResult RunSpliceLossWizard(WizardTraces& traces, const WizardSettings& settings,
                                 Progress* progress) {
    WizardResult result;
    std::vector<DecodedTraceName> names;
    if (!decodeAll(traces, settings, names)) return result;
    CableSetResult set = BuildCableSet(names, settings.oneDirectional);
    if (!set.set) {
        result.message = set.message;
        tellFailure("", set.message, PromptIcon::Stop);
        return result;
    }
    result.set = set.set;
    if (settings.askToContinue &&
        !confirm("", kContinueText, PromptButtons::YesNo, PromptAnswer::Yes))
        return result;

    if (settings.exceptReport && traces.size() > 0)
        if (CT6* primary = traces.acquire(0)) {
            const CT6 reference = *primary;
            traces.release(0);
            for (const ExceptionRow& row : ExceptionReport(traces, reference, settings.criteria))
                result.exceptionRows.push_back(row.text());
        }

    std::vector<DirectionTraces> directions;
    std::vector<DirectionTemplate> templates;
    for (const CableDirection& direction : result.set->directions) {
        directions.emplace_back(traces, direction);
        std::optional<DirectionTemplate> t =
            settings.buildTemplates ? buildTemplate(directions.back(), settings, progress)
                                    : firstTraceAsTemplate(directions.back());
        if (!t) return result;
        if (t->buildReport) result.templateReports.push_back(std::move(*t->buildReport));
        templates.push_back(std::move(*t));
    }
    if (settings.buildTemplates) {
        if (templates.size() > 1)
            completeTemplates(templates[0], templates[1], settings.report.corrPercent);
        for (std::size_t d = 0; d < templates.size(); ++d)
            traces.addTemplate(*templates[d].record, templateFileName(result.set->directions[d]));
    }
    if (settings.applyTemplates)
        for (std::size_t d = 0; d < directions.size(); ++d)
            if (!applyTemplate(traces, directions[d], templates[d], settings)) return result;

    if (settings.summaryReport) {
        std::vector<std::vector<std::optional<double>>> aLosses, bLosses;
        std::vector<double> aEnds, bEnds;
        if (!directionLosses(directions[0], templates[0], settings, aLosses, aEnds)) return result;
        const bool both = directions.size() > 1;
        if (both && !directionLosses(directions[1], templates[1], settings, bLosses, bEnds))
            return result;
        std::vector<int32_t> fibers;
        for (std::size_t i = 0; i < directions[0].size(); ++i)
            fibers.push_back(directions[0].fiber(i));
        const std::vector<Column> columns = summaryColumns(
            templates[0], both ? &templates[1] : nullptr, settings.report.corrPercent);
        const bool ignore = settings.report.ignoreConn;
        summarise(result, columns, fibers, aLosses, bLosses, aEnds, bEnds, settings,
                  ignore && templates[0].patchCordRemoved,
                  ignore && both && templates[1].patchCordRemoved);
    }
    result.finished = true;
    return result;
}

} // namespace orvane::bidir
