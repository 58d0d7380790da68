#include "core/bidir/bidir_report.h"

#include "core/bidir/report_table.h"
#include "core/platform/text.h"

#include <varnel/codes.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane::bidir {

namespace {

constexpr double kFinished = 1e21;
constexpr double kPatchCordShare = 0.02;

bool counts(const CT6& t, int32_t i) {
    return i >= 1 && t.EVGetStart(i) >= 0;
}

void bounds(const CT6& t, int32_t& first, int32_t& last) {
    first = 0;
    last = 0;
    for (int32_t i = 1; i < t.EVCount(); ++i)
        if (counts(t, i)) {
            if (first == 0) first = i;
            last = i;
        }
    if (first == 0) first = 1;
}

class Pairer {
public:
    Pairer(const CT6& a, const CT6& b, BiDirPairing& p, double ea, double tolerance)
        : m_a(a), m_b(b), m_p(p), m_ea(ea), m_tolerance(tolerance) {}

    double distance(int32_t i, int32_t j) const {
        return std::fabs(m_ea - (m_a.EVGetStart(i) + m_b.EVGetStart(j)));
    }

    void place(int32_t j, int32_t aStart) {
        for (;;) {
            int32_t candidate = kUnpaired;
            double best = m_tolerance;
            for (int32_t i = aStart; i < m_p.lastA; ++i) {
                const double d = distance(i, j);
                if (d > best) continue;
                const int32_t k = m_p.partnerOfA[static_cast<std::size_t>(i)];
                if (k != kUnpaired && k != j && distance(i, k) <= d) continue;
                best = d;
                candidate = i;
            }
            if (candidate == kUnpaired) return;
            const int32_t displaced = m_p.partnerOfA[static_cast<std::size_t>(candidate)];
            m_p.partnerOfA[static_cast<std::size_t>(candidate)] = j;
            m_p.partnerOfB[static_cast<std::size_t>(j)] = candidate;
            if (displaced == kUnpaired || displaced == j) return;
            m_p.partnerOfB[static_cast<std::size_t>(displaced)] = kUnpaired;
            j = displaced;
        }
    }

private:
    const CT6& m_a;
    const CT6& m_b;
    BiDirPairing& m_p;
    double m_ea;
    double m_tolerance;
};

void link(BiDirPairing& p, int32_t i, int32_t j) {
    p.partnerOfA[static_cast<std::size_t>(i)] = j;
    p.partnerOfB[static_cast<std::size_t>(j)] = i;
}

// B indices fall as A indices rise.
void order(BiDirPairing& p, int32_t aStart) {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int32_t i = aStart; i + 1 < p.lastA; ++i) {
            const int32_t x = p.partnerOfA[static_cast<std::size_t>(i)];
            const int32_t y = p.partnerOfA[static_cast<std::size_t>(i + 1)];
            if (x == kUnpaired || y == kUnpaired || x >= y) continue;
            link(p, i, y);
            link(p, i + 1, x);
            swapped = true;
            break;
        }
    }
}

std::string text16(const char16_t* text) {
    return trimmed(toUtf8(text));
}

struct Side {
    std::string fields = "|||||";
    bool joins = false;
    double loss = 0.0;
};

Side sideOf(const CT6& t, int32_t i, const BiDirSettings& settings) {
    Side side;
    if (i == kUnpaired) return side;
    char16_t buf[kTextRoom] = {};
    const std::string type = text16(t.EVGetTypeChar(i, buf)).substr(0, 1);
    const std::string location = text16(T6CurDist(t.EVGetStart(i), buf, T6_NO_UNITS));
    const bool unmeasurable = (t.EVGetFlags(i) & T6_EVFLAG_LOSS_UNKNOWN) != 0;
    double loss = unmeasurable ? T6_NO_VALUE : t.EVGetLoss(i);
    std::string lossText = unmeasurable ? "N/A" : text16(t.EVGetLoss(i, buf, T6_NO_UNITS));
    const bool hasValue = loss != T6_NO_VALUE;
    if (type == "E" && !t.IsEndConn()) {
        lossText.clear();
    } else {
        side.joins = hasValue;
        side.loss = loss;
        if (!hasValue || std::fabs(loss) >= settings.hiLoss1DirDB)
            lossText = kEmphasisMarker + lossText;
    }
    const std::string span = text16(t.EVGetSpanLossDBKM(i, buf, T6_NO_UNITS));
    const std::string refl = t.EVGetType(i) == T6_EVENT_NON_REFLECTIVE
                                 ? ""
                                 : text16(t.EVGetReflFlagged(i, buf, T6_NO_UNITS));
    side.fields = type + "|" + location + "|" + lossText + "|" + span + "|" + refl + "|";
    return side;
}

} // namespace

