// Splice templates: a record whose event table is marked as a template puts
// its events into other traces of the same route, matched to the events they
// already have and measured on the trace itself.
#include <varnel/varnel.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The end a template application adds when the table has none.
constexpr uint32_t kFlagsTemplateEnd =
    T6_EVFLAG_TEMPLATE_EVENT | T6_EVFLAG_END_NO_NOISE_FLOOR | T6_EVFLAG_CLOSING;
constexpr double kLowestReflDB = -70.0;

struct LSAOffsetsKM {
    double aStart, aEnd, bStart, bEnd;

    LSAOffsetsKM scaled(double k) const { return {aStart * k, aEnd * k, bStart * k, bEnd * k}; }
};

LSAOffsetsKM lsaOffsetsKM(CT6& record, int32_t i) {
    return {record.EVGetLSAStartOffKM(i, T6_SIDE_A), record.EVGetLSAEndOffKM(i, T6_SIDE_A),
            record.EVGetLSAStartOffKM(i, T6_SIDE_B), record.EVGetLSAEndOffKM(i, T6_SIDE_B)};
}

double lastEventStartKM(CT6& record) {
    return record.EVCount() > 0 ? record.EVGetStartKM(record.EVCount() - 1) : 0.0;
}

// The first event from index 1 that starts at or after 0 km; 1 when none does.
int32_t firstPositiveEvent(CT6& record) {
    for (int32_t i = 1; i < record.EVCount(); ++i)
        if (record.EVGetStartKM(i) >= 0) return i;
    return 1;
}

// A ratio of two ends; 1 when the divisor is no end at all.
double endRatio(double numerator, double denominator) {
    return denominator != 0 && std::isfinite(numerator / denominator) ? numerator / denominator
                                                                      : 1.0;
}

// One application: the two records, the options and the match tables.
class TemplateApplication {
public:
    TemplateApplication(CT6& tmpl, CT6& trace, int32_t merge, int32_t keepMatched,
                        double tolerancePct, double toleranceMaxKM, int32_t scaleMode)
        : tmpl_(tmpl), trace_(trace), merge_(merge != 0), keepMatched_(keepMatched != 0),
          tolerancePct_(tolerancePct), toleranceMaxKM_(toleranceMaxKM), scaleMode_(scaleMode) {}

    void run() {
        if (trace_.EVCount() == 0) trace_.FAS();
        chooseScaleFactors();
        if (!merge_) deleteTraceEventsAfterLaunch();
        fT_ = firstPositiveEvent(tmpl_);
        fR_ = firstPositiveEvent(trace_);
        if (scaleMode_ == 1) scaleTraceEvents();
        matchAll();
        orderMatches();
        if (merge_ && keepMatched_) copyCommentsToMatched();
        markTraceEventsForDeletion();
        trace_.EVDeleteFlagged();
        insertTemplateEvents();
        closeTable();
    }

private:
    double templateKM(int32_t s) { return tmpl_.EVGetStartKM(s) * kT_; }

    void chooseScaleFactors() {
        double templateEnd = lastEventStartKM(tmpl_);
        double traceEnd = lastEventStartKM(trace_);
        if (scaleMode_ == 2) kT_ = endRatio(traceEnd, templateEnd);
        if (scaleMode_ == 1) kR_ = endRatio(templateEnd, traceEnd);
        scaledTemplateEndKM_ = templateEnd * kT_;
        scaledTraceEndKM_ = traceEnd * kR_;
    }

    void deleteTraceEventsAfterLaunch() {
        for (int32_t j = 1; j < trace_.EVCount(); ++j)
            trace_.EVSetFlags(j, T6_EVFLAG_MARKED_FOR_DELETION);
        trace_.EVDeleteFlagged();
    }

    void scaleTraceEvents() {
        for (int32_t j = fR_; j < trace_.EVCount(); ++j) {
            LSAOffsetsKM offsets = lsaOffsetsKM(trace_, j).scaled(kR_);
            double startKM = trace_.EVGetStartKM(j) * kR_;
            double endKM = trace_.EVGetEndKM(j) * kR_;
            trace_.EVSetStartKM(j, startKM);
            trace_.EVSetEndKM(j, endKM);
            trace_.EVSetLSAOffKM(j, offsets.aStart, offsets.aEnd, offsets.bStart, offsets.bEnd);
        }
        trace_.SetModFlag(T6_MOD_EVENTS);
    }

