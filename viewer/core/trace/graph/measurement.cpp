#include "core/trace/graph/measurement.h"

#include "core/platform/text.h"
#include "core/trace/graph/graph_codes.h"
#include "core/trace/graph/graph_text.h"

namespace orvane::graph {
namespace {

constexpr double kNoisePercent = 98.0;
constexpr uint16_t kNoNoiseLevel = 0xFFFF;
constexpr const char* kNotAvailable = "N/A";

std::optional<double> Valued(double v) {
    if (v == T6_NO_VALUE) return std::nullopt;
    return v;
}

struct TraceLoss {
    std::string text;
    std::optional<double> value;
    std::array<double, 4> segmentLevels{}; // a start, a end, b start, b end
};

TraceLoss MeasureTrace(const TraceCurve& curve, const MeasurementInputs& in) {
    TraceLoss out;
    LsaOffsets o = LossModeUsesLsa(in.lossMode) ? in.lsa : LsaOffsets{};
    int32_t fromEnd = curve.IsFlipped() ? 1 : 0;
    double aFit = 0, aS = 0, aE = 0, bFit = 0, bS = 0, bE = 0;
    CT6& record = curve.MeasuredRecord();
    if (in.lossMode == T6_LOSS_ORL) {
        out.text = kNotAvailable;
        return out;
    }
    out.value = Valued(record.CalcLoss(in.lossMode, fromEnd, in.cursorA, o.aStart, o.aEnd,
                                       in.cursorB, o.bStart, o.bEnd, aFit, aS, aE, bFit, bS, bE));
    out.segmentLevels = {aS, aE, bS, bE};
    char16_t buffer[kTextRoom] = {};
    out.text = toUtf8(record.CalcLoss(buffer, in.lossMode, fromEnd, in.cursorA, o.aStart, o.aEnd,
                                      in.cursorB, o.bStart, o.bEnd, aFit, aS, aE, bFit, bS, bE,
                                      T6_WITH_UNITS));
    // The attenuation-corrected loss also shows what was measured before the correction.
    if (in.lossMode == T6_LOSS_2POINT_ATN_COR && out.value) {
        double measured = record.CalcLoss(T6_LOSS_2POINT, fromEnd, in.cursorA, 0, 0, in.cursorB, 0,
                                          0, aFit, aS, aE, bFit, bS, bE);
        if (measured != T6_NO_VALUE) out.text += FormatText(" (%.3f)", measured);
    }
    return out;
}

// Shown distances of the four handle points. A flipped trace measures from
// its end, so the library's segments come back mirrored.
std::array<double, 4> HandleKM(const MeasurementInputs& in, bool flipped) {
    const LsaOffsets& o = in.lsa;
    double a = in.cursorA;
    double b = in.lossMode == T6_LOSS_SPLICE ? in.cursorA : in.cursorB;
    if (!flipped) return {a + o.aStart, a + o.aEnd, b + o.bStart, b + o.bEnd};
    double left = in.lossMode == T6_LOSS_SPLICE ? in.cursorA : in.cursorB;
    double right = in.cursorA;
    return {left - o.aStart, left - o.aEnd, right - o.bStart, right - o.bEnd};
}

LsaSegments Segments(const MeasurementInputs& in, const TraceLoss& primary) {
    LsaSegments s;
    if (!LossModeUsesLsa(in.lossMode) || !primary.value) return s;
    double ceiling = in.primary->Record().GetDynamicRange() - in.primary->AlignOffset();
    s.km = HandleKM(in, in.primary->IsFlipped());
    for (size_t i = 0; i < 4; ++i)
        s.value[i] = ceiling - primary.segmentLevels[i];
    s.valid = true;
    return s;
}

} // namespace

int ListPositionOfLossMode(int32_t recordMode) {
    for (size_t i = 0; i < kLossModeList.size(); ++i)
        if (kLossModeList[i].recordMode == recordMode) return static_cast<int>(i);
    return 0;
}

bool LossModeUsesLsa(int32_t recordMode) {
    return recordMode == T6_LOSS_SPLICE || recordMode == T6_LOSS_2POINT_LSA ||
           recordMode == T6_LOSS_DBKM_LSA;
}

std::string CursorDistanceText(double km) {
    if (km == -1) return kNotAvailable;
    char16_t buffer[kTextRoom] = {};
    return toUtf8(T6CurDistFromKM(km, buffer, T6_WITH_UNITS));
}

MeasurementReadout ComputeMeasurement(const MeasurementInputs& in) {
    MeasurementReadout out;
    out.aText = CursorDistanceText(in.cursorA);
    out.bText = CursorDistanceText(in.cursorB);
    if (in.cursorA != -1 && in.cursorB != -1)
        out.abText = CursorDistanceText(in.cursorB - in.cursorA);
    if (!in.primary || in.cursorA == -1 || in.cursorB == -1) return out;

    TraceLoss primary = MeasureTrace(*in.primary, in);
    out.primaryText = primary.text;
    out.primaryValue = primary.value;
    out.lsa = Segments(in, primary);
    char16_t buffer[kTextRoom] = {};
    double a = in.primary->RecordKM(in.cursorA);
    double b = in.primary->RecordKM(in.cursorB);
    out.reflectanceText = toUtf8(
        in.primary->Record().CalcRefl(buffer, std::min(a, b), std::max(a, b), 0, T6_WITH_UNITS));

    if (!in.second) return out;
    TraceLoss second = MeasureTrace(*in.second, in);
    out.secondText = second.text;
    out.secondValue = second.value;
    if (!primary.value || !second.value) return out;
    if (in.flip) {
        out.compareLabel = "Avg";
        out.compareText = FormatText("%7.3f", (*primary.value + *second.value) / 2);
    } else {
        out.compareLabel = "Diff";
        out.compareText = FormatText("%7.3f", *primary.value - *second.value);
    }
    return out;
}

std::string LaunchLevelText(CT6& record, double cursorA, double cursorB) {
    if (record.EVCount() == 0 || !record.IsTraceAnalyzed()) return "Please run FAS first.";
    double dy = record.DPWGetDy();
    uint16_t fr = 0;
    int32_t aDP = record.DPFRFromKM(cursorA, fr);
    int32_t bDP = record.DPFRFromKM(cursorB, fr);
    int32_t floorDP = record.CalcNoiseFloorDP(0);
    int32_t between = record.CalcNFPctDV(aDP, bDP, kNoisePercent);
    int32_t reference = floorDP > 0
                            ? record.CalcNFPctDV(floorDP, record.DPOCount() - 1, kNoisePercent)
                            : kNoNoiseLevel;
    double launch = record.GetLaunchIntercept() - record.GetDynamicRange();
    double noise = (between == kNoNoiseLevel || reference == kNoNoiseLevel)
                       ? -1.0
                       : (between - reference) * dy;
    double range = between == kNoNoiseLevel ? -1.0 : record.GetLaunchIntercept() - between * dy;
    return FormatText("Launch Level:\t%f\n98%% Noise Floor:\t%f\nDynamic Range\t%f", launch, noise,
                      range);
}

} // namespace orvane::graph
