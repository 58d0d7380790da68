// The record's levels as the points of the DataPts block. A point is a loss
// below the top of the levels (dynamic range plus the offset a deep trace was
// read with), on the scale of its block. Points of a file we read go back as
// stored wherever the record kept their level, so an unedited trace is
// written with the blocks and scales it was read from.
#include "formats/sor_origin.h"
#include "formats/sor_record.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace sor = varnel::sor;

namespace {

constexpr int32_t kRecordScaleFactor = 1000;
constexpr int64_t kHighestPoint = 65535;

struct EncodedBlock {
    sor::ScaleFactorBlock block;
    int32_t inexact = 0; // points that read back as another level
};

uint16_t storable(int64_t point) {
    return static_cast<uint16_t>(std::clamp<int64_t>(point, 0, kHighestPoint));
}

// The stored point that reads back as `level`: the nearest to the exact loss,
// or a neighbour when rounding (or the floor at level 0) takes it elsewhere.
// Without one, the nearest, and `exact` is false.
uint16_t encodePoint(int64_t level, uint16_t scale, double topUnits, bool& exact) {
    if (scale == 0) { // every point reads back as the top
        exact = sor::levelOfPoint(0, 0, topUnits) == level;
        return 0;
    }
    const double ideal = (topUnits - static_cast<double>(level)) * kRecordScaleFactor / scale;
    const double bounded = std::clamp(ideal, -1.0, double(kHighestPoint) + 1.0);
    const auto nearest = static_cast<int64_t>(std::llround(bounded));
    for (const int64_t candidate : {nearest, nearest + 1, nearest - 1}) {
        const uint16_t point = storable(candidate);
        if (sor::levelOfPoint(point, scale, topUnits) == level) {
            exact = true;
            return point;
        }
    }
    exact = false;
    return storable(nearest);
}

// Levels on one scale; a stored point whose level is unchanged is kept.
EncodedBlock encodeBlock(std::span<const int64_t> levels, uint16_t scale, double topUnits,
                         const sor::ScaleFactorBlock* stored, double storedTopUnits) {
    EncodedBlock out;
    out.block.scaleFactor = scale;
    out.block.points.resize(levels.size());
    for (size_t j = 0; j < levels.size(); ++j) {
        if (stored && sor::levelOfPoint(stored->points[j], scale, storedTopUnits) == levels[j]) {
            out.block.points[j] = stored->points[j];
            continue;
        }
        bool exact = false;
        out.block.points[j] = encodePoint(levels[j], scale, topUnits, exact);
        out.inexact += exact ? 0 : 1;
    }
    return out;
}

// The finest scale, not finer than the record's, on which every loss fits.
uint16_t scaleThatHolds(std::span<const int64_t> levels, double topUnits) {
    const int64_t lowest = levels.empty() ? 0 : *std::min_element(levels.begin(), levels.end());
    const double deepest = topUnits - static_cast<double>(lowest);
    const double needed = std::ceil(deepest * kRecordScaleFactor / double(kHighestPoint));
    return static_cast<uint16_t>(std::clamp(needed, double(kRecordScaleFactor), 65535.0));
}

// A block whose levels its own scale cannot give back goes on ours, or on
// the finest scale that holds its deepest loss, when that is better.
EncodedBlock bestBlock(std::span<const int64_t> levels, double topUnits, EncodedBlock first) {
    for (const uint16_t scale : {uint16_t(kRecordScaleFactor), scaleThatHolds(levels, topUnits)}) {
        if (first.inexact == 0) break;
        if (scale == first.block.scaleFactor) continue;
        EncodedBlock other = encodeBlock(levels, scale, topUnits, nullptr, 0.0);
        if (other.inexact < first.inexact) first = std::move(other);
    }
    return first;
}

int64_t recordLevel(const CT6& r, int32_t j) {
    const int32_t scale = r.DPWGetScaleFactor() > 0 ? r.DPWGetScaleFactor() : kRecordScaleFactor;
    return int64_t{r.DPWGetLONG(j)} * kRecordScaleFactor / scale;
}

bool nativeOrigin(const CT6& r) {
    char16_t type[64] = {};
    char16_t original[64] = {};
    const std::u16string_view t = r.GetTraceType(type);
    const std::u16string_view o = r.GetTraceTypeOrig(original);
    return t == u"T6" || t == u"T5" || o == u"T6" || o == u"T5";
}

int64_t pointTotal(const sor::DataPts& d) {
    int64_t total = 0;
    for (const auto& b : d.blocks)
        total += static_cast<int64_t>(b.points.size());
    return total;
}

// Points that, read under the reader's top, do not come back as their level
// moved by the change of top (a level pushed out of what the record holds).
int32_t lostOnReading(std::span<const int64_t> levels, const sor::DataPts& d, double topUnits,
                      double readerTopUnits) {
    const int64_t moved = std::llround(readerTopUnits - topUnits);
    int32_t lost = 0;
    size_t j = 0;
    for (const auto& block : d.blocks) {
        for (const uint16_t point : block.points) {
            if (j >= levels.size()) return lost;
            const int64_t readBack = sor::levelOfPoint(point, block.scaleFactor, readerTopUnits);
            lost += readBack != levels[j++] + moved;
        }
    }
    return lost;
}

} // namespace

int32_t CT6::SR4731::gatherDataPts(const CT6& r, SorFile& f) {
    const int32_t count = std::max(r.DPOCount(), 0);
    const auto& origin = r.m_sr4731Origin;
    Levels top;
    top.rangeDB = std::trunc(r.GetDynamicRange() * kRecordScaleFactor) / kRecordScaleFactor;
    top.offsetUnits = origin ? origin->levels.offsetUnits : 0;
    const double topUnits = top.topUnits();

    // Native traces keep what precedes the zero-km point unused; it goes out
    // at the top of the losses rather than as data.
    const int32_t firstData = nativeOrigin(r) ? r.GetOnAfterZKMDP() : 0;
    std::vector<int64_t> levels(static_cast<size_t>(count));
    for (int32_t j = 0; j < count; ++j)
        levels[size_t(j)] = j < firstData ? 0 : recordLevel(r, j);

    f.dataPts.totalPoints = count;
    f.dataPts.blocks.clear();
    int32_t inexact = 0;
    const bool asStored =
        origin && origin->levels == top && pointTotal(origin->points) == int64_t{count};
    if (asStored) {
        size_t first = 0;
        for (const auto& stored : origin->points.blocks) {
            const std::span<const int64_t> part(levels.data() + first, stored.points.size());
            EncodedBlock b = bestBlock(
                part, topUnits, encodeBlock(part, stored.scaleFactor, topUnits, &stored, topUnits));
            inexact += b.inexact;
            f.dataPts.blocks.push_back(std::move(b.block));
            first += stored.points.size();
        }
    } else {
        EncodedBlock b = bestBlock(levels, topUnits,
                                   encodeBlock(levels, kRecordScaleFactor, topUnits, nullptr, 0.0));
        inexact += b.inexact;
        f.dataPts.blocks.push_back(std::move(b.block));
    }
    // The file has no field for our dynamic range: a reader takes the top
    // of the levels from the points' own span. Levels that read back moved
    // by the change of top keep their losses; only those the reader's top
    // cannot give back are lost.
    const Levels reader = levelsOf(f.dataPts);
    if (count > 0 && reader != top)
        inexact += lostOnReading(levels, f.dataPts, topUnits, reader.topUnits());
    return inexact > 0 ? T6_WRITE_LEVELS_INEXACT : 0;
}
