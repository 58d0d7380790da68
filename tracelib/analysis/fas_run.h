// What one FAS run works on: the trace's data values and segment tables as
// read once from the record, the per-point work array and the candidates.
#pragma once

#include "analysis/fas_candidates.h"
#include "analysis/fas_settings.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <vector>

namespace varnel {

struct PulseSegment {
    int32_t startDP;
    int32_t pointsPer; // points per pulse width
    int32_t nanoSec;
    int32_t preampType;
};

struct SpanSegment {
    int32_t startDP;
    double dxKM; // point spacing
    double backScatterDB;
};

// Slope of the measurements' line fit through n values at x = 1 ... n, in
// values per point; 0 when n < 2.
double lineSlope(const uint16_t* y, int32_t n);

// The same fit over a window that slides one point at a time: exact integer
// sums updated in O(1) a step, for the long scans of the reflection end.
class SlidingLineFit {
public:
    SlidingLineFit(const uint16_t* y, int32_t lastIndex) : y_(y), lastIndex_(lastIndex) {}
    void reset(int32_t first, int32_t n); // window first ... first + n - 1
    void advance();                       // the window moves one point on
    double slope() const;                 // values per point
    int32_t first() const { return first_; }

private:
    int64_t at(int32_t i) const { return i <= lastIndex_ ? y_[i] : y_[lastIndex_]; }
    const uint16_t* y_;
    int32_t lastIndex_;
    int32_t first_ = 0;
    int32_t n_ = 0;
    int64_t sumY_ = 0;  // sum of y
    int64_t sumXY_ = 0; // sum of x * y, x = 1 ... n
};

} // namespace varnel

struct CT6::FASRun {
    const uint16_t* dv = nullptr; // working data values
    int32_t first = 0;            // first point on or after the zero-km point
    int32_t last = 0;             // last-point index
    int32_t nf = 0;               // noise floor position (its absolute value)
    bool noiseFloorFound = false;
    int32_t sf = 1;       // data values per dB
    double atnDBKM = 0.0; // fibre attenuation measured by this run
    double dynamicRangeDB = 0.0;
    double resolutionM = 0.0;
    bool singleMode = true;
    varnel::FASSettings settings;

    // The per-point steps look no further than the horizon: nf for a whole
    // run. Under a nearer one each step says up to where its result is the
    // whole run's.
    int32_t horizon = 0;
    bool bounded() const { return horizon < nf; }
    int32_t heightsExactTo = 0;    // rise map after the peaks' threshold
    int32_t reflectiveExactTo = 0; // every reflective candidate starting up to here is known
    int32_t filterExactTo = 0;     // filter output with one maximum per bump
    int32_t thresholdExactTo = 0;  // filter output after the noise threshold
    int32_t knownTo = 0;           // every candidate found up to here is known
    int32_t reflectiveAdded = 0;   // candidates after the reflections' check, launch included
    int32_t othersAdded = 0;       // non-reflective candidates added after them

    std::vector<varnel::PulseSegment> pulses;
    std::vector<varnel::SpanSegment> spans;
    std::vector<uint16_t> work; // one value per point: heights, linear copy, filter
    varnel::CandidateArray candidates;

    // Inline: the filters ask for every point, and most traces have one segment.
    int32_t pulseIndexAt(int32_t dp) const { return segmentIndexAt(pulses, dp); }
    int32_t spanIndexAt(int32_t dp) const { return segmentIndexAt(spans, dp); }
    int32_t pp(int32_t dp) const { return pulses[static_cast<size_t>(pulseIndexAt(dp))].pointsPer; }
    double dxKM(int32_t dp) const { return spans[static_cast<size_t>(spanIndexAt(dp))].dxKM; }
    int32_t value(int32_t dp) const { return dv[dp]; }
    int32_t dbToDV(double db) const { return static_cast<int32_t>(db * sf); }
    int32_t clampIndex(int32_t dp) const { return dp < 0 ? 0 : (dp > last ? last : dp); }

    // Slope in dB/km of the values over first ... first + n - 1 (clipped to the trace).
    double slopeDBKM(int32_t from, int32_t n) const;
    double toDBKM(double valuesPerPoint, int32_t dp) const;
    // First position of the highest value in a ... b.
    int32_t firstMaximum(int32_t a, int32_t b) const;

private:
    // The last segment starting at or before dp; the first when none does.
    template <class Segment>
    static int32_t segmentIndexAt(const std::vector<Segment>& segments, int32_t dp) {
        int32_t i = 0;
        const auto count = static_cast<int32_t>(segments.size());
        while (i <= count - 2 && dp >= segments[static_cast<size_t>(i + 1)].startDP)
            ++i;
        return i;
    }
};
