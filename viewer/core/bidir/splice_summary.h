// The numbers of the splice-loss summary: the bi-directional mean of each
// splice and the statistics per position and over the whole cable.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::bidir {

// (a + b) / 2; not available when either direction measured exactly 0.
std::optional<double> BiDirectionalMean(double aToB, double bToA);

struct LossStats {
    int32_t count = 0; // fibres with a value
    double average = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
};

// One row per fibre, one column per splice position.
struct SpliceLossTable {
    std::vector<int32_t> fibers;
    std::vector<std::vector<std::optional<double>>> losses;
};

struct SpliceSummary {
    std::vector<LossStats> perPosition;
    LossStats overall;
    std::vector<std::string> missing; // one message per fibre and position without a value
};

// The overall figures leave out the first column when the start patch cord's
// connector is ignored and the last when the end one's is.
SpliceSummary SummariseSpliceLosses(const SpliceLossTable& table, bool ignoreFirstColumn,
                                    bool ignoreLastColumn);

// "No Splice Loss for an event in Fiber Number %.3d."
std::string NoSpliceLossText(int32_t fiber);

} // namespace orvane::bidir
