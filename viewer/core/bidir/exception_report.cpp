#include "core/bidir/exception_report.h"

#include "core/platform/text.h"

#include <varnel/codes.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

namespace orvane::bidir {

namespace {

constexpr double kLevelRiseDB = 0.02;
constexpr uint16_t kCheckPolynomial = 0x1021;
constexpr double kMillionths = 1e6;

std::string locationText(const CT6& trace, int32_t event) {
    return textOf([&](char16_t* out) { T6CurDistFromKM(trace.EVGetStartKM(event), out, 1); });
}

// Events examined by the per-event criteria: from 1 on with a start not
// below 0, less the patch cord's connector when the trace has one; up to the
// one before the last unless withLast.
std::vector<int32_t> examinedEvents(const CT6& trace, bool withLast) {
    std::vector<int32_t> events;
    const int32_t n = trace.EVCount();
    const int32_t end = withLast ? n : n - 1;
    bool skipFirst = trace.GetStartConnLoss() != 0.0;
    for (int32_t i = 1; i < end; ++i) {
        if (trace.EVGetStartKM(i) < 0) continue;
        if (skipFirst) {
            skipFirst = false;
            continue;
        }
        events.push_back(i);
    }
    return events;
}

class Collector {
public:
    Collector(const std::string& name, std::vector<ExceptionRow>& rows)
        : m_name(name), m_rows(rows) {}
    void add(const std::string& label, const std::string& information) {
        m_rows.push_back({m_name, label, information});
    }

private:
    const std::string& m_name;
    std::vector<ExceptionRow>& m_rows;
};

using TextOf = std::function<std::string(const CT6&)>;

// The header's fields, where they are and what they hold.
std::string headerText(const CT6& t) {
    std::string text;
    for (int32_t i = 0; i < t.HDRGetFldCount(); ++i) {
        uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
        char16_t field[kTextRoom] = {};
        t.HDRGetFldInfo(i, 0, page, line, column, length, kind, field);
        text += std::to_string(page) + "," + std::to_string(line) + "," + std::to_string(column) +
                "," + std::to_string(kind) + ":" + toUtf8(field) + "\n";
    }
    return text;
}

// Display texts of the "Different than Primary" settings, in their order.
const std::array<TextOf, kSettingCriteria>& settingTexts() {
    static const std::array<TextOf, kSettingCriteria> texts = {
        [](const CT6& t) { return textOf([&](char16_t* o) { t.GetWavelengthNominal(o, 1); }); },
        [](const CT6& t) { return textOf([&](char16_t* o) { t.GetRangeNominal(o, 1); }); },
        [](const CT6& t) { return textOf([&](char16_t* o) { t.GetResoNominal(o, 1); }); },
        [](const CT6& t) {
            return t.PWCount() > 0 ? textOf([&](char16_t* o) { t.PWGetPW(0, o, 0, 1); })
                                   : std::string();
        },
        [](const CT6& t) {
            return t.SpanCount() > 0 ? textOf([&](char16_t* o) { t.SpanGetIOR(0, o); })
                                     : std::string();
        },
        [](const CT6& t) {
            return t.SpanCount() > 0 ? textOf([&](char16_t* o) { t.SpanGetBackScatter(0, o, 1); })
                                     : std::string();
        },
        [](const CT6& t) {
            return textOf([&](char16_t* o) { t.GetThresholdLoss(o, 1); }) + " " +
                   textOf([&](char16_t* o) { t.GetThresholdRefl(o, 1); }) + " " +
                   textOf([&](char16_t* o) { t.GetThresholdBreak(o, 1); });
        },
        [](const CT6& t) {
            return textOf([&](char16_t* o) { t.GetORLRelTo(o); }) + " " +
                   textOf([&](char16_t* o) { t.GetORLCalcAToB(o); });
        },
        [](const CT6& t) { return textOf([&](char16_t* o) { t.GetTraceType(o); }); },
        [](const CT6& t) { return textOf([&](char16_t* o) { t.GetModel(o); }); },
        [](const CT6& t) { return textOf([&](char16_t* o) { t.GetOpticsModule(o); }); },
        headerText,
        [](const CT6& t) {
            return std::to_string(t.GetStartConnLoss()) + " " + std::to_string(t.GetEndConnLoss());
        },
        [](const CT6& t) { return std::string(t.IsTraceUserSmoothed() ? "Yes" : "No"); },
    };
    return texts;
}

void differentThanPrimary(const CT6& trace, const CT6& reference, const ExceptionCriteria& c,
                          Collector& out) {
    for (std::size_t k = 0; k < kSettingCriteria; ++k) {
        if (!c.setting[k]) continue;
        const std::string mine = settingTexts()[k](trace);
        if (mine == settingTexts()[k](reference)) continue;
        std::string information = mine;
        const auto criterion = static_cast<SettingCriterion>(k);
        if (criterion == SettingCriterion::HeaderType) information = "Different";
        if (criterion == SettingCriterion::PatchCordSetup)
            information = trace.GetStartConnLoss() != reference.GetStartConnLoss()
                              ? "Start Patch Cord"
                              : "End Patch Cord";
        out.add(kSettingCriterionLabels[k], information);
    }
}

bool beyondPercent(double t, double r, double percent) {
    return std::fabs(t - r) > std::fabs(r * percent / 100.0);
}

std::string dbText(double db) {
    return textOf([&](char16_t* o) { T6GetDB3Dec(db, o, 1); });
}

void differentByPercent(const CT6& trace, const CT6& reference, const ExceptionCriteria& c,
                        Collector& out) {
    const int32_t tn = trace.EVCount();
    const int32_t rn = reference.EVCount();
    const bool events = tn > 0 && rn > 0;
    if (c.endLocation && events &&
        beyondPercent(trace.EVGetStartKM(tn - 1), reference.EVGetStartKM(rn - 1),
                      c.endLocationPrcnt))
        out.add("End Location", locationText(trace, tn - 1));
    if (c.endEndLoss && events &&
        beyondPercent(trace.GetEndToEndLoss(), reference.GetEndToEndLoss(), c.endEndLossPrcnt))
        out.add("End-End Loss", dbText(trace.GetEndToEndLoss()));
    if (c.orl && beyondPercent(trace.GetORL(), reference.GetORL(), c.orlPrcnt))
        out.add("ORL", textOf([&](char16_t* o) { trace.GetORL(o, 1); }));
}

void horizontalShift(const CT6& trace, const CT6& reference, const ExceptionCriteria& c,
                     Collector& out) {
    if (c.horzShift &&
        beyondPercent(trace.GetHorzShift(), reference.GetHorzShift(), c.horzShiftPrcnt))
        out.add("Horizontal Shift", textOf([&](char16_t* o) { trace.GetHorzShift(o, 1); }));
}

// Distances compared at the record's own precision (millionths), so that
// 10.2 - 10.0 is the 0.2 it reads as.
long long micro(double value) {
    return std::llround(value * kMillionths);
}

void eventLocation(const CT6& trace, const CT6& reference, const ExceptionCriteria& c,
                   Collector& out) {
    if (!c.eventLoc) return;
    const double kmLimit = T6CurDistFromKM(c.eventLocKm);
    const std::vector<int32_t> referenceEvents = examinedEvents(reference, false);
    for (int32_t event : examinedEvents(trace, false)) {
        const double start = trace.EVGetStart(event);
        bool matched = false;
        for (int32_t r : referenceEvents) {
            const double p = reference.EVGetStart(r);
            const double tolerance = std::min(p * c.eventLocPrcnt / 100.0, kmLimit);
            if (micro(std::fabs(start - p)) < micro(tolerance)) {
                matched = true;
                break;
            }
        }
        if (!matched) out.add("Event Location", locationText(trace, event));
    }
}

// The unusual-end name of the last event, or empty.
std::string unusualEnd(const CT6& trace) {
    const int32_t last = trace.EVCount() - 1;
    const uint32_t flags = trace.EVGetFlags(last);
    if (flags & T6_EVFLAG_END_AT_NOISE_FLOOR) return "Out of Range";
    if (flags & T6_EVFLAG_END_NO_NOISE_FLOOR) return "Out of Dist.";
    if (trace.EVGetRefl(last) == 0.0 || (flags & T6_EVFLAG_REFL_UNKNOWN)) return "Non-Reflective";
    if (trace.EVGetStartKM(last) <= 0) return "Location";
    const int32_t dp = trace.EVGetStartDP(last);
    const uint16_t fr = trace.EVGetStartFR(last);
    const double level = trace.GetDBAtDPFR(dp, fr);
    const int32_t before = fr == 0 ? dp - 1 : dp;
    if (level - kLevelRiseDB > trace.GetDBAtDPFR(before, 0)) return "Location";
    const int32_t n = std::max(2, trace.PWGetPointsPerAtDP(dp));
    const int32_t after = before + n / 2;
    if (after >= 0 && after < trace.DPOCount() && trace.GetDBAtDPFR(after, 0) < level)
        return "Location";
    if (flags & T6_EVFLAG_GAINER) return "Gainer";
    return {};
}

std::string unusualNonEnd(const CT6& trace, int32_t event) {
    const uint32_t flags = trace.EVGetFlags(event);
    std::vector<const char*> names;
    if (trace.EVGetType(event) == T6_EVENT_GROUP) names.push_back("Group");
    if (flags & T6_EVFLAG_REFL_SATURATED) names.push_back("Saturated");
    if (flags & (T6_EVFLAG_GHOST | T6_EVFLAG_GHOST_ECHO)) names.push_back("Ghost");
    if (flags & T6_EVFLAG_QUESTIONABLE_LOSS) names.push_back("Questionable Loss");
    if (flags & T6_EVFLAG_RISING_EDGE) names.push_back("Rising Edge");
    if (names.empty()) return {};
    std::string text = "(";
    for (std::size_t k = 0; k < names.size(); ++k)
        text += (k ? "," : "") + std::string(names[k]);
    return text + ")";
}

void eventCriteria(const CT6& trace, const ExceptionCriteria& c, Collector& out) {
    const std::vector<int32_t> examined = examinedEvents(trace, false);
    const std::vector<int32_t> withLast = examinedEvents(trace, true);
    if (c.numSplices) {
        int32_t count = static_cast<int32_t>(examined.size());
        if (trace.GetStartConnLoss() != 0.0) --count;
        if (count > c.numSplicesMax) out.add("# Splices", std::to_string(count));
    }
    if (c.none && trace.EVCount() == 0) out.add("None", "");
    if (c.unusualEnd && trace.EVCount() >= 2)
        if (std::string name = unusualEnd(trace); !name.empty()) out.add("Unusual End", name);
    for (int32_t e : withLast) {
        const uint32_t flags = trace.EVGetFlags(e);
        if (c.userCreated && (flags & T6_EVFLAG_INSERTED))
            out.add("User Created", locationText(trace, e));
        if (c.userEdited && (flags & T6_EVFLAG_EDITED) && !(flags & T6_EVFLAG_INSERTED))
            out.add("User Edited", locationText(trace, e));
    }
    for (int32_t e : examined) {
        if (c.lossOutside) {
            const double loss = trace.EVGetLoss(e);
            const bool none = loss == T6_NO_VALUE;
            if (none || loss < c.lossOutsideMin || loss > c.lossOutsideMax) {
                // A loss far out of range must still fit: %.2f of 1e300 is 300 digits.
                char text[400] = "???.??";
                if (!none) std::snprintf(text, sizeof text, "%.2f", loss);
                out.add("Loss Outside", locationText(trace, e) + " (" + text + ")");
            }
        }
        if (c.notSpliceLoss && trace.EVGetLossMode(e) != T6_LOSS_SPLICE)
            out.add("Loss not Splice Loss", locationText(trace, e));
        if (c.unusualNonEnd)
            if (std::string names = unusualNonEnd(trace, e); !names.empty())
                out.add("Unusual Non-End", locationText(trace, e) + " " + names);
        if (c.reflSplice && trace.EVGetType(e) == T6_EVENT_REFLECTIVE)
            out.add("Reflective Splice", locationText(trace, e));
    }
    if (c.spanLoss)
        for (int32_t e : withLast) {
            const double span = trace.EVGetSpanLossDBKM(e);
            if (span == T6_NO_VALUE || span <= 0 || span > c.spanLossValue)
                out.add("Span Loss", locationText(trace, e) + " (" + textOf([&](char16_t* o) {
                                         trace.EVGetSpanLossDBKM(e, o, 0);
                                     }) + ")");
        }
}

void miscellaneous(const CT6& trace, const ExceptionCriteria& c, Collector& out) {
    if (c.averages && trace.GetAvgComplete() < c.averagesMin)
        out.add("Averages", std::to_string(trace.GetAvgComplete()));
    if (c.unusualTrace) {
        std::string names;
        auto add = [&names](bool on, const char* name) {
            if (on) names += (names.empty() ? "" : ", ") + std::string(name);
        };
        add(trace.IsTraceAttenuated(), "Attenuated");
        add(trace.IsTraceAborted(), "Aborted");
        add(trace.IsTrace2WayAvg(), "2-Way Average");
        add(trace.IsTraceDeltaCompare(), "Delta Compare");
        if (!names.empty()) out.add("Unusual Trace", names);
    }
}

} // namespace

std::string ExceptionRow::text() const {
    return "/" + trace + "/" + label + "/" + information;
}

std::vector<ExceptionRow> TraceExceptions(const CT6& trace, const std::string& name,
                                          const CT6& reference, const ExceptionCriteria& criteria) {
    std::vector<ExceptionRow> rows;
    Collector out(name, rows);
    differentThanPrimary(trace, reference, criteria, out);
    differentByPercent(trace, reference, criteria, out);
    horizontalShift(trace, reference, criteria, out);
    eventLocation(trace, reference, criteria, out);
    eventCriteria(trace, criteria, out);
    miscellaneous(trace, criteria, out);
    return rows;
}

uint16_t WaveformCheckValue(const CT6& trace) {
    uint16_t value = 0;
    const int32_t n = trace.DPOCount();
    if (n == 0) return value;
    const auto* bytes = reinterpret_cast<const uint8_t*>(trace.DPOGetPtr(0));
    for (std::size_t k = 0; k < static_cast<std::size_t>(n) * sizeof(uint16_t); ++k)
        for (int bit = 7; bit >= 0; --bit) {
            const bool out = (value & 0x8000) != 0;
            value = static_cast<uint16_t>((value << 1) | ((bytes[k] >> bit) & 1));
            if (out) value ^= kCheckPolynomial;
        }
    return value;
}

std::vector<ExceptionRow> ExceptionReport(TraceSequence& traces, const CT6& reference,
                                          const ExceptionCriteria& criteria) {
    std::vector<ExceptionRow> rows;
    // Earlier traces by check value: their index and, for the full
    // comparison, a copy of their points.
    std::multimap<uint16_t, std::pair<std::size_t, std::vector<uint16_t>>> earlier;
    for (std::size_t i = 0; i < traces.size(); ++i) {
        CT6* trace = traces.acquire(i);
        if (!trace) continue;
        const std::string name = traces.name(i);
        for (ExceptionRow& row : TraceExceptions(*trace, name, reference, criteria))
            rows.push_back(std::move(row));
        if (criteria.duplicateWaveform) {
            const uint16_t check = WaveformCheckValue(*trace);
            const int32_t n = trace->DPOCount();
            std::vector<uint16_t> points(trace->DPOGetPtr(0), trace->DPOGetPtr(0) + n);
            const auto [first, last] = earlier.equal_range(check);
            for (auto it = first; it != last; ++it)
                if (it->second.second == points) {
                    rows.push_back({name, "Duplicate Waveform", traces.name(it->second.first)});
                    break;
                }
            earlier.emplace(check, std::make_pair(i, std::move(points)));
        }
        traces.release(i);
    }
    return rows;
}

} // namespace orvane::bidir
