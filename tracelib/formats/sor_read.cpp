// Reading an SR-4731 file into the record: the order of the steps, and the
// standard fields of GenParams, SupParams and FxdParams.
#include "formats/sor_parse.h"
#include "formats/sor_record.h"
#include "formats/sor_text.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>

using varnel::sor::fileTextToWide;

namespace varnel::sor {

namespace {

struct UnitFactor {
    std::string_view units;
    double kmPerUnit;
};

constexpr UnitFactor kUnitFactors[] = {
    {"mt", 0.001},
    {"ft", 0.0003048},
    {"kf", 0.3048},
    {"mi", 1.609344},
};

} // namespace

double unitFactorKM(std::string_view units) {
    for (const auto& u : kUnitFactors) {
        if (u.units == units) return u.kmPerUnit;
    }
    return 1.0;
}

TimeRule::TimeRule(const SorFile& f, const CT6& r)
    : userOffset_(f.gen.userOffset), frontPanelOffset_(f.fxd.frontPanelOffset),
      spacing_(f.fxd.pulseWidths.at(0).dataSpacing), extraKM_(0.0),
      lastPoint_(std::max(r.DPOCount() - 1, 0)) {
    if (!onTrace(-userOffset_)) {
        frontPanelOffset_ = 0.0;
        repairs_ |= T6_READ_OFFSET_OFF_TRACE;
    }
    if (!onTrace(0.0)) {
        userOffset_ = 0.0;
        repairs_ |= T6_READ_OFFSET_OFF_TRACE;
    }
    if (f.gen.userOffset == 0 && f.gen.userOffsetDistance != 0) {
        extraKM_ = f.gen.userOffsetDistance / 10.0 * unitFactorKM(f.fxd.distanceUnits);
        const double lengthKM = r.KMFromDPFR(r.DPOCount(), 0) - r.KMFromDPFR(0, 0);
        if (!(std::fabs(extraKM_) <= lengthKM)) {
            extraKM_ = 0.0;
            repairs_ |= T6_READ_OFFSET_OFF_TRACE;
        }
    }
}

double TimeRule::distanceKM(const CT6& r, double t) const {
    uint16_t fr = 0;
    const int32_t dp = T6DPFRFromDouble(point(t), fr);
    return r.KMFromDPFR(dp, fr) + extraKM_;
}

bool TimeRule::onTrace(double t) const {
    // Instruments put markers a few points beyond either end.
    constexpr double kSlackPoints = 64.0;
    const double p = point(t);
    return p >= -kSlackPoints && p <= lastPoint_ + kSlackPoints;
}

} // namespace varnel::sor

namespace {

constexpr int32_t kAverageNoLabel = 4;
constexpr int32_t kPreampLongRange = 1;
constexpr int32_t kPreampHighResolution = 2;
constexpr int32_t kHighResolutionBelowNS = 500;
constexpr double kDataSpacingPerMetre = 500000.0;

bool isMultimode(const varnel::sor::GenParams& g) {
    return g.fiberType == 651 || g.nominalWavelengthNM == 850 || g.nominalWavelengthNM == 1300;
}

void readTime(CT6& r, uint32_t stamp) {
    r.SetTimeUTC(static_cast<int32_t>(stamp));
    const std::time_t t = static_cast<std::time_t>(stamp);
    std::tm local{};
    if (!localtime_r(&t, &local)) return;
    r.SetTimeYMDHMS(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, local.tm_sec);
}

bool differGrossly(double a, double b, double ratio) {
    return a > b * ratio || a * ratio < b;
}

// The range in distance wins, unless it disagrees grossly with the range in
// time: some instruments store another quantity in that field (1.5 km
// fibres showing 12 km, or thousands of km). Without a range in time the
// length acquired checks it; a range that fits neither is not available.
double rangeKM(const varnel::sor::FxdParams& x, double acquiredKM) {
    constexpr double kGrossRatio = 2.0;
    constexpr double kAcquiredRatio = 4.0; // instruments acquire more than their range
    const double fromTime = x.acquisitionRange / 50.0 / 1000.0;
    if (x.acquisitionRangeDistance == 0) return fromTime;
    const double fromDistance =
        x.acquisitionRangeDistance / 10.0 * varnel::sor::unitFactorKM(x.distanceUnits);
    if (fromTime > 0)
        return differGrossly(fromDistance, fromTime, kGrossRatio) ? fromTime : fromDistance;
    if (acquiredKM > 0 && differGrossly(fromDistance, acquiredKM, kAcquiredRatio))
        return T6_NO_VALUE;
    return fromDistance;
}

} // namespace