BiDirPairing PairBiDirEvents(const CT6& a, const CT6& b, const BiDirSettings& settings) {
    BiDirPairing p;
    p.partnerOfA.assign(static_cast<std::size_t>(std::max(0, a.EVCount())), kUnpaired);
    p.partnerOfB.assign(static_cast<std::size_t>(std::max(0, b.EVCount())), kUnpaired);
    bounds(a, p.firstA, p.lastA);
    bounds(b, p.firstB, p.lastB);
    if (a.EVCount() < 2 || b.EVCount() < 2) return p;
    const double ea = a.EVGetStart(p.lastA);
    const double eb = b.EVGetStart(p.lastB);
    const double tolerance = settings.corrPercent * ea / 100.0;
    if (std::fabs(ea - eb) > tolerance) return p;
    const double x = std::min(kPatchCordShare * ea, T6CurDistFromKM(settings.patchCordKM));
    int32_t aStart = p.firstA;
    int32_t bStart = p.firstB;
    if (p.lastA > p.firstA && a.GetHorzShift() < 0 && a.EVGetStart(p.firstA) <= x) {
        link(p, p.firstA, p.lastB);
        ++aStart;
    }
    if (p.lastB > p.firstB && b.GetHorzShift() < 0 && b.EVGetStart(p.firstB) < x) {
        link(p, p.lastA, p.firstB);
        ++bStart;
    }
    Pairer pairer(a, b, p, ea, tolerance);
    for (int32_t j = bStart; j < p.lastB; ++j)
        pairer.place(j, aStart);
    order(p, aStart);
    return p;
}

std::vector<BiDirRow> BiDirRows(const CT6& a, const CT6& b, const BiDirPairing& p) {
    std::vector<BiDirRow> rows;
    const double eb = b.EVCount() >= 2 ? b.EVGetStart(p.lastB) : 0.0;
    int32_t ai = a.EVCount() >= 2 ? p.firstA : p.lastA + 1;
    auto nextB = [&](int32_t from) {
        for (int32_t j = from; j >= p.firstB; --j)
            if (p.partnerOfB[static_cast<std::size_t>(j)] == kUnpaired) return j;
        return 0;
    };
    int32_t bj = b.EVCount() >= 2 ? nextB(p.lastB) : 0;
    while ((ai <= p.lastA || (bj >= p.firstB && bj > 0)) && rows.size() < kMaxBiDirRows) {
        const double aPos = ai <= p.lastA ? a.EVGetStart(ai) : kFinished;
        const double bPos = bj > 0 ? eb - b.EVGetStart(bj) : kFinished;
        if (aPos <= bPos) {
            rows.push_back({ai, p.partnerOfA[static_cast<std::size_t>(ai)]});
            ++ai;
        } else {
            rows.push_back({kUnpaired, bj});
            bj = nextB(bj - 1);
        }
    }
    return rows;
}

namespace {

// One row's text: its number, both sides, and the splice loss averaged over
// the sides that measured it.
std::string rowLine(const CT6& a, const CT6* b, const BiDirRow& row, int32_t firstA,
                    const BiDirSettings& settings) {
    std::string line = row.a == kUnpaired ? "||" : "|" + std::to_string(row.a - firstA + 1) + "|";
    const Side sa = sideOf(a, row.a, settings);
    const Side sb = b ? sideOf(*b, row.b, settings) : Side{};
    line += sa.fields + sb.fields;
    const int n = (sa.joins ? 1 : 0) + (sb.joins ? 1 : 0);
    if (n == 0) return line + "|";
    const double average = ((sa.joins ? sa.loss : 0.0) + (sb.joins ? sb.loss : 0.0)) / n;
    const double limit = n == 1 ? settings.hiLoss1DirDB : settings.hiLossBiDirDB;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f|", average);
    return line + (std::fabs(average) >= limit ? std::string(1, kEmphasisMarker) : "") + text;
}

} // namespace

std::vector<std::string> BiDirReportLines(const CT6& a, const CT6& b,
                                          const BiDirSettings& settings) {
    std::vector<std::string> lines = reportHeadings(ReportKind::BiDirectional);
    const BiDirPairing pairing = PairBiDirEvents(a, b, settings);
    for (const BiDirRow& row : BiDirRows(a, b, pairing))
        lines.push_back(rowLine(a, &b, row, pairing.firstA, settings));
    return lines;
}

std::vector<std::string> OneDirReportLines(const CT6& a, const BiDirSettings& settings) {
    std::vector<std::string> lines = reportHeadings(ReportKind::OneDirSummary);
    int32_t first = 0, last = 0;
    bounds(a, first, last);
    for (int32_t i = first; i <= last && a.EVCount() >= 2; ++i)
        lines.push_back(rowLine(a, nullptr, {i, kUnpaired}, first, settings));
    return lines;
}

} // namespace orvane::bidir
