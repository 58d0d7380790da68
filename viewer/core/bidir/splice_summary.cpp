#include "core/bidir/splice_summary.h"

#include <algorithm>
#include <cstdio>

namespace orvane::bidir {

namespace {

class StatsAccumulator {
public:
    void add(double value) {
        if (m_stats.count == 0) {
            m_stats.minimum = m_stats.maximum = value;
        } else {
            m_stats.minimum = std::min(m_stats.minimum, value);
            m_stats.maximum = std::max(m_stats.maximum, value);
        }
        ++m_stats.count;
        m_sum += value;
    }

    LossStats result() const {
        LossStats stats = m_stats;
        if (stats.count > 0) stats.average = m_sum / stats.count;
        return stats;
    }

private:
    LossStats m_stats;
    double m_sum = 0.0;
};

} // namespace

std::optional<double> BiDirectionalMean(double aToB, double bToA) {
    if (aToB == 0.0 || bToA == 0.0) return std::nullopt;
    return (aToB + bToA) / 2.0;
}

std::string NoSpliceLossText(int32_t fiber) {
    char text[64];
    std::snprintf(text, sizeof text, "No Splice Loss for an event in Fiber Number %.3d.", fiber);
    return text;
}

SpliceSummary SummariseSpliceLosses(const SpliceLossTable& table, bool ignoreFirstColumn,
                                    bool ignoreLastColumn) {
    size_t columns = 0;
    for (const auto& row : table.losses)
        columns = std::max(columns, row.size());
    std::vector<StatsAccumulator> perPosition(columns);
    StatsAccumulator overall;
    SpliceSummary summary;
    for (size_t f = 0; f < table.losses.size(); ++f) {
        const auto& row = table.losses[f];
        for (size_t c = 0; c < columns; ++c) {
            const std::optional<double> value = c < row.size() ? row[c] : std::nullopt;
            if (!value) {
                summary.missing.push_back(
                    NoSpliceLossText(f < table.fibers.size() ? table.fibers[f] : 0));
                continue;
            }
            perPosition[c].add(*value);
            const bool leftOut =
                (ignoreFirstColumn && c == 0) || (ignoreLastColumn && c + 1 == columns);
            if (!leftOut) overall.add(*value);
        }
    }
    for (const auto& column : perPosition)
        summary.perPosition.push_back(column.result());
    summary.overall = overall.result();
    return summary;
}

} // namespace orvane::bidir