    double toleranceKM(double positionKM) {
        double launchCableKM = std::max(-tmpl_.GetHorzShiftKM(), 0.0);
        double tolerance = (positionKM + launchCableKM) * tolerancePct_ / 100.0;
        return std::min(tolerance, toleranceMaxKM_);
    }

    // The closest free trace event within tolerance of template event c, or
    // one held by another template event that lies farther from it; -1 for none.
    int32_t closestTraceEvent(int32_t c) {
        const double p = templateKM(c);
        double tolerance = toleranceKM(p);
        int32_t chosen = -1;
        for (int32_t j = fR_; j < trace_.EVCount(); ++j) {
            double distance = std::fabs(trace_.EVGetStartKM(j) - p);
            if (distance > tolerance || (chosen >= 0 && distance >= tolerance)) continue;
            int32_t holder = matchR_[j];
            if (holder != 0 && holder != c &&
                std::fabs(templateKM(holder) - trace_.EVGetStartKM(j)) <= distance)
                continue;
            chosen = j;
            tolerance = distance;
        }
        return chosen;
    }

    // A template event that takes a trace event from another sends that one
    // looking again, until someone finds a free event or none is left.
    void matchAll() {
        matchT_.assign(tmpl_.EVCount(), 0);
        matchR_.assign(trace_.EVCount(), 0);
        // Every displacement strictly shortens a trace event's match distance,
        // so the chain ends; the bound only guards against rounding.
        size_t budget = size_t(tmpl_.EVCount() + 1) * size_t(trace_.EVCount() + 1);
        for (int32_t s = fT_; s < tmpl_.EVCount(); ++s) {
            int32_t c = s;
            while (c != 0 && budget-- > 0) {
                int32_t j = closestTraceEvent(c);
                if (j < 0) break;
                int32_t displaced = matchR_[j];
                if (displaced == c) break;
                matchT_[c] = j;
                matchR_[j] = c;
                if (displaced != 0) matchT_[displaced] = 0;
                c = displaced;
            }
        }
    }

    // Matches keep the order of the template: crossed neighbours swap.
    void orderMatches() {
        bool exchanged = true;
        while (exchanged) {
            exchanged = false;
            for (int32_t s = fT_; s + 1 < tmpl_.EVCount(); ++s) {
                int32_t j = matchT_[s], k = matchT_[s + 1];
                if (!j || !k || trace_.EVGetStartKM(k) >= trace_.EVGetStartKM(j)) continue;
                std::swap(matchT_[s], matchT_[s + 1]);
                matchR_[j] = s + 1;
                matchR_[k] = s;
                exchanged = true;
                break;
            }
        }
    }

    void copyCommentsToMatched() {
        char16_t comment[64];
        for (int32_t s = fT_; s < tmpl_.EVCount(); ++s) {
            int32_t j = matchT_[s];
            if (!j || trace_.EVGetComment(j, comment)[0] != 0) continue;
            trace_.EVSetComment(j, tmpl_.EVGetComment(s, comment));
        }
    }

    void markTraceEventsForDeletion() {
        const int32_t count = trace_.EVCount();
        if (merge_ && !keepMatched_) {
            for (int32_t j = 1; j < count; ++j) {
                bool beyondTemplate = j >= fR_ && trace_.EVGetStartKM(j) > scaledTemplateEndKM_;
                if (matchR_[j] != 0 || j == count - 1 || beyondTemplate)
                    trace_.EVSetFlags(j, T6_EVFLAG_MARKED_FOR_DELETION);
            }
        }
        const double maxKM = trace_.GetMaxKM();
        for (int32_t j = fR_ + 1; j < count; ++j)
            if (trace_.EVGetStartKM(j) > maxKM) trace_.EVSetFlags(j, T6_EVFLAG_MARKED_FOR_DELETION);
    }

    bool isInserted(int32_t s) {
        if (merge_ && !keepMatched_) return true;
        if (matchT_[s] != 0) return false;
        if (merge_ && keepMatched_) {
            bool last = s == tmpl_.EVCount() - 1;
            if (last || templateKM(s) > scaledTraceEndKM_) return false;
        }
        return true;
    }

    void insertTemplateEvents() {
        const double lowestKM = std::max(trace_.GetHorzShiftKM(), 0.0);
        const double maxKM = trace_.GetMaxKM();
        for (int32_t s = fT_; s < tmpl_.EVCount(); ++s) {
            if (!isInserted(s)) continue;
            double aKM = templateKM(s);
            if (aKM < lowestKM || aKM > maxKM) continue;
            insertMeasured(s, aKM, tmpl_.EVGetEndKM(s) * kT_);
        }
    }

