// The rise map and the segmented threshold that keeps only the heights that
// stand out from the rises of the noise around them.
#include "analysis/fas_steps.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kLaunchMinHeightDB = 20.0;
constexpr int32_t kPeakSegments = 10;
constexpr double kPeakFactor = 4.0;
constexpr int32_t kMinHeightsForPercentile = 5;
constexpr double kMaxThresholdDB = 3.0;
constexpr double kMinAmpReflDB = -70.0;
constexpr double kMinAmpLowDB = 0.1;
constexpr double kMinAmpHighDB = 0.3;

// The heights of one window of the rise map below the histogram's limit, by
// height, and the count of every non-zero height in the window. The counts
// sit in a Fenwick tree so that the median is found in log(limit) steps: it is
// asked for once per peak, and noisy traces have thousands of them.
class HeightWindow {
public:
    explicit HeightWindow(int32_t limit) : tree_(static_cast<size_t>(limit), 0) {
        while (topStep_ * 2 < tree_.size())
            topStep_ *= 2;
    }

    void add(uint16_t height) { change(height, 1); }
    void drop(uint16_t height) { change(height, -1); }

    // The height at which the count from 1 upward passes half of all heights;
    // the limit when the heights below it never get there.
    int32_t median() const {
        int32_t wanted = total_ / 2 + 1;
        size_t below = 0;
        for (size_t step = topStep_; step > 0; step /= 2) {
            const size_t next = below + step;
            if (next < tree_.size() && tree_[next] < wanted) {
                below = next;
                wanted -= tree_[next];
            }
        }
        return static_cast<int32_t>(below + 1);
    }
    int32_t total() const { return total_; }

private:
    void change(uint16_t height, int32_t by) {
        if (height == 0) return;
        total_ += by;
        for (size_t i = height; i < tree_.size(); i += i & (~i + 1))
            tree_[i] += by;
    }
    std::vector<int32_t> tree_;
    size_t topStep_ = 1;
    int32_t total_ = 0;
};

} // namespace

namespace varnel {

void buildRiseMap(CT6::FASRun& run) {
    // Under a horizon nothing past it is read as a height.
    const size_t cleared = run.bounded() ? static_cast<size_t>(run.horizon) + 1 : run.work.size();
    std::fill(run.work.begin(), run.work.begin() + cleared, uint16_t{0});
    const uint16_t* dv = run.dv;
    int32_t i = run.first;
    // Each run of rises is measured whole from its start, so stopping at the
    // horizon leaves every height up to it as a whole run would have it.
    while (i < run.nf && i <= run.horizon) {
        int32_t j = i;
        if (dv[i + 1] > dv[i]) {
            while (j < run.nf && dv[j + 1] > dv[j])
                ++j;
            run.work[static_cast<size_t>(i)] = static_cast<uint16_t>(dv[j] - dv[i]);
        } else if (dv[i + 1] < dv[i]) {
            while (j < run.nf && dv[j + 1] < dv[j])
                ++j;
        } else {
            j = i + 1;
        }
        i = j;
    }
    run.work[static_cast<size_t>(run.last)] = 0;

    const int32_t launchMin = std::min(run.dbToDV(kLaunchMinHeightDB), 65535);
    uint16_t& launch = run.work[static_cast<size_t>(run.first)];
    launch = static_cast<uint16_t>(std::max<int32_t>(launch, launchMin));
    const int32_t deadZone = run.pulses[0].pointsPer - 3;
    for (int32_t k = 1; k <= deadZone && run.first + k <= run.last; ++k) {
        run.work[static_cast<size_t>(run.first + k)] = 0;
    }
}

} // namespace varnel

double CT6::leastPeak(const FASRun& run, int32_t nanoSec, double backScatterDB) const {
    const double height = CalcMinAmpDV(kMinAmpReflDB, nanoSec, backScatterDB);
    return std::clamp(height, kMinAmpLowDB * run.sf, kMinAmpHighDB * run.sf);
}

double CT6::leastPeakThreshold(const FASRun& run) const {
    double least = run.dbToDV(kMaxThresholdDB);
    for (const varnel::PulseSegment& pulse : run.pulses) {
        for (const varnel::SpanSegment& span : run.spans) {
            const double height = leastPeak(run, pulse.nanoSec, span.backScatterDB);
            // No height is not a floor: the median alone sets the threshold.
            if (std::isnan(height)) return 0.0;
            least = std::min(least, height);
        }
    }
    return least;
}

void CT6::HiReflPeaks(FASRun& run) {
    const int32_t segment = (run.nf - run.first + 1) / kPeakSegments + 1;
    const int32_t cap = run.dbToDV(kMaxThresholdDB);
    const bool oneMinimum = PWCount() == 1 && SpanCount() == 1;
    HeightWindow window(std::max(cap, 1));
    std::vector<uint16_t>& work = run.work;
    double minHeight = 0.0;
    int32_t windowEnd = run.first - 1;
    // Heights are known up to the horizon; a threshold needs them one segment on.
    const int32_t known = run.horizon;
    run.heightsExactTo = run.nf;

    for (int32_t l = run.first; l <= run.nf;) {
        const int32_t hi = std::min(l + segment, run.nf);
        if (hi > known) {
            run.heightsExactTo = l - 1;
            return;
        }
        while (windowEnd < hi) {
            window.add(work[static_cast<size_t>(++windowEnd)]);
        }
        int32_t t = 0;
        if (window.total() >= kMinHeightsForPercentile) {
            t = static_cast<int32_t>(window.median() * kPeakFactor);
        }
        if (l == run.first || !oneMinimum) {
            const varnel::PulseSegment& pulse =
                run.pulses[static_cast<size_t>(run.pulseIndexAt(l))];
            const double bs = run.spans[static_cast<size_t>(run.spanIndexAt(l))].backScatterDB;
            minHeight = leastPeak(run, pulse.nanoSec, bs);
        }
        const double threshold = std::min(std::max<double>(t, minHeight), static_cast<double>(cap));

        int32_t reached = l;
        const int32_t scanTo = run.bounded() ? known : run.nf;
        while (reached <= scanTo) {
            const uint16_t h = work[static_cast<size_t>(reached)];
            if (h != 0 && h >= threshold) break;
            ++reached;
        }
        if (run.bounded() && reached > known) {
            // Nothing stands out up to the horizon: all of it is cleared.
            std::fill(work.begin() + l, work.begin() + known + 1, uint16_t{0});
            run.heightsExactTo = known;
            return;
        }
        for (int32_t p = l; p <= std::min(reached, run.nf); ++p) {
            uint16_t& h = work[static_cast<size_t>(p)];
            if (p <= windowEnd) window.drop(h);
            if (p < reached) h = 0;
        }
        l = reached + 1;
        windowEnd = std::max(windowEnd, l - 1);
    }
}
