// The SR-4731 reader's and writer's steps on the record. CT6::SR4731 is a
// nested type so that the steps can fill arrays the way file readers do.
#pragma once

#include "formats/sor_blocks.h"

#include <varnel/varnel.h>

#include <initializer_list>
#include <string>
#include <string_view>

struct CT6::SR4731Fields : varnel::sor::SorFile {};

namespace varnel::sor {

// Kilometres per FxdParams distance unit; 1 for units it does not know.
double unitFactorKM(std::string_view units);

// Where a time read from a file (100 ps units from the front panel) lies on
// the trace: point = (t + user offset + front panel offset) / spacing x 10000,
// spacing being that of pulse width 0.
class TimeRule {
public:
    explicit TimeRule(const SorFile& f);

    double point(double t) const {
        return (t + userOffset_ + frontPanelOffset_) / spacing_ * kPointsPerSpacing;
    }
    double zeroKmPoint() const { return frontPanelOffset_ / spacing_ * kPointsPerSpacing; }
    double distanceKM(const CT6& r, double t) const;

private:
    static constexpr double kPointsPerSpacing = 10000.0;
    double userOffset_;
    double frontPanelOffset_;
    double spacing_;
    double extraKM_; // the user offset distance, used when there is no user offset
};

} // namespace varnel::sor

struct CT6::SR4731 {
    using SorFile = varnel::sor::SorFile;
    using TimeRule = varnel::sor::TimeRule;

    // Reading
    static void readStandardFields(CT6& r, const SorFile& f);
    // Returns the dynamic range chosen for the points.
    static double readDataPoints(CT6& r, const SorFile& f, bool fromNative);
    static void readKeyEvents(CT6& r, const SorFile& f, const TimeRule& rule);
    static void readORL(CT6& r, const SorFile& f, const TimeRule& rule);
    static void readDisplay(CT6& r, const SorFile& f, const TimeRule& rule, double rangeDB);
    static void readHeaderPages(CT6& r, const SorFile& f);

    // Writing
    static void gatherGenParams(const CT6& r, SorFile& f);
    static void gatherSupParams(const CT6& r, SorFile& f);
    static void gatherFxdParams(const CT6& r, SorFile& f);
    static void gatherKeyEvents(const CT6& r, SorFile& f);
    static void gatherDataPts(const CT6& r, SorFile& f);
    // Time of a distance, the inverse of TimeRule (the user offset left out
    // when userOffset is 0).
    static int32_t timeOfKM(const CT6& r, double km, int32_t userOffset);
    // Text of the header field that follows the first label containing
    // `label`; found is false when there is no such label or field.
    static std::u16string headerValue(const CT6& r, const char16_t* label, bool& found);
    // As file text, from the first of the labels that the pages have.
    static std::string headerFileText(const CT6& r, std::initializer_list<const char16_t*> labels);
};