    void insertMeasured(int32_t s, double aKM, double bKM) {
        const int32_t type = tmpl_.EVGetType(s);
        const int32_t mode = tmpl_.EVGetLossMode(s);
        const LSAOffsetsKM offsets = lsaOffsetsKM(tmpl_, s).scaled(kT_);
        const int32_t i = trace_.EVInsert();
        if (i < 0) return;
        trace_.EVSetType(i, type);
        trace_.EVSetStartKM(i, aKM);
        trace_.EVSetEndKM(i, bKM);

        uint32_t flags = T6_EVFLAG_TEMPLATE_EVENT;
        double out[6];
        double loss =
            trace_.CalcLoss(mode, 0, aKM, offsets.aStart, offsets.aEnd, bKM, offsets.bStart,
                            offsets.bEnd, out[0], out[1], out[2], out[3], out[4], out[5]);
        if (loss == T6_NO_VALUE) {
            loss = 0;
            flags |= T6_EVFLAG_LOSS_UNKNOWN;
        }
        if (type == T6_EVENT_END) loss = 0;
        trace_.EVSetLoss(i, loss);

        bool measureRefl = type == T6_EVENT_REFLECTIVE || type == T6_EVENT_END ||
                           (type == T6_EVENT_GROUP && tmpl_.EVGetRefl(s) < 0);
        double refl = 0;
        if (measureRefl) {
            int32_t status = 0;
            refl = trace_.CalcRefl(aKM, bKM, 0, status);
            if (refl < kLowestReflDB || refl >= 0) refl = 0;
            if (refl < 0) flags |= static_cast<uint32_t>(status);
        }
        trace_.EVSetRefl(i, refl);
        if (type == T6_EVENT_END) flags |= T6_EVFLAG_CLOSING;
        trace_.EVSetFlags(i, flags);
        trace_.EVSetLossMode(i, mode);
        trace_.EVSetLSAOffKM(i, offsets.aStart, offsets.aEnd, offsets.bStart, offsets.bEnd);
        char16_t comment[64];
        trace_.EVSetComment(i, tmpl_.EVGetComment(s, comment));
    }

    void closeTable() {
        trace_.EVSort();
        int32_t count = trace_.EVCount();
        if (count > 0 && trace_.EVGetType(count - 1) == T6_EVENT_END) return;
        int32_t points = trace_.DPLCount() > 0 ? trace_.DPLCount() : trace_.DPOCount();
        int32_t lastDP = std::max(points - 1, 0);
        int32_t i = trace_.EVInsert();
        if (i < 0) return;
        trace_.EVSetType(i, T6_EVENT_END);
        trace_.EVSetStartDP(i, lastDP);
        trace_.EVSetStartFR(i, 0);
        trace_.EVSetEndDP(i, lastDP);
        trace_.EVSetEndFR(i, 0);
        trace_.EVSetLossMode(i, T6_LOSS_SPLICE);
        trace_.EVSetFlags(i, kFlagsTemplateEnd);
    }

    CT6& tmpl_;
    CT6& trace_;
    const bool merge_, keepMatched_;
    const double tolerancePct_, toleranceMaxKM_;
    const int32_t scaleMode_;
    double kT_ = 1.0, kR_ = 1.0;
    double scaledTemplateEndKM_ = 0, scaledTraceEndKM_ = 0;
    int32_t fT_ = 1, fR_ = 1;
    std::vector<int32_t> matchT_; // per template event: its trace event, 0 for none
    std::vector<int32_t> matchR_; // per trace event: its template event, 0 for none
};

} // namespace

int32_t CT6::BuildFASTemplate() {
    if (IsTraceTemplate()) return T6_TEMPLATE_ALREADY;
    if (EVCount() == 0) return T6_TEMPLATE_EMPTY;
    SetTraceTemplate(1);
    SetModFlag(T6_MOD_ANALYSIS);
    return T6_TEMPLATE_DONE;
}

int32_t CT6::ApplyTemplateTo(CT6* trace, int32_t merge, int32_t keepMatched, double tolerancePct,
                             double toleranceMaxKM, int32_t scaleMode) {
    if (!IsTraceTemplate()) return T6_TEMPLATE_NOT_A_TEMPLATE;
    if (EVCount() == 0) return T6_TEMPLATE_EMPTY;
    if (!trace || trace == this) return T6_TEMPLATE_NO_TRACE;
    TemplateApplication(*this, *trace, merge, keepMatched, tolerancePct, toleranceMaxKM, scaleMode)
        .run();
    return T6_TEMPLATE_DONE;
}
