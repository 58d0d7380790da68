// Gathering the standard SR-4731 fields from the record for writing.
#include "formats/sor_origin.h"
#include "formats/sor_record.h"
#include "formats/sor_text.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace sor = varnel::sor;

namespace {

constexpr double kDataSpacingPerMetre = 500000.0;
constexpr double kTimePerPointPerMetre = 50.0; // 100 ps units per point per metre of resolution
constexpr int32_t kRecordScaleFactor = 1000;
constexpr int32_t kFieldChars = 64;

uint16_t toU16(double v) {
    return static_cast<uint16_t>(std::clamp(T6LONGRounded(v), 0, 65535));
}

int16_t toI16(double v) {
    return static_cast<int16_t>(std::clamp(T6LONGRounded(v), -32768, 32767));
}

int32_t truncated(double v) {
    if (!(v > INT32_MIN)) return INT32_MIN;
    if (!(v < INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(v);
}

std::string text(const CT6& r, char16_t* (CT6::*getter)(char16_t*) const) {
    char16_t buffer[256 + 1] = {};
    return sor::wideToFileText((r.*getter)(buffer));
}

double zeroKmPosition(const CT6& r) {
    return T6DoubleFromDPFR(r.GetZKMDP(), r.GetZKMFR());
}

uint32_t localSeconds(const CT6& r) {
    int32_t ymdhms[6] = {};
    r.GetTimeYMDHMS(ymdhms[0], ymdhms[1], ymdhms[2], ymdhms[3], ymdhms[4], ymdhms[5]);
    std::tm local{};
    local.tm_year = ymdhms[0] - 1900;
    local.tm_mon = ymdhms[1] - 1;
    local.tm_mday = ymdhms[2];
    local.tm_hour = ymdhms[3];
    local.tm_min = ymdhms[4];
    local.tm_sec = ymdhms[5];
    local.tm_isdst = -1;
    const std::time_t t = std::mktime(&local);
    return t < 0 || t > std::time_t{UINT32_MAX} ? 0 : static_cast<uint32_t>(t);
}

} // namespace

int32_t CT6::SR4731::timeOfKM(const CT6& r, double km, int32_t userOffset) {
    uint16_t fr = 0;
    const int32_t dp = r.DPFRFromKM(km, fr);
    const double points = T6DoubleFromDPFR(dp, fr) - zeroKmPosition(r);
    const int64_t t =
        int64_t{T6LONGRounded(points * kTimePerPointPerMetre * r.GetResoNominalM())} - userOffset;
    return static_cast<int32_t>(std::clamp<int64_t>(t, INT32_MIN, INT32_MAX));
}

void CT6::SR4731::gatherGenParams(const CT6& r, SorFile& f) {
    auto& g = f.gen;
    bool found = false;
    const std::u16string language = headerValue(r, u"Language", found);
    g.languageCode = found ? sor::wideToFileText(language.substr(0, 2)) : "EN";
    g.cableID = text(r, &CT6::GetCableID);
    g.fiberID = headerFileText(r, {u"Fiber ID", u"Fiber No."});
    g.fiberType = r.GetFiberMode() == T6_FIBER_SINGLEMODE ? 652 : 651;
    g.nominalWavelengthNM = toU16(r.GetWavelengthNominal());
    const bool aToB = r.GetSiteAToB() != 0;
    g.originatingLocation = text(r, aToB ? &CT6::GetSiteA : &CT6::GetSiteB);
    g.terminatingLocation = text(r, aToB ? &CT6::GetSiteB : &CT6::GetSiteA);
    if (g.originatingLocation.empty()) g.originatingLocation = headerFileText(r, {u"Test Site"});
    if (g.terminatingLocation.empty()) {
        g.terminatingLocation = headerFileText(r, {u"Far  Site", u"Far Site"});
    }
    g.cableCode = headerFileText(r, {u"Cable Code"});
    const std::u16string condition = headerValue(r, u"Condition", found);
    g.currentDataFlag = found ? sor::wideToFileText(condition.substr(0, 2)) : "  ";
    g.userOffset = r.GetHorzShiftKM() < 0 ? timeOfKM(r, 0.0, 0) : 0;
    g.userOffsetDistance = 0;
    g.operatorName = headerFileText(r, {u"Operator"});
    g.comment = headerFileText(r, {u"Comment", u"Notes"});
}

void CT6::SR4731::gatherSupParams(const CT6& r, SorFile& f) {
    f.sup.supplier = text(r, &CT6::GetManufacturer);
    f.sup.mainframeID = text(r, &CT6::GetModel);
    f.sup.mainframeSN = text(r, &CT6::GetHardwareVer);
    f.sup.moduleID = text(r, &CT6::GetOpticsModule);
    f.sup.moduleSN = text(r, &CT6::GetOpticsModuleSN);
    f.sup.softwareRevision = text(r, &CT6::GetSoftwareVer);
    f.sup.other = headerFileText(r, {u"Other"});
}

namespace {

// Pulse widths as seen from the zero-km point on: segments ending before it
// are left out and the first one kept starts there. Segments that a damaged
// file placed beyond the last point are left out too.
std::vector<sor::PulseWidth> pulseWidthsFromZeroKm(const CT6& r, int32_t dataSpacing) {
    std::vector<sor::PulseWidth> widths;
    const int32_t first = r.GetOnAfterZKMDP();
    const int32_t last = r.DPOCount() - 1;
    for (int32_t i = 0; i < r.PWCount(); ++i) {
        const int32_t end = i + 1 < r.PWCount() ? std::min(r.PWGetStartDP(i + 1) - 1, last) : last;
        const int32_t start = std::max(r.PWGetStartDP(i), first);
        if (end < start) continue; // before zero km, or beyond the last point
        widths.push_back({static_cast<uint16_t>(std::clamp(r.PWGetNanoSec(i), 0, 65535)),
                          dataSpacing, end - start + 1});
    }
    // Without a pulse width a file would carry no data spacing at all.
    if (widths.empty()) {
        const int32_t ns = r.PWCount() > 0 ? std::clamp(r.PWGetNanoSec(0), 0, 65535) : 0;
        widths.push_back({static_cast<uint16_t>(ns), dataSpacing, std::max(0, last - first + 1)});
    }
    return widths;
}

} // namespace

void CT6::SR4731::gatherFxdParams(const CT6& r, SorFile& f) {
    auto& x = f.fxd;
    const bool issue2 = f.issue == 2;
    x.dateTime = localSeconds(r);
    x.distanceUnits = "mt";
    x.actualWavelength = toU16(r.GetWavelengthActual() * 10);
    const int32_t dataSpacing = T6LONGRounded(r.GetResoNominalM() * kDataSpacingPerMetre);
    x.pulseWidths = pulseWidthsFromZeroKm(r, dataSpacing);
    x.groupIndex = T6LONGRounded(r.SpanGetIOR(0) * 100000);
    x.backscatter = toU16(r.SpanGetBackScatter(0) * -10);
    x.averages = r.GetAvgComplete();
    x.averagingTimeSec = issue2 ? toU16(r.GetAvgSeconds()) : 0;
    x.acquisitionRange = T6LONGRounded(T6KMFromScaled(r.m_rangeNominal) * 50 * 1000);
    x.frontPanelOffset = truncated(dataSpacing * zeroKmPosition(r) / 10000);
    x.noiseFloorLevel = static_cast<uint16_t>(
        std::clamp(truncated((r.GetDynamicRange() - 8) * 1000) - 1, 0, 65535));
    x.noiseFloorScaleFactor = kRecordScaleFactor;
    if (r.EVCount() > 0) {
        x.lossThreshold = toU16(r.GetThresholdLoss() * 1000);
        x.reflThreshold = toU16(r.GetThresholdRefl() * -1000);
        x.endOfFiberThreshold = toU16(r.GetThresholdBreak() * 1000);
    }
    if (issue2) x.traceType = r.IsTraceTemplate() ? "RT" : "ST";
}

namespace {

std::string eventCode(const CT6& r, int32_t i, int32_t reflectance, bool issue2) {
    const uint32_t flags = r.EVGetFlags(i);
    std::string code = "0F9999";
    if (i == 0 || reflectance != 0) code[0] = '1';
    if (reflectance != 0 && (flags & T6_EVFLAG_REFL_SATURATED)) code[0] = '2';
    if (flags & T6_EVFLAG_EDITED) code[1] = 'M';
    if (flags & T6_EVFLAG_INSERTED) code[1] = 'A';
    if (r.EVGetType(i) == T6_EVENT_END) {
        code[1] = 'E';
        if (issue2 && (flags & T6_EVFLAG_EDITED)) code[1] = 'D';
        if (flags & T6_EVFLAG_QUESTIONABLE) code[1] = 'O';
    }
    return code;
}

} // namespace

void CT6::SR4731::gatherKeyEvents(const CT6& r, SorFile& f) {
    auto& k = f.keyEvents;
    const int32_t count = r.EVCount();
    f.hasKeyEvents = count > 0 || r.IsORLAvailable();
    const int32_t userOffset = f.gen.userOffset;
    const auto time = [&](double km) { return timeOfKM(r, km, userOffset); };
    for (int32_t i = 0; i < count; ++i) {
        sor::KeyEvent e;
        const double startKM = r.EVGetStartKM(i);
        e.number = static_cast<uint16_t>(i + 1);
        e.propagationTime = i == 0 ? 0 : time(startKM);
        const double dbkm = i > 0 ? r.EVGetSpanLossDBKM(i) : T6_NO_VALUE;
        e.attenuation = dbkm == T6_NO_VALUE ? 0 : toU16(dbkm * 1000);
        const double loss = r.EVGetLoss(i);
        const bool endWithoutLoss = r.EVGetType(i) == T6_EVENT_END && loss == 0;
        e.loss = toI16((endWithoutLoss ? r.GetThresholdBreak() : loss) * 1000);
        e.reflectance = i > 0 ? T6LONGRounded(r.EVGetRefl(i) * 1000) : 0;
        e.code = eventCode(r, i, e.reflectance, f.issue == 2);
        e.technique = r.EVGetLossMode(i) == T6_LOSS_SPLICE ? "LS" : "2P";
        if (f.issue == 2) {
            e.markers = {time(startKM + r.EVGetLSAStartOffKM(i, 1)),
                         time(startKM + r.EVGetLSAEndOffKM(i, 1)),
                         time(startKM + r.EVGetLSAStartOffKM(i, 0)),
                         time(startKM + r.EVGetLSAEndOffKM(i, 0)), e.propagationTime};
        }
        char16_t comment[kFieldChars] = {};
        e.comment = sor::wideToFileText(r.EVGetComment(i, comment));
        k.events.push_back(std::move(e));
    }
    const double endToEnd = r.GetEndToEndLoss();
    if (endToEnd != T6_NO_VALUE) {
        k.endToEndLoss = T6LONGRounded(endToEnd * 1000);
        k.endToEndMarkers = {time(0.0), time(r.EVGetStartKM(count - 1))};
    }
    if (r.IsORLAvailable()) {
        k.orl = toU16(r.GetORL() * 1000);
        k.orlMarkers = {time(r.GetORLACursorKM()), time(r.GetORLBCursorKM())};
    }
}
