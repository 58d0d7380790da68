#include "formats/native_tags.h"

using namespace varnel::native;

const std::array<CT6::Native::TextTag, 21> CT6::Native::kTextTags = {{
    {kManufacturer, &CT6::GetManufacturer, &CT6::SetManufacturer},
    {kModel, &CT6::GetModel, &CT6::SetModel},
    {kModelFamily, &CT6::GetModelFamily, &CT6::SetModelFamily},
    {kOpticsModule, &CT6::GetOpticsModule, &CT6::SetOpticsModule},
    {kOpticsModuleSN, &CT6::GetOpticsModuleSN, &CT6::SetOpticsModuleSN},
    {kPartNum, &CT6::GetPartNum, &CT6::SetPartNum},
    {kCalDate, &CT6::GetCalDate, &CT6::SetCalDate},
    {kSoftwareVer, &CT6::GetSoftwareVer, &CT6::SetSoftwareVer},
    {kHardwareVer, &CT6::GetHardwareVer, &CT6::SetHardwareVer},
    {kTraceTypeOrig, &CT6::GetTraceTypeOrig, &CT6::SetTraceTypeOrig},
    {kTraceType, &CT6::GetTraceType, &CT6::SetTraceType},
    {kFiberNumber, &CT6::GetFiberNumber, &CT6::SetFiberNumber},
    {kSiteA, &CT6::GetSiteA, &CT6::SetSiteA},
    {kSiteB, &CT6::GetSiteB, &CT6::SetSiteB},
    {kPrefix, &CT6::GetPrefix, &CT6::SetPrefix},
    {kExtension, &CT6::GetExtension, &CT6::SetExtension},
    {kNetwork, &CT6::GetNetwork, &CT6::SetNetwork},
    {kSegment, &CT6::GetSegment, &CT6::SetSegment},
    {kCableID, &CT6::GetCableID, &CT6::SetCableID},
    {kProject, &CT6::GetProject, &CT6::SetProject},
    {kTest, &CT6::GetTest, &CT6::SetTest},
}};

const std::array<CT6::Native::IntTag, 18> CT6::Native::kIntTags = {{
    {kWavelengths,
     [](CT6& r) -> IntFields {
         return {&r.m_wavelengthNominal, &r.m_wavelengthActual};
     }},
    {kRangeNominal, [](CT6& r) -> IntFields { return {&r.m_rangeNominal}; }},
    {kResoNominal, [](CT6& r) -> IntFields { return {&r.m_resoNominal}; }},
    {kFiberMode, [](CT6& r) -> IntFields { return {&r.m_fiberMode}; }},
    {kAveraging,
     [](CT6& r) -> IntFields {
         return {&r.m_avgType, &r.m_avgComplete, &r.m_avgSeconds};
     }},
    {kDynamicRange, [](CT6& r) -> IntFields { return {&r.m_dynamicRange}; }},
    {kTime,
     [](CT6& r) -> IntFields {
         int32_t* t = r.m_timeYMDHMS;
         return {t, t + 1, t + 2, t + 3, t + 4, t + 5};
     }},
    {kTimeZone,
     [](CT6& r) -> IntFields {
         return {&r.m_timeUTC, &r.m_timeZoneMinutes, &r.m_timeDST};
     }},
    {kThresholds,
     [](CT6& r) -> IntFields {
         return {&r.m_thresholdLoss, &r.m_thresholdRefl, &r.m_thresholdBreak};
     }},
    {kFormatVersion,
     [](CT6& r) -> IntFields {
         int32_t* v = r.m_formatVersion;
         return {v, v + 1, v + 2, v + 3};
     }},
    {kDataPointScaleFactor, [](CT6& r) -> IntFields { return {&r.m_dpwScaleFactor}; }},
    {kNoiseFloor, [](CT6& r) -> IntFields { return {&r.m_noiseFloorDP}; }},
    {kSiteAToB, [](CT6& r) -> IntFields { return {&r.m_siteAToB}; }},
    {kFASSettings,
     [](CT6& r) -> IntFields {
         return {&r.m_fasNumBreaks, &r.m_fasEndAtNthRefl, &r.m_fasNthReflThresh};
     }},
    {kLaserCool, [](CT6& r) -> IntFields { return {&r.m_laserCool}; }},
    {kLaserPower,
     [](CT6& r) -> IntFields {
         return {&r.m_fctryLaserPower, &r.m_attenLaserPower, &r.m_attenAPD};
     }},
    {kSTFMValues,
     [](CT6& r) -> IntFields {
         return {&r.m_stfmUseForORL, &r.m_stfmLength,      &r.m_stfmDBKM,
                 &r.m_stfmIOR,       &r.m_stfmBackScatter, &r.m_stfmConnReflDB};
     }},
    {kORLValues,
     [](CT6& r) -> IntFields {
         return {&r.m_orlFctryLaserPower,
                 &r.m_orlAttenLaserPower,
                 &r.m_orlAttenAPD,
                 &r.m_orlDBKM,
                 &r.m_orlE0DP,
                 &r.m_orlE1DP};
     }},
}};

const CT6::Native::IntTag* CT6::Native::findIntTag(uint8_t tag) {
    for (const IntTag& t : kIntTags)
        if (t.tag == tag) return &t;
    return nullptr;
}
