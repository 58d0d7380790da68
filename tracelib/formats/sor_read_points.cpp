// Data points from the DataPts block. Files store each point as a loss in
// dB below the instrument's reference (raw x scale factor / 1e6); the record
// holds levels that rise with the light, so each point becomes a dynamic
// range minus its loss, on one scale of 1000 units per dB. Deep traces are
// first lifted by their smallest loss, the level offset, which the writer
// adds back so that the file's absolute levels survive.
#include "formats/sor_record.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int32_t kRecordScaleFactor = 1000;
constexpr double kOffsetAboveDB = 56.0;  // deeper traces are lifted by their smallest loss
constexpr int32_t kHighestUnits = 65535; // the most a stored point holds
constexpr double kFirstRangeDB = 24.0;
constexpr double kRangeStepDB = 8.0;
constexpr int kMaxRangeSteps = 5;

struct LossSpan {
    double lowestDB = 999.0;
    double highestDB = 0.0;
};

LossSpan lossSpan(const varnel::sor::DataPts& d) {
    LossSpan span;
    for (const auto& block : d.blocks) {
        if (block.points.empty()) continue;
        // Plain minimum and maximum of the values, which vectorise.
        uint16_t low = block.points.front();
        uint16_t high = low;
        for (const uint16_t v : block.points) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
        const double dbPerUnit = block.scaleFactor / 1e6;
        span.lowestDB = std::min(span.lowestDB, low * dbPerUnit);
        span.highestDB = std::max(span.highestDB, high * dbPerUnit);
    }
    return span;
}

// Smallest of 24, 32, ... 64 dB that holds the deepest loss.
double dynamicRangeFor(double highestDB) {
    double range = kFirstRangeDB;
    for (int step = 0; step < kMaxRangeSteps && range < highestDB; ++step)
        range += kRangeStepDB;
    return range;
}

// Points of one block as levels of 0.001 dB: top - loss, held in what a
// stored point can take.
void convertBlock(const varnel::sor::ScaleFactorBlock& block, size_t n, double topUnits,
                  uint16_t* out) {
    // Most files store 0.001 dB steps; then the conversion is exact in integers.
    if (block.scaleFactor == kRecordScaleFactor && topUnits == std::floor(topUnits)) {
        const auto top = static_cast<int32_t>(topUnits);
        for (size_t j = 0; j < n; ++j) {
            out[j] = static_cast<uint16_t>(std::clamp(top - block.points[j], 0, kHighestUnits));
        }
        return;
    }
    for (size_t j = 0; j < n; ++j)
        out[j] = varnel::sor::levelOfPoint(block.points[j], block.scaleFactor, topUnits);
}

uint16_t rescaled(uint32_t value, int32_t oldScale) {
    return static_cast<uint16_t>(
        std::min<uint32_t>(value * kRecordScaleFactor / static_cast<uint32_t>(oldScale), 65535));
}

} // namespace

uint16_t varnel::sor::levelOfPoint(uint16_t point, uint16_t scaleFactor, double topUnits) {
    const double unitsPerPoint = scaleFactor / 1000.0;
    const double level = std::clamp(topUnits - point * unitsPerPoint, 0.0, double(kHighestUnits));
    return static_cast<uint16_t>(level + 0.5);
}

CT6::SR4731::Levels CT6::SR4731::levelsOf(const varnel::sor::DataPts& d) {
    LossSpan span = lossSpan(d);
    Levels levels;
    if (span.highestDB > kOffsetAboveDB) {
        // Whole 0.001 dB, so that points written back with it read back the same.
        levels.offsetUnits = static_cast<int32_t>(std::lround(span.lowestDB * kRecordScaleFactor));
        span.highestDB -= span.lowestDB;
    }
    levels.rangeDB = dynamicRangeFor(span.highestDB);
    return levels;
}

CT6::SR4731::Levels CT6::SR4731::readDataPoints(CT6& r, const SorFile& f, bool fromNative) {
    const auto& blocks = f.dataPts.blocks;
    r.DPOInitArray(f.dataPts.totalPoints);
    r.DPOSetCount(f.dataPts.totalPoints);

    r.SFInitArray(static_cast<int32_t>(blocks.size()));
    r.m_scaleFactorCount = std::min(static_cast<int32_t>(blocks.size()), r.SFMaxCount());
    int32_t start = 0;
    for (int32_t i = 0; i < r.m_scaleFactorCount; ++i) {
        auto& entry = r.m_scaleFactors[static_cast<size_t>(i)];
        entry.startDP = start;
        entry.scaleFactor = kRecordScaleFactor;
        start += static_cast<int32_t>(blocks[size_t(i)].points.size());
    }

    const Levels levels = levelsOf(f.dataPts);
    r.SetDynamicRange(levels.rangeDB);
    const double topUnits = levels.topUnits();

    uint16_t* out = r.DPOGetPtr(0);
    const int32_t count = r.DPOCount();
    int32_t p = 0;
    for (const auto& block : blocks) {
        const size_t n = std::min(block.points.size(), static_cast<size_t>(count - p));
        convertBlock(block, n, topUnits, out + p);
        p += static_cast<int32_t>(n);
    }

    // The native record's levels were on its own scale.
    const int32_t oldScale = r.m_dpwScaleFactor;
    if (fromNative && oldScale > 0) {
        r.m_launchIntercept = rescaled(r.m_launchIntercept, oldScale);
        r.m_zkmLevel = rescaled(r.m_zkmLevel, oldScale);
    }
    r.DPWSetup(1);
    return levels;
}
