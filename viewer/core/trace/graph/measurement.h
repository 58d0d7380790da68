// The cursor bar's readouts: A, B and AB distances, the loss between the
// cursors on the primary and second traces in the record's loss mode, their
// comparison, the reflectance, and the fitted LSA segments to draw.
#pragma once

#include "core/trace/graph/trace_curve.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane::graph {

// Least-squares segment offsets in km, relative to their cursor.
struct LsaOffsets {
    double aStart = 0;
    double aEnd = 0;
    double bStart = 0;
    double bEnd = 0;
    bool operator==(const LsaOffsets&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// The fitted segments: shown distances and drawn values of the four handle
// points, in the order left start, left end, right start, right end.
struct LsaSegments {
    bool valid = false;
    std::array<double, 4> km{};
    std::array<double, 4> value{};
};

struct MeasurementReadout {
    std::string aText = "N/A";
    std::string bText = "N/A";
    std::string abText = "N/A";
    std::string primaryText;
    std::string secondText;
    std::optional<double> primaryValue;
    std::optional<double> secondValue;
    std::string compareLabel; // "Diff", "Avg", or empty without two values
    std::string compareText;
    std::string reflectanceText;
    LsaSegments lsa;
};

// The cursor bar's loss-mode list: label and record loss mode per position.
struct LossModeChoice {
    const char* label;
    int32_t recordMode;
};
inline constexpr std::array<LossModeChoice, 7> kLossModeList = {{
    {"Splice Loss", 0},
    {"2-Point Loss", 1},
    {"2-Point Loss LSA", 2},
    {"2-Point Atn. Cor.", 6},
    {"dB/km Loss", 3},
    {"dB/km Loss LSA", 4},
    {"ORL", 5},
}};
int ListPositionOfLossMode(int32_t recordMode);

// Loss modes that measure with least-squares segments have their own set.
bool LossModeUsesLsa(int32_t recordMode);

struct MeasurementInputs {
    const TraceCurve* primary = nullptr;
    const TraceCurve* second = nullptr;
    double cursorA = -1;
    double cursorB = -1;
    int32_t lossMode = 0;
    LsaOffsets lsa;
    bool flip = false; // the comparison is a mean of both directions
};

MeasurementReadout ComputeMeasurement(const MeasurementInputs& in);

// A cursor distance in the current unit with its label, "N/A" when unset.
std::string CursorDistanceText(double km);

// The launch-level box of the primary trace between the cursors, or
// "Please run FAS first." for a trace without events or analysis.
std::string LaunchLevelText(CT6& record, double cursorA, double cursorB);

inline constexpr const char* kBackscatterNotFound =
    "Backscatter not found to the right of Cursor A";
inline constexpr int32_t kORLStatusNoBackscatter = -2;

} // namespace orvane::graph
