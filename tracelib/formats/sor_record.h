// The SR-4731 reader's and writer's steps on the record. CT6::SR4731 is a
// nested type so that the steps can fill arrays the way file readers do.
#pragma once

#include "formats/sor_blocks.h"

#include <varnel/varnel.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct CT6::SR4731Fields : varnel::sor::SorFile {};

namespace varnel::sor {

// Kilometres per FxdParams distance unit; 1 for units it does not know.
double unitFactorKM(std::string_view units);

// One stored point of a block of `scaleFactor` as a level in 0.001 dB below
// `topUnits`, held in what the record can take.
uint16_t levelOfPoint(uint16_t point, uint16_t scaleFactor, double topUnits);

// Where a time read from a file (100 ps units from the front panel) lies on
// the trace: point = (t + user offset + front panel offset) / spacing x 10000,
// spacing being that of pulse width 0. Offsets that would put 0 km off the
// trace are ignored, and noted in repairs().
class TimeRule {
public:
    // r holds the file's points and spans; the spacing must be positive.
    TimeRule(const SorFile& f, const CT6& r);

    double point(double t) const {
        return (t + userOffset_ + frontPanelOffset_) / spacing_ * kPointsPerSpacing;
    }
    double zeroKmPoint() const { return frontPanelOffset_ / spacing_ * kPointsPerSpacing; }
    double distanceKM(const CT6& r, double t) const;
    // Whether a time lies on the trace's points (or a few beyond an end).
    bool onTrace(double t) const;
    int32_t repairs() const { return repairs_; }

private:
    static constexpr double kPointsPerSpacing = 10000.0;
    double userOffset_;
    double frontPanelOffset_;
    double spacing_;
    double extraKM_; // the user offset distance, used when there is no user offset
    double lastPoint_;
    int32_t repairs_ = 0;
};

} // namespace varnel::sor

struct CT6::SR4731 {
    using SorFile = varnel::sor::SorFile;
    using TimeRule = varnel::sor::TimeRule;

    // The scale of the points read: dynamic range, and the level offset in
    // 0.001 dB that was taken off every file loss (0 for most traces). A
    // level is topUnits() less the point's loss, in 0.001 dB.
    struct Levels {
        double rangeDB = 0.0;
        int32_t offsetUnits = 0;

        double topUnits() const { return rangeDB * 1000.0 + offsetUnits; }
        bool operator==(const Levels&) const = default;
    };

    // Reading
    static void readStandardFields(CT6& r, const SorFile& f);
    // The scale the reader gives a file's points, from their smallest and
    // largest loss.
    static Levels levelsOf(const varnel::sor::DataPts& d);
    static Levels readDataPoints(CT6& r, const SorFile& f, bool fromNative);
    // Fills the event table; returns for each event the index of the key
    // event it was read from, kNoKeyEvent for the analysed launch.
    static constexpr int32_t kNoKeyEvent = -1;
    static std::vector<int32_t> readKeyEvents(CT6& r, const SorFile& f, const TimeRule& rule);
    static void readORL(CT6& r, const SorFile& f, const TimeRule& rule);
    static void readDisplay(CT6& r, const SorFile& f, const TimeRule& rule, double rangeDB);
    static void readHeaderPages(CT6& r, const SorFile& f);

    // Keeps the file's own content with the record (see sor_origin.h); the
    // last step of reading.
    static void keepOrigin(CT6& r, const SorFile& f, std::vector<int32_t> eventSources,
                           const Levels& levels);

    // Writing
    // Every field but the data points, for f.issue.
    static void gatherFields(const CT6& r, SorFile& f);
    static void gatherGenParams(const CT6& r, SorFile& f);
    static void gatherSupParams(const CT6& r, SorFile& f);
    static void gatherFxdParams(const CT6& r, SorFile& f);
    static void gatherKeyEvents(const CT6& r, SorFile& f);
    // The points, as the file read stored them where the record left them
    // unchanged; returns T6_WRITE_... bits for levels the file cannot hold.
    static int32_t gatherDataPts(const CT6& r, SorFile& f);
    // Time of a distance, the inverse of TimeRule (the user offset left out
    // when userOffset is 0).
    static int32_t timeOfKM(const CT6& r, double km, int32_t userOffset);
    // Text of the header field that follows the first label containing
    // `label`; found is false when there is no such label or field.
    static std::u16string headerValue(const CT6& r, const char16_t* label, bool& found);
    // As file text, from the first of the labels that the pages have.
    static std::string headerFileText(const CT6& r, std::initializer_list<const char16_t*> labels);
};