void CT6::SR4731::readStandardFields(CT6& r, const SorFile& f) {
    const auto set = [&r](void (CT6::*setter)(const char16_t*), const std::string& text) {
        (r.*setter)(fileTextToWide(text).c_str());
    };
    set(&CT6::SetCableID, f.gen.cableID);
    r.SetFiberMode(isMultimode(f.gen) ? 0 : 1);
    r.SetWavelengthNominal(f.gen.nominalWavelengthNM);
    set(&CT6::SetSiteA, f.gen.originatingLocation);
    set(&CT6::SetSiteB, f.gen.terminatingLocation);
    r.SetSiteAToB(1);
    set(&CT6::SetManufacturer, f.sup.supplier);
    set(&CT6::SetModel, f.sup.mainframeID);
    set(&CT6::SetHardwareVer, f.sup.mainframeSN);
    set(&CT6::SetOpticsModule, f.sup.moduleID);
    set(&CT6::SetOpticsModuleSN, f.sup.moduleSN);
    set(&CT6::SetSoftwareVer, f.sup.softwareRevision);
    readTime(r, f.fxd.dateTime);
    r.SetWavelengthActual(f.fxd.actualWavelength / 10.0);

    const auto& widths = f.fxd.pulseWidths;
    r.PWInitArray(static_cast<int32_t>(widths.size()));
    r.m_pulseWidthCount = std::min(static_cast<int32_t>(widths.size()), r.PWMaxCount());
    int64_t start = 0;
    for (int32_t i = 0; i < r.m_pulseWidthCount; ++i) {
        auto& entry = r.m_pulseWidths[static_cast<size_t>(i)];
        entry.startDP = static_cast<int32_t>(std::min<int64_t>(start, INT32_MAX));
        entry.nanoSec = widths[size_t(i)].nanoSec;
        entry.preampType =
            entry.nanoSec < kHighResolutionBelowNS ? kPreampHighResolution : kPreampLongRange;
        start += widths[size_t(i)].pointCount;
    }
    r.SetResoNominalM(widths.at(0).dataSpacing / kDataSpacingPerMetre);

    r.SpanInitArray(1);
    r.SpanInsert(0);
    r.SpanSetIOR(0, f.fxd.groupIndex / 100000.0);
    r.SpanSetBackScatter(0, f.fxd.backscatter / -10.0);
    r.SpanCalculate();

    r.SetAvgType(kAverageNoLabel);
    r.SetAvgComplete(f.fxd.averages);
    r.SetAvgSeconds(f.fxd.averagingTimeSec);
    r.SetRangeNominalKM(rangeKM(f.fxd, r.SpanGetDxKM(0) * f.dataPts.totalPoints));
}

void CT6::T6FromSR4731(const SR4731Fields& f) {
    // A native record without index of refraction or resolution would make
    // every distance a division by zero; the standard fields have both.
    const bool fromNative =
        !f.vosseltrak.empty() &&
        DecompT6(f.vosseltrak.data(), static_cast<int32_t>(f.vosseltrak.size()), 0) == 0 &&
        SpanGetIOR(0) > 0 && GetResoNominalM() > 0;
    if (!fromNative) {
        InitAll();
        SR4731::readStandardFields(*this, f);
    }
    const SR4731::Levels levels = SR4731::readDataPoints(*this, f, fromNative);
    std::vector<int32_t> eventSources; // found by time for the embedded record
    if (!fromNative) {
        const varnel::sor::TimeRule rule(f, *this);
        m_readRepairs |= rule.repairs();
        uint16_t fr = 0;
        const int32_t dp = T6DPFRFromDouble(rule.zeroKmPoint(), fr);
        SetZKMDPFR(dp, fr);
        eventSources = SR4731::readKeyEvents(*this, f, rule);
        SR4731::readORL(*this, f, rule);
        SR4731::readDisplay(*this, f, rule, levels.rangeDB);
        SR4731::readHeaderPages(*this, f);
    }
    SetTraceType(f.mapRevision >= varnel::sor::kIssue2Revision ? u"SR4731" : u"GR196");
    SR4731::keepOrigin(*this, f, std::move(eventSources), levels.offsetUnits);
}

int32_t CT6::DecompSR4731(const uint8_t* bytes, int32_t length) {
    if (!bytes || length <= 0) return T6_FILE_DAMAGED;
    SR4731Fields parsed;
    const std::span<const uint8_t> file(bytes, static_cast<size_t>(length));
    if (varnel::sor::parse(file, parsed) != varnel::sor::ParseError::None) {
        return T6_FILE_DAMAGED;
    }
    T6FromSR4731(parsed);
    return DPOCount() == parsed.dataPts.totalPoints ? T6_FILE_OK : T6_FILE_NO_MEMORY;
}
