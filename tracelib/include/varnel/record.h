// The trace record CT6: every field, array, event and header page of one
// trace, its file formats, measurements and analysis.
#pragma once

#include <varnel/api.h>
#include <varnel/codes.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Each area of the record keeps its declarations together: public operations
// followed by the private data the area owns.
class VARNEL_API CT6 {
public:
    CT6();
    ~CT6();
    CT6(const CT6& other);
    CT6& operator=(const CT6& other);

    // ====== The record: identity, header texts, acquisition, flags, views and cursors
public:
    void InitAll();
    void FreeAllArrays();
    void* GetPtrT5Struct() const;

    void SetFilespec(const char16_t* pathAndName);
    char16_t* GetFilename(char16_t* out) const;
    int32_t GetFilenameLength() const;
    char16_t* GetPath(char16_t* out) const;
    int32_t GetPathLength() const;

    void ClearAllModFlags();
    void SetModFlag(uint32_t bits);
    int32_t IsModFlagSet(uint32_t bits) const;

    char16_t* GetManufacturer(char16_t* out) const;
    char16_t* GetModel(char16_t* out) const;
    char16_t* GetModelFamily(char16_t* out) const;
    char16_t* GetOpticsModule(char16_t* out) const;
    char16_t* GetOpticsModuleSN(char16_t* out) const;
    char16_t* GetPartNum(char16_t* out) const;
    char16_t* GetCalDate(char16_t* out) const;
    char16_t* GetSoftwareVer(char16_t* out) const;
    char16_t* GetHardwareVer(char16_t* out) const;
    char16_t* GetFiberNumber(char16_t* out) const;
    char16_t* GetSiteA(char16_t* out) const;
    char16_t* GetSiteB(char16_t* out) const;
    char16_t* GetPrefix(char16_t* out) const;
    char16_t* GetExtension(char16_t* out) const;
    char16_t* GetNetwork(char16_t* out) const;
    char16_t* GetSegment(char16_t* out) const;
    char16_t* GetCableID(char16_t* out) const;
    char16_t* GetProject(char16_t* out) const;
    char16_t* GetTest(char16_t* out) const;
    char16_t* GetTraceType(char16_t* out) const;
    char16_t* GetTraceTypeOrig(char16_t* out) const;
    void SetManufacturer(const char16_t* text);
    void SetModel(const char16_t* text);
    void SetModelFamily(const char16_t* text);
    void SetOpticsModule(const char16_t* text);
    void SetOpticsModuleSN(const char16_t* text);
    void SetPartNum(const char16_t* text);
    void SetCalDate(const char16_t* text);
    void SetSoftwareVer(const char16_t* text);
    void SetHardwareVer(const char16_t* text);
    void SetFiberNumber(const char16_t* text);
    void SetSiteA(const char16_t* text);
    void SetSiteB(const char16_t* text);
    void SetPrefix(const char16_t* text);
    void SetExtension(const char16_t* text);
    void SetNetwork(const char16_t* text);
    void SetSegment(const char16_t* text);
    void SetCableID(const char16_t* text);
    void SetProject(const char16_t* text);
    void SetTest(const char16_t* text);
    void SetTraceType(const char16_t* text);
    void SetTraceTypeOrig(const char16_t* text);
    void SetTraceTypeOrigToT6();
    void SetNullOrigToTraceType();

    int32_t GetSiteAToB() const;
    void SetSiteAToB(int32_t flag);
    char16_t* GetSiteNear(char16_t* out) const;
    char16_t* GetSiteFar(char16_t* out) const;

    double GetWavelengthNominal() const;
    double GetWavelengthActual() const;
    char16_t* GetWavelengthNominal(char16_t* out, int32_t units) const;
    char16_t* GetWavelengthActual(char16_t* out, int32_t units) const;
    void SetWavelengthNominal(double nm);
    void SetWavelengthActual(double nm);

    int32_t GetLaserCool() const;
    void SetLaserCool(int32_t v);

    double GetRangeNominal() const; // current distance units
    char16_t* GetRangeNominal(char16_t* out, int32_t units) const;
    void SetRangeNominalKM(double km);

    double GetResoNominalM() const;
    double GetResoNominal() const; // short length of the current units
    char16_t* GetResoNominal(char16_t* out, int32_t units) const;
    void SetResoNominalM(double m);

    int32_t GetFiberMode() const;
    char16_t* GetFiberMode(char16_t* out) const;
    char16_t* GetFiberModeAbbrev(char16_t* out) const;
    void SetFiberMode(int32_t v);

    int32_t GetAvgType() const;
    char16_t* GetAvgType(char16_t* out) const;
    int32_t GetAvgComplete() const;
    char16_t* GetAvgComplete(char16_t* out) const;
    int32_t GetAvgSeconds() const;
    char16_t* GetAvgSeconds(char16_t* out) const;
    char16_t* GetAvgTime(char16_t* out) const;
    char16_t* GetAvgCompleteType(char16_t* out) const;
    void SetAvgType(int32_t v);
    void SetAvgComplete(int32_t v);
    void SetAvgSeconds(int32_t v);

    double GetDynamicRange() const;
    char16_t* GetDynamicRange(char16_t* out, int32_t units) const;
    void SetDynamicRange(double db);

    void GetTimeYMDHMS(int32_t& year, int32_t& month, int32_t& day, int32_t& hour, int32_t& minute,
                       int32_t& second) const;
    void SetTimeYMDHMS(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second);
    int32_t GetTimeUTC() const;
    void SetTimeUTC(int32_t v);
    int32_t GetTimeZoneMinutes() const;
    void SetTimeZoneMinutes(int32_t minutes);
    int32_t GetTimeDST() const;
    void SetTimeDST(int32_t flag);
    char16_t* GetDate(char16_t* out) const;
    char16_t* GetTime(char16_t* out) const;

    double GetThresholdLoss() const;
    double GetThresholdRefl() const;
    double GetThresholdBreak() const;
    double GetFASNthReflThresh() const;
    char16_t* GetThresholdLoss(char16_t* out, int32_t units) const;
    char16_t* GetThresholdRefl(char16_t* out, int32_t units) const;
    char16_t* GetThresholdBreak(char16_t* out, int32_t units) const;
    char16_t* GetFASNthReflThresh(char16_t* out, int32_t units) const;
    void SetThresholdLoss(double db);
    void SetThresholdRefl(double db);
    void SetThresholdBreak(double db);
    void SetFASNthReflThresh(double db);

    int32_t GetFASNumBreaks() const;
    int32_t GetFASEndAtNthRefl() const;
    char16_t* GetFASNumBreaks(char16_t* out) const;
    char16_t* GetFASEndAtNthRefl(char16_t* out) const;
    void SetFASNumBreaks(int32_t v);
    void SetFASEndAtNthRefl(int32_t v);

    double GetHorzShiftKM() const;
    double GetHorzShift() const; // current distance units
    char16_t* GetHorzShift(char16_t* out, int32_t units) const;
    void SetHorzShiftKM(double km);
    void SetHorzShift(double v);
    double GetVertShift() const;
    char16_t* GetVertShift(char16_t* out, int32_t units) const;
    void SetVertShift(double db);

    int32_t GetFctryLaserPower() const;
    int32_t GetAttenLaserPower() const;
    int32_t GetAttenAPD() const;
    void SetFctryLaserPower(int32_t v);
    void SetAttenLaserPower(int32_t v);
    void SetAttenAPD(int32_t v);

    int32_t GotSTFMInfo() const;
    int32_t GetSTFMUseForORL() const;
    double GetSTFMLengthKM() const;
    int32_t GetSTFMEndDP() const;
    double GetSTFMEndKM() const;
    double GetSTFMDBKM() const;
    double GetSTFMIOR() const;
    double GetSTFMBackScatter() const;
    double GetSTFMConnReflDB() const;
    char16_t* GetSTFMFiberType(char16_t* out) const;
    char16_t* GetSTFMConnType(char16_t* out) const;
    char16_t* GetSTFMSerialNum(char16_t* out) const;
    char16_t* GetSTFMModel(char16_t* out) const;
    char16_t* GetSTFMPartNum(char16_t* out) const;
    char16_t* GetSTFMCalDate(char16_t* out) const;
    char16_t* GetSTFMID(char16_t* out) const;
    void SetSTFMUseForORL(int32_t flag);
    void SetSTFMLengthKM(double km);
    void SetSTFMDBKM(double dbkm);
    void SetSTFMIOR(double ior);
    void SetSTFMBackScatter(double db);
    void SetSTFMConnReflDB(double db);
    void SetSTFMFiberType(const char16_t* text);
    void SetSTFMConnType(const char16_t* text);
    void SetSTFMSerialNum(const char16_t* text);
    void SetSTFMModel(const char16_t* text);
    void SetSTFMPartNum(const char16_t* text);
    void SetSTFMCalDate(const char16_t* text);
    void SetSTFMID(const char16_t* text);

    int32_t IsORLAvailable() const;
    int32_t IsORLLessThan() const;
    int32_t IsORLRelToA() const;
    int32_t IsORLSaturated() const;
    int32_t IsORLSTFM() const;
    int32_t IsORLCopied() const;
    double GetORL() const;
    char16_t* GetORL(char16_t* out, int32_t units) const;
    double GetORLACursorKM() const;
    double GetORLBCursorKM() const;
    char16_t* GetORLRelTo(char16_t* out) const;
    char16_t* GetORLCalcAToB(char16_t* out) const;
    int32_t GetORLFctryLaserPower() const;
    int32_t GetORLAttenLaserPower() const;
    int32_t GetORLAttenAPD() const;
    double GetORLDBKM() const;
    double GetORLE0KM() const;
    double GetORLE1KM() const;
    double GetORLEArea() const;
    double GetORLAArea() const;
    void SetORLNotAvailable();

    int32_t IsTrace2WayAvg() const;
    int32_t IsABLocked() const;
    int32_t IsTraceAborted() const;
    int32_t IsTraceAttenuated() const;
    int32_t IsTraceAutoMode() const;
    int32_t IsTraceClamped() const;
    int32_t IsTraceDeltaCompare() const;
    int32_t IsTraceRecalled() const;
    int32_t IsTraceUserSmoothed() const;
    int32_t IsTraceTemplate() const;
    int32_t IsTraceEverSmoothed() const;
    int32_t IsTraceFiberFill() const;
    int32_t IsTraceAnalyzed() const;
    int32_t OKToAnalyze() const;
    void SetTrace2WayAvg(int32_t flag);
    void SetABLocked(int32_t flag);
    void SetTraceAborted(int32_t flag);
    void SetTraceAttenuated(int32_t flag);
    void SetTraceAutoMode(int32_t flag);
    void SetTraceClamped(int32_t flag);
    void SetTraceDeltaCompare(int32_t flag);
    void SetTraceRecalled(int32_t flag);
    void SetTraceUserSmoothed(int32_t flag);
    void SetTraceTemplate(int32_t flag);
    void SetTraceEverSmoothed(int32_t flag);
    void SetTraceFiberFill(int32_t flag);
    char16_t* GetTraceFlagChars(char16_t* out) const;
    char16_t* GetTraceFlags(char16_t* out) const;

    char16_t* VeltroDefaultExt(char16_t* out) const;

    int32_t GetViewMode() const;
    void SetViewMode(int32_t mode);
    void GetView(int32_t index, double& startKM, double& extentKM, double& startDB,
                 double& extentDB) const;
    void SetView(int32_t index, double startKM, double extentKM, double startDB, double extentDB);
    double GetViewStartKM(int32_t index) const;
    double GetViewExtentKM(int32_t index) const;
    double GetViewStartDB(int32_t index) const;
    double GetViewExtentDB(int32_t index) const;

    double GetACursorKM() const;
    double GetBCursorKM() const;
    char16_t* GetACursor(char16_t* out, int32_t units) const;
    char16_t* GetBCursor(char16_t* out, int32_t units) const;
    void SetACursorKM(double km);
    void SetBCursorKM(double km);

    double GetMaxKM() const;

private:
    // Copies of a record start without the attached legacy structure, so that
    // it is never released twice.
    struct T5Attachment {
        void* structure = nullptr;
        T5Attachment() = default;
        T5Attachment(const T5Attachment&) {}
        T5Attachment& operator=(const T5Attachment&) {
            structure = nullptr;
            return *this;
        }
    };

    // One stored view window: positions as DP/FR, levels in scaled dB.
    struct ViewWindow {
        int32_t startDP = 0;
        uint16_t startFR = 0;
        int32_t endDP = 0;
        uint16_t endFR = 0;
        int32_t startLevel = 0;
        int32_t endLevel = 0;
    };

    // Least-squares segment offsets of one loss mode, scaled km from the cursors.
    struct LSACursorSet {
        int32_t aStartOff = 0;
        int32_t aEndOff = 0;
        int32_t bStartOff = 0;
        int32_t bEndOff = 0;
    };

    ViewWindow* viewAt(int32_t index);
    const ViewWindow* viewAt(int32_t index) const;

    // Lets tests put the record into states that only files and analyses produce.
    friend struct CT6TestPeer;

    struct BlankRecord {};
    // Every member as a freshly zeroed record holds it, before any default.
    explicit CT6(BlankRecord);

    char16_t m_filename[128 + 1]{};
    char16_t m_path[256 + 1]{};
    char16_t m_manufacturer[32 + 1]{};
    char16_t m_model[16 + 1]{};
    char16_t m_modelFamily[16 + 1]{};
    char16_t m_opticsModule[32 + 1]{};
    char16_t m_opticsModuleSN[32 + 1]{};
    char16_t m_partNum[16 + 1]{};
    char16_t m_calDate[16 + 1]{};
    char16_t m_softwareVer[16 + 1]{};
    char16_t m_hardwareVer[16 + 1]{};
    char16_t m_fiberNumber[8 + 1]{};
    char16_t m_siteA[32 + 1]{};
    char16_t m_siteB[32 + 1]{};
    int32_t m_siteAToB{};
    char16_t m_prefix[32 + 1]{};
    char16_t m_extension[32 + 1]{};
    char16_t m_network[32 + 1]{};
    char16_t m_segment[32 + 1]{};
    char16_t m_cableID[32 + 1]{};
    char16_t m_project[32 + 1]{};
    char16_t m_test[32 + 1]{};
    char16_t m_traceType[16 + 1]{};
    char16_t m_traceTypeOrig[16 + 1]{};
    int32_t m_wavelengthNominal{}; // nm x 1e5
    int32_t m_wavelengthActual{};  // nm x 1e5
    int32_t m_laserCool{};
    int32_t m_rangeNominal{}; // scaled km
    int32_t m_resoNominal{};  // metres x 1e6
    int32_t m_fiberMode{};    // 0 multimode, 1 single-mode
    int32_t m_avgType{};
    int32_t m_avgComplete{};
    int32_t m_avgSeconds{};
    int32_t m_dynamicRange{};  // scaled dB
    int32_t m_timeYMDHMS[6]{}; // year, month, day, hour, minute, second
    int32_t m_timeUTC{};
    int32_t m_timeZoneMinutes{};
    int32_t m_timeDST{};
    int32_t m_thresholdLoss{};  // scaled dB
    int32_t m_thresholdRefl{};  // scaled dB
    int32_t m_thresholdBreak{}; // scaled dB
    int32_t m_fasNumBreaks{};
    int32_t m_fasEndAtNthRefl{};
    int32_t m_fasNthReflThresh{}; // scaled dB
    int32_t m_horzShiftDP{};
    uint16_t m_horzShiftFR{};
    double m_horzShiftKM{}; // km of the shift position, kept in step with it
    int32_t m_vertShift{};  // scaled dB
    int32_t m_formatVersion[4]{};
    uint32_t m_traceFlags{};
    uint32_t m_traceFlags2{}; // the instrument's, saved unchanged
    int32_t m_fctryLaserPower{};
    int32_t m_attenLaserPower{};
    int32_t m_attenAPD{};
    int32_t m_stfmUseForORL{};
    int32_t m_stfmLength{};      // scaled km
    int32_t m_stfmDBKM{};        // scaled dB/km
    int32_t m_stfmIOR{};         // x 1e6
    int32_t m_stfmBackScatter{}; // scaled dB
    int32_t m_stfmConnReflDB{};  // scaled dB
    char16_t m_stfmFiberType[8 + 1]{};
    char16_t m_stfmConnType[8 + 1]{};
    char16_t m_stfmSerialNum[16 + 1]{};
    char16_t m_stfmModel[16 + 1]{};
    char16_t m_stfmPartNum[16 + 1]{};
    char16_t m_stfmCalDate[16 + 1]{};
    char16_t m_stfmID[32 + 1]{};
    int32_t m_orl{}; // scaled dB
    int32_t m_orlADP{};
    uint16_t m_orlAFR{};
    int32_t m_orlBDP{};
    uint16_t m_orlBFR{};
    int32_t m_orlFctryLaserPower{};
    int32_t m_orlAttenLaserPower{};
    int32_t m_orlAttenAPD{};
    int32_t m_orlDBKM{}; // scaled dB/km
    int32_t m_orlE0DP{};
    int32_t m_orlE1DP{};
    double m_orlEArea{};
    double m_orlAArea{};
    int32_t m_viewCount{};
    int32_t m_viewMode{};
    int32_t m_cursorADP{};
    uint16_t m_cursorAFR{};
    int32_t m_cursorBDP{};
    uint16_t m_cursorBFR{};
    std::vector<ViewWindow> m_views; // at least m_viewCount windows
    int32_t m_lsaSetCount{};
    int32_t m_lossMode{};
    std::vector<LSACursorSet> m_lsaSets; // at least m_lsaSetCount sets
    double m_attenuationDBKM{};
    T5Attachment m_t5;
    uint32_t m_modFlags{};
    uint16_t m_launchIntercept{}; // working-scale data units

    // ====== Data-point arrays and distance addressing
public:
    double KMFromDPFR(int32_t dp, uint16_t fr) const;
    int32_t DPFRFromKM(double km, uint16_t& fr) const;
    double GetDBAtDPFR(int32_t dp, uint16_t fr) const;
    double GetDBAtKM(double km) const;
    int32_t GetZKMDP() const;
    uint16_t GetZKMFR() const;
    double GetZKMKM() const;
    void SetZKMDPFR(int32_t dp, uint16_t fr);
    double CalcZKMDB();
    double GetZKMDB() const;
    int32_t GetOnAfterZKMDP() const;

    int32_t PWCount() const;
    int32_t PWMaxCount() const;
    int32_t PWInitArray(int32_t n);
    int32_t PWInsert(int32_t index);
    int32_t PWInsert();
    int32_t PWInsertDP(int32_t dp);
    void PWInit(int32_t index);
    int32_t PWIndexAtDP(int32_t dp) const;
    int32_t PWGetStartDP(int32_t i) const;
    void PWSetStartDP(int32_t i, int32_t dp);
    int32_t PWGetNanoSec(int32_t i) const;
    void PWSetNanoSec(int32_t i, int32_t ns);
    int32_t PWGetPreampType(int32_t i) const;
    void PWSetPreampType(int32_t i, int32_t type);
    double PWGetStartKM(int32_t i) const;
    int32_t PWGetPointsPer(int32_t i) const;
    int32_t PWGetPointsPerAtDP(int32_t dp) const;
    double PWGetKM(int32_t i) const;
    char16_t* PWGetPW(int32_t i, char16_t* out, int32_t nsOnly, int32_t units) const;
    char16_t* PWGetPWLength(int32_t i, char16_t* out, int32_t units) const;
    char16_t* PWGetPreampType(int32_t i, char16_t* out) const;
    char16_t* PWGetLabel(int32_t i, char16_t* out) const;

    int32_t SFCount() const;
    int32_t SFMaxCount() const;
    int32_t SFInitArray(int32_t n);
    int32_t SFInsert(int32_t index);
    int32_t SFInsert();
    int32_t SFInsertDP(int32_t dp);
    void SFInit(int32_t index);
    int32_t SFGetStartDP(int32_t i) const;
    void SFSetStartDP(int32_t i, int32_t dp);
    int32_t SFGetScaleFactor(int32_t i) const;
    void SFSetScaleFactor(int32_t i, int32_t sf);
    double SFGetDy(int32_t i) const;
    uint16_t SFGetMinLogValue(int32_t i) const;
    void SFSetMinLogValue(int32_t i, uint16_t v);

    int32_t SpanCount() const;
    int32_t SpanMaxCount() const;
    int32_t SpanInitArray(int32_t n);
    int32_t SpanInsert(int32_t index);
    int32_t SpanInsert();
    int32_t SpanInsertDP(int32_t dp);
    void SpanInit(int32_t index);
    int32_t SpanIndexAtDP(int32_t dp) const;
    int32_t SpanGetStartDP(int32_t i) const;
    void SpanSetStartDP(int32_t i, int32_t dp);
    double SpanGetIOR(int32_t i) const;
    char16_t* SpanGetIOR(int32_t i, char16_t* out) const;
    void SpanSetIOR(int32_t i, double ior);
    double SpanGetBackScatter(int32_t i) const;
    char16_t* SpanGetBackScatter(int32_t i, char16_t* out, int32_t units) const;
    void SpanSetBackScatter(int32_t i, double db);
    char16_t* SpanGetFiberType(int32_t i, char16_t* out) const;
    void SpanSetFiberType(int32_t i, const char16_t* text);
    double SpanGetStartKM(int32_t i) const;
    double SpanGetDxKM(int32_t i) const;
    double SpanGetDxKMAtDP(int32_t dp) const;
    int32_t SpanGetScatterFactor(int32_t i) const;
    void SpanCalculate();

    int32_t DPOCount() const;
    int32_t DPOMaxCount() const;
    int32_t DPOInitArray(int32_t n);
    int32_t DPOSetCount(int32_t n);
    uint16_t* DPOGetPtr(int32_t i);
    const uint16_t* DPOGetPtr(int32_t i) const;
    int32_t DPOGetDPO(int32_t i, int32_t n, uint16_t* out) const;
    int32_t DPOSetDPO(int32_t i, int32_t n, const uint16_t* in);
    int32_t DPOGetNLF(int32_t first, int32_t n, uint32_t* bits) const;
    int32_t DPOSetNLF(int32_t first, int32_t n, const uint32_t* bits);
    double DPOGetLinear(int32_t i) const;

    void DPWSetup(int32_t fromSegments);
    uint16_t* DPWGetPtr(int32_t i);
    const uint16_t* DPWGetPtr(int32_t i) const;
    int32_t DPWGetLONG(int32_t i) const;
    double DPWGetDB(int32_t i) const;
    int32_t DPWGetScaleFactor() const;
    double DPWGetDy() const;
    int32_t DPWGetDPW(int32_t i, int32_t n, uint16_t* out) const;
    int32_t DPWSetDPW(int32_t i, int32_t n, const uint16_t* in);

    int32_t DPLCount() const;
    int32_t DPLMaxCount() const;
    int32_t DPLInitArray(int32_t n);
    double* DPLGetPtr(int32_t i);
    const double* DPLGetPtr(int32_t i) const;
    void DPLDestruct();
    int32_t DPLSetCount(int32_t n);
    void DPLSetSF(int32_t sf);
    void DPLSetBaseline(double v);
    void DPLSetReference(double v);
    double DPLCalcThreshold();
    uint16_t DPLCalcDV(int32_t i) const;
    void DPLToDPO();

    void DataCellInfo(double startKM, double widthKM, int32_t fromEnd, int32_t& count,
                      double& startDB, double& endDB, double& lowestDB, double& highestDB) const;
    void DataCellsInfo(int32_t cells, double startKM, double widthKM, int32_t interpolate,
                       int32_t fromEnd, double* startLevels, double* endLevels,
                       double* lowestLevels, double* highestLevels) const;

    friend VARNEL_API double T6KMFromDPFR(const CT6* trace, int32_t dp, uint16_t fr);

private:
    // Linear value of a stored point read on the given segment scale.
    double linearOfStored(int32_t i, int32_t scaleFactor) const;

    struct SpanEntry {
        int32_t startDP = 0;
        int32_t ior = 0;         // x 1e6
        int32_t backScatter = 0; // scaled dB
        char16_t fiberType[32 + 1] = {};
        int32_t further[5] = {};
        double startKM = 0;        // derived by SpanCalculate
        double dxKM = 0;           // km per point, derived by SpanCalculate
        int32_t scatterFactor = 0; // derived by SpanCalculate
    };
    struct PulseWidthEntry {
        int32_t startDP = 0;
        int32_t nanoSec = 0;
        int32_t preampType = 0; // 1 long range, 2 high resolution
        int32_t further[5] = {};
    };
    struct ScaleFactorEntry {
        int32_t startDP = 0;
        int32_t scaleFactor = 0;  // stored units per dB
        uint16_t minLogValue = 0; // stands for every flagged point of the segment
        int32_t further[5] = {};
    };

    // Distance of a position and position of a distance from the spans alone,
    // without horizontal shift or zero-km distance.
    double spanKMFromDPFR(int32_t dp, uint16_t fr) const;
    int32_t spanDPFRFromKM(double km, uint16_t& fr) const;
    double spacingOfFirstSpanKM() const;
    void recalcShiftAndZKMDistances();
    // Number of points a level read may address: the linear samples while they
    // exist, else the working points.
    int32_t readablePointCount() const;
    // The points inside the cell from startKM to endKM, limited to the trace;
    // false when the cell holds none.
    bool cellPoints(double startKM, double endKM, int32_t& first, int32_t& last) const;
    // Where cells counted back from the end event start, or startKM itself.
    double cellStartKM(double startKM, double widthKM, bool fromEnd) const;

    // Each array holds its full capacity; the count says how many are in use.
    std::vector<PulseWidthEntry> m_pulseWidths;
    int32_t m_pulseWidthCount{};
    std::vector<SpanEntry> m_spans;
    int32_t m_spanCount{};
    std::vector<ScaleFactorEntry> m_scaleFactors;
    int32_t m_scaleFactorCount{};
    std::vector<uint16_t> m_dpo; // stored points: dB x scale factor of the point's segment
    int32_t m_dpoCount{};
    std::vector<uint32_t> m_nlf; // per-point flag bits, 32 to a word
    std::vector<uint16_t> m_dpw; // working points on the data-point scale factor
    int32_t m_dpwScaleFactor{};
    int32_t m_lastDP{};        // last-point index
    std::vector<double> m_dpl; // linear samples of an acquisition
    int32_t m_dplCount{};
    int32_t m_dplScaleFactor{};
    double m_dplBaseline{};
    double m_dplReference{};
    double m_dplThreshold{};
    int32_t m_zkmDP{};
    uint16_t m_zkmFR{};
    uint16_t m_zkmLevel{}; // working-scale units, without the vertical shift
    double m_zkmKM{};
    int32_t m_onAfterZKMDP{}; // first point on or after the zero-km point
    int32_t m_noiseFloorDP{};

    // ====== The event table
public:
    // One event of the table; its layout is internal (record/event_element.h).
    struct EVElement;

    // Table management; unless stated these return the event count.
    int32_t EVCount() const;
    int32_t EVMaxCount() const;
    int32_t EVInitArray(int32_t n); // empties the table; returns the capacity
    int32_t EVInit(int32_t i);      // zeroes one element below the capacity
    int32_t EVInsert(int32_t i);    // returns the new event's index, -1 when out of memory
    int32_t EVInsert();             // a zeroed event at the end
    // In start order; an event already starting there is reused.
    int32_t EVInsertDPFR(int32_t dp, uint16_t fr);
    int32_t EVInsertKM(double km);
    int32_t EVDelete(int32_t i);
    int32_t EVDeleteFlagged(); // every event with T6_EVFLAG_MARKED_FOR_DELETION
    int32_t EVSwap(int32_t i, int32_t j);
    int32_t EVSort();
    int32_t EVFindNearKM(double km) const; // nearest event from index 1, or -1
    int32_t EVSizeElement() const;         // bytes per element in a snapshot
    // Snapshots: the buffer holds EVCount() * EVSizeElement() bytes and is only
    // meant to be handed back to EVRestore. Restoring from no buffer gives n
    // zeroed events.
    int32_t EVCopy(void* buf) const;
    int32_t EVRestore(int32_t n, const void* buf);

    // Positions. Indexes outside the table read as 0 and are not written.
    int32_t EVGetStartDP(int32_t i) const;
    uint16_t EVGetStartFR(int32_t i) const;
    double EVGetStartKM(int32_t i) const;
    double EVGetStart(int32_t i) const; // current distance units
    char16_t* EVGetStart(int32_t i, char16_t* buf, int32_t units) const;
    void EVSetStartDP(int32_t i, int32_t dp);
    void EVSetStartFR(int32_t i, uint16_t fr);
    void EVSetStartKM(int32_t i, double km);
    void EVSetStart(int32_t i, double v);
    int32_t EVGetEndDP(int32_t i) const;
    uint16_t EVGetEndFR(int32_t i) const;
    double EVGetEndKM(int32_t i) const;
    double EVGetEnd(int32_t i) const;
    char16_t* EVGetEnd(int32_t i, char16_t* buf, int32_t units) const;
    void EVSetEndDP(int32_t i, int32_t dp);
    void EVSetEndFR(int32_t i, uint16_t fr);
    void EVSetEndKM(int32_t i, double km);
    void EVSetEnd(int32_t i, double v);
    int32_t EVGetRiseEndDP(int32_t i) const;
    uint16_t EVGetRiseEndFR(int32_t i) const;
    void EVSetRiseEndDP(int32_t i, int32_t dp);
    void EVSetRiseEndFR(int32_t i, uint16_t fr);
    int32_t EVGetFallStartDP(int32_t i) const;
    uint16_t EVGetFallStartFR(int32_t i) const;
    void EVSetFallStartDP(int32_t i, int32_t dp);
    void EVSetFallStartFR(int32_t i, uint16_t fr);

    // Loss, reflectance, loss mode, type
    double EVGetLoss(int32_t i) const; // 0 for the launch and an unmeasurable loss
    // The loss the table holds, the launch's included (a file may state its
    // front connector's); T6_NO_VALUE for a loss not measured.
    double EVGetStoredLoss(int32_t i) const;
    char16_t* EVGetLoss(int32_t i, char16_t* buf, int32_t units) const;
    void EVSetLoss(int32_t i, double db);
    double EVGetRefl(int32_t i) const;
    char16_t* EVGetRefl(int32_t i, char16_t* buf, int32_t units) const;
    void EVSetRefl(int32_t i, double db);
    int32_t EVGetLossMode(int32_t i) const;
    void EVSetLossMode(int32_t i, int32_t mode);
    char16_t* EVGetLoss2P(int32_t i, char16_t* buf) const;
    int32_t EVGetType(int32_t i) const;
    char16_t* EVGetType(int32_t i, char16_t* buf) const;
    char16_t* EVGetTypeChar(int32_t i, char16_t* buf) const;
    void EVSetType(int32_t i, int32_t type);   // T6_EVENT_QUESTIONABLE_END: see codes.h
    int32_t EVQtEnd(int32_t i) const;          // a questionable end
    int32_t EVIsQuestionable(int32_t i) const; // questionable, whatever the type

    // Flags and comment
    uint32_t EVGetFlags(int32_t i) const;
    void EVPutFlags(int32_t i, uint32_t flags); // replaces; does not mark the record modified
    uint32_t EVSetFlags(int32_t i, uint32_t flags);
    uint32_t EVClearFlags(int32_t i, uint32_t flags);
    char16_t* EVGetComment(int32_t i, char16_t* buf) const; // room for 62 characters
    void EVSetComment(int32_t i, const char16_t* text);

    // Least-squares offsets from the event start; side non-zero is A, zero is B.
    double EVGetLSAStartOffKM(int32_t i, int32_t side) const;
    double EVGetLSAEndOffKM(int32_t i, int32_t side) const;
    void EVSetLSAOffKM(int32_t i, double aStartKM, double aEndKM, double bStartKM, double bEndKM);
    void EVGetLSAOffDPFR(int32_t i, int32_t side, int32_t& startDP, uint16_t& startFR,
                         int32_t& endDP, uint16_t& endFR) const;
    void EVSetLSAOffDPFR(int32_t i, int32_t side, int32_t startDP, uint16_t startFR, int32_t endDP,
                         uint16_t endFR);

    // Levels and losses along the table; T6_NO_VALUE when they cannot be measured.
    double EVGetDBValue(int32_t i) const;
    char16_t* EVGetCumLoss(int32_t i, char16_t* buf, int32_t units) const;
    double EVGetStartAvgDB(int32_t i) const;
    double EVGetSpanLoss(int32_t i) const;
    char16_t* EVGetSpanLoss(int32_t i, char16_t* buf, int32_t units) const;
    double EVGetSpanLossDBKM(int32_t i) const;
    char16_t* EVGetSpanLossDBKM(int32_t i, char16_t* buf, int32_t units) const;
    double GetEndToEndLoss() const;
    double GetEndToEndLossForced() const;
    char16_t* GetEndToEndLoss(char16_t* buf, int32_t units) const;
    int32_t IsEndConn() const;
    double GetStartConnLoss() const;
    double GetEndConnLoss() const;
    double GetLaunchIntercept() const;
    void SetLaunchIntercept(uint16_t dataValue); // in working data units
    // Writes the indexes of the strongest reflections into out (room for max).
    int32_t HighReflEvents(int32_t max, int32_t* out, double fromKM) const;

    // Texts of the event table
    char16_t* EVGetLossFlagged(int32_t i, char16_t* buf, int32_t units) const;
    char16_t* EVGetReflFlagged(int32_t i, char16_t* buf, int32_t units) const;
    char16_t* EVGetFlagsText(int32_t i, char16_t* buf) const;
    // 0 valid, 1 end before start, 2 start not after 0 km, 3 end beyond the
    // trace, 4 overlaps another event
    int32_t EVStartEndError(int32_t i, double startKM, double endKM) const;

private:
    EVElement* eventAt(int32_t i);
    const EVElement* eventAt(int32_t i) const;
    void markEventsModified();
    bool growEventsFor(int32_t count);
    double meanDataDB(int64_t firstDP, int64_t lastDP) const;
    double endToEndLoss(bool forced) const;
    int32_t peakDataValue(const EVElement& e) const;

    std::vector<EVElement> m_events; // size() is the capacity; unused elements stay zeroed
    int32_t m_eventCount = 0;

    // ====== Header pages
public:
    // Header pages: fields on pages of 19 lines by 50 columns, laid out by a
    // template. Statuses: 0 done, 1/2/9 file read/memory/open, 5 no field on
    // that page, 6 field index out of range, 7 line after the page's last,
    // 1001-1004 template (see T6_HDR_... below).
    void HDRInit(int32_t count); // at most 288; clears every field, count 0
    int32_t HDRFromTemplate(const uint8_t* bytes, int32_t length);
    int32_t HDRFromFile(const char16_t* path);
    int32_t HDRFromStdT6HDR();
    int32_t HDRFromBellHDR();
    void HDRFromT6(const CT6* other);
    void HDRSave(int32_t slot) const; // slots 0-9, shared by every record
    void HDRRestore(int32_t slot);

    int32_t HDRGetNumPages() const;
    int32_t HDRGetPageInfo(int32_t page, int32_t& lines, int32_t& first, int32_t& last) const;
    // text receives 50 characters and the terminator.
    int32_t HDRGetPageLine(int32_t page, int32_t line, int32_t& position, char16_t* text) const;
    // text receives up to 50 characters and the terminator.
    int32_t HDRGetFldInfo(int32_t index, int32_t trim, uint8_t& page, uint8_t& line,
                          uint8_t& column, uint8_t& length, uint8_t& kind, char16_t* text) const;
    void HDRSetFldStg(int32_t index, const char16_t* text);
    void HDRSetAutoStg(int32_t kind, const char16_t* text);
    int32_t HDRFindFixedStg(const char16_t* text) const;
    void HDRInitStgs(int32_t clearDollarFlds, int32_t clearAtFlds, int32_t fromRecord);
    void HDRInitStgs(int32_t clearAtFlds, int32_t fromRecord);

    // The field array as the file formats store it: HDRInit(n), then one
    // HDRAppendFld per field; beyond the capacity it returns 6 and stores nothing.
    int32_t HDRGetFldCount() const;
    int32_t HDRGetFldMaxCount() const;
    int32_t HDRAppendFld(uint8_t page, uint8_t line, uint8_t column, uint8_t length, uint8_t kind,
                         const char16_t* text);

private:
    struct HDRField {
        uint8_t page;
        uint8_t line;
        uint8_t column;        // first column
        uint8_t length;        // columns, at most 50 - column
        uint8_t kind;          // 0 label, 1 '$', 2 '@', 3-19 filled from the record
        char16_t text[50 + 1]; // padded with blanks to the length
    };
    static std::vector<HDRField>& HDRSlot(int32_t slot);
    void HDRRelease();
    void HDRCopyFrom(const std::vector<HDRField>& fields, int32_t count);
    char16_t* HDRAutoText(int32_t kind, char16_t* out) const; // out: 256 + 1 characters

    std::vector<HDRField> m_hdrFields; // size() is the capacity
    int32_t m_hdrCount = 0;
    int32_t m_readRepairs = 0; // T6_READ_... bits of the last read

    // ====== Files: the native format, every format by name, SR-4731
public:
    // Statuses: T6_FILE_... (codes.h).

    // Reads a trace file of any known format; crcFlag non-zero verifies the
    // block checksums of native files.
    int32_t DecompFile(const char16_t* path, int32_t crcFlag);
    // Decodes a whole native "<T6>" file held in memory into the record.
    int32_t DecompT6(const uint8_t* bytes, int32_t length, int32_t crcFlag);
    // Encodes the record as a native file into out (capacity bytes). The result
    // is the size the whole file needs, counted also when it does not fit;
    // 0 on failure. Blocks are always stored; compress has no effect. The
    // short form carries the data points only up to 10 after the zero-km point.
    int32_t CompT6(uint8_t* out, int32_t capacity, int32_t compress, int32_t crc);
    int32_t CompT6Basic(uint8_t* out, int32_t capacity, int32_t compress, int32_t crc,
                        int32_t shortForm);
    // Writes the record in the named format ("T6", "SR4731", "Bellcore", ...),
    // replacing the file only once the whole content is written.
    int32_t FileSaveAs(const char16_t* path, const char16_t* formatName, int32_t compress,
                       int32_t crc);
    // FileSaveAs to the record's own path and filename, in its TraceType.
    int32_t FileSave(int32_t compress, int32_t crc);

private:
    struct Native; // the native format's tag tables, reader and writer

public:
    // SR-4731 (.SOR) files, issue 1 and 2. The standard blocks as parsed from
    // a file or gathered for one; defined inside the library only.
    struct SR4731Fields;
    // Reads a whole SR-4731 file held in memory: 0, 8 when its block map or a
    // block cannot be read, 2 when the points do not fit in memory.
    int32_t DecompSR4731(const uint8_t* bytes, int32_t length);
    // Fills the record from parsed blocks: from the embedded native record
    // when it decodes, else from the standard fields; points always from DataPts.
    void T6FromSR4731(const SR4731Fields& parsed);
    // What the last read left out or ignored because it lay off the trace
    // (T6_READ_... bits); 0 when the file was taken as it stands.
    int32_t GetReadRepairs() const { return m_readRepairs; }
    // Gathers the standard fields and the points from the record, issue 2
    // for version 2, else issue 1; returns what the file cannot hold as the
    // record has it (T6_WRITE_... bits), 0 when it holds everything.
    int32_t T6ToSR4731(int32_t version, SR4731Fields& out) const;
    // Writes the record as an SR-4731 file (issue 2 for version 2, else
    // issue 1) into out; the result is the file's size, counted also when it
    // exceeds the capacity.
    int32_t CompSR4731(int32_t version, uint8_t* out, int32_t capacity);
    // What the last CompSR4731 could not write as the record has it
    // (T6_WRITE_... bits); 0 when the file holds the record's levels exactly.
    int32_t GetWriteRepairs() const { return m_writeRepairs; }
    // The end-to-end loss an SR-4731 file stated in its key events, in dB;
    // T6_NO_VALUE when the record was not read from such a file or it stated none.
    double GetStoredEndToEndLoss() const;

private:
    struct SR4731; // the SR-4731 reader and writer steps
    // What an SR-4731 file held beyond the record's fields (its other blocks,
    // its fields as stored, the offset of its levels), so that writing the
    // record back keeps all that was not edited; none for other sources.
    struct SR4731Origin;
    std::shared_ptr<const SR4731Origin> m_sr4731Origin;
    int32_t m_writeRepairs = 0; // T6_WRITE_... bits of the last SR-4731 write

    // ====== Measurements: loss, reflectance, noise floor, attenuation, ORL
public:
    // Loss between two positions in one of the loss modes (T6_LOSS_...); dB,
    // dB/km for the T6_LOSS_DBKM modes, or T6_NO_VALUE. The six
    // outputs give the fitted levels for drawing.
    double CalcLoss(int32_t mode, int32_t fromEnd, double aKM, double aStartOff, double aEndOff,
                    double bKM, double bStartOff, double bEndOff, double& aFit, double& aSegStart,
                    double& aSegEnd, double& bFit, double& bSegStart, double& bSegEnd);
    double CalcLoss(); // the record's mode between cursors A and B
    char16_t* CalcLoss(char16_t* buf, int32_t units);
    char16_t* CalcLoss(char16_t* buf, int32_t mode, int32_t fromEnd, double aKM, double aStartOff,
                       double aEndOff, double bKM, double bStartOff, double bEndOff, double& aFit,
                       double& aSegStart, double& aSegEnd, double& bFit, double& bSegStart,
                       double& bSegEnd, int32_t units);
    double CalcLSAIntercept(double posKM, double startOff, double endOff, double& segStart,
                            double& segEnd) const;

    // Reflectance in dB, 0 when there is none; status gets the event flag bits
    // T6_EVFLAG_REFL_SATURATED, _REFL_CLAMPED and _FEW_POINTS_PER_PULSE.
    double CalcRefl(int32_t startDP, int32_t endDP, int32_t explicitPeak, int32_t& status) const;
    double CalcRefl(double startKM, double endKM, int32_t explicitPeak, int32_t& status) const;
    char16_t* CalcRefl(char16_t* buf, double startKM, double endKM, int32_t explicitPeak,
                       int32_t units) const;
    double CalcRefl(double heightDV, double pulseNS, double backscatterDB) const;
    double CalcMinAmpDV(double reflDB, double pulseNS, double backscatterDB) const;
    void CalcClampedSatDV(int32_t dp, double& clampDV, double& satDV) const;

    int32_t CalcNoiseFloorDP(int32_t recompute); // negative when not found
    int32_t GetNoiseFloorDP() const;
    int32_t CalcNFPctDV(int32_t startDP, int32_t endDP, double pct) const; // 0xFFFF: none
    double EstAttenDBKM(int32_t startDP, int32_t endDP, int32_t window, int32_t kind, double lo,
                        double hi, double step, int32_t minCount) const;
    double CalcAtn();
    double GetCalcAtn() const;
    double GetAtn() const;
    double CalcTimeOfFlightSEC() const;
    void UpEndReflDB(double deltaDB);
    double CalcSTFMStdDevDB();

    int32_t GetLossMode() const;
    void SetLossMode(int32_t mode);
    double GetLSACursorStartOffKM(int32_t mode, int32_t side) const;
    double GetLSACursorEndOffKM(int32_t mode, int32_t side) const;
    void SetLSACursorStartOffKM(int32_t mode, int32_t side, double km);
    void SetLSACursorEndOffKM(int32_t mode, int32_t side, double km);
    void SetLSACursorsToDefault(int32_t force);
    double GetDefaultLSACursorLengthKM() const;
    double GetDefaultSpliceLossIntervalKM() const;
    void InitAfterCollect();

    // Optical return loss in dB or T6_NO_VALUE; every calculation overwrites
    // the library's last-result store, which CalcORLInfoSave copies in.
    double CalcORL(double aKM, double bKM, int32_t fromEnd, int32_t wholeTrace, int32_t relToOrigin,
                   int32_t& status);
    char16_t* CalcORL(char16_t* buf, double aKM, double bKM, int32_t fromEnd, int32_t wholeTrace,
                      int32_t relToOrigin, int32_t units);
    double CalcORLBasic(int32_t refDP, int32_t aDP, int32_t bDP, int32_t e0DP, int32_t e1DP,
                        double dBkm, double ior, double backscatterDB, int32_t& status);
    double CalcAreaLinDV(double value, double factor) const;
    void CalcORLInfoSave();
    void CalcORLCopy(const CT6* other);

private:
    class ScopedSpan0IOR; // puts a reference fibre's index on span 0 for a conversion
    const LSACursorSet* lsaCursorSet(int32_t mode) const;
    double lossInMode(int32_t mode, double aKM, double aStartOff, double aEndOff, double bKM,
                      double bStartOff, double bEndOff, double& aFit, double& aSegStart,
                      double& aSegEnd, double& bFit, double& bSegStart, double& bSegEnd) const;
    int32_t locateNoiseFloorDP() const;
    int32_t findCleanBackscatter(int32_t aDP, int32_t& e1DP, double& slopeDBKM) const;
    double referenceFibreORL(int32_t refDP, int32_t aDP, int32_t bDP, int32_t& status);
    bool referenceFibreApplies(double aKM) const;

    // ====== Multi-trace histograms, splice templates and the legacy T5 route
public:
    // Level-crossing histogram of values[from..to]: for each level i in
    // minLevel..maxLevel, how often a step between neighbouring points passes
    // it and the first and last such step. The three arrays hold maxLevel + 1
    // entries. Returns 0, or 1 for missing arrays or a negative maxLevel.
    static int32_t DVFreqDist(const uint16_t* values, int32_t from, int32_t to, int32_t minLevel,
                              int32_t maxLevel, int32_t* count, int32_t* firstPos,
                              int32_t* lastPos);

    // Splice templates. BuildFASTemplate marks the record a template: 0, or 1
    // when it already is one, 2 when its event table is empty.
    int32_t BuildFASTemplate();
    // Called on the template: puts its events into trace (merge 0: replacing
    // the trace's own after the launch; keepMatched: keeping matched trace
    // events), matched within tolerancePct of the distance, at most
    // toleranceMaxKM, and measured on the trace. scaleMode 1 scales the
    // trace's events to the template's end, 2 the template's to the trace's.
    // 0 done, 2 empty template table, 3 this record is not a template, 4 no
    // trace or the template itself given; on 2, 3 and 4 nothing changes.
    int32_t ApplyTemplateTo(CT6* trace, int32_t merge, int32_t keepMatched, double tolerancePct,
                            double toleranceMaxKM, int32_t scaleMode);

    // Legacy T5 route (layout in varnel/t5_struct.h). Without the outside
    // converter each of these returns T6_ERR_NO_LEGACY_CONVERTER (CompT5: 0).
    // T5ToT6 re-initialises the record and fills it from the structure, which
    // the record owns from this call on (released by FreeAllArrays): 0, 5 no
    // resolution, index or scale factor, 8 inconsistent inner buffer.
    int32_t T5ToT6(void* structure, int32_t kind);
    // Fills a structure from the record, replacing its inner buffer: 0 or 2.
    int32_t T6ToT5(void* structure);
    // Encodes the record as a "T5" file into buffer: bytes written, 0 on failure.
    int32_t CompT5(uint8_t* buffer, int32_t capacity);
    // Encodes a structure in the file format of formatCode; on entry length is
    // the room at output, which advances past what was written.
    int32_t T5ToCompTraceViaT6(void* structure, int32_t formatCode, uint8_t*& output,
                               int32_t& length);
    // The route's entry points for reading and saving files: a file the
    // converter reads (its status passes through unchanged; the structure
    // stays attached on success), and a save in formatCode into buffer, which
    // grows as the encoding needs; size is the number of bytes written.
    int32_t DecompLegacy(const char16_t* path, const uint8_t* bytes, int32_t length);
    int32_t CompLegacy(int32_t formatCode, std::vector<uint8_t>& buffer, size_t& size);

private:
    void releaseT5Struct();
    void fillHeaderFromT5(struct T5Struct& t5, const char16_t* const* productNames, int32_t kind);
    void fillArraysFromT5(struct T5Struct& t5);
    void fillT5Header(struct T5Struct& t5, const char16_t* const* productNames) const;
    void fillT5Arrays(struct T5Struct& t5) const;

    // ====== The automatic analysis
public:
    // Rebuilds the event table from the trace: 0 done, 1 no memory for the
    // working arrays, 2 the record holds linear data points, 3 no trace to
    // analyse (no points, no scale factor or no point spacing). On any code
    // but 0 the record is unchanged.
    int32_t FAS();
    // The same analysis kept to what decides the launch event: the record
    // ends as FAS() followed by deleting every event but the first would
    // leave it, with far less work on long traces. Returns FAS()'s codes.
    int32_t FASLaunchOnly();
    // Running-mean smoothing of the linear samples (or of the data points
    // taken as linear values); marks the trace as smoothed.
    void BoxCar();

    // State of one FAS run; defined inside the library only.
    struct FASRun;

private:
    int32_t FindReflRise(const FASRun& run, int32_t u, int32_t h) const;
    // `reach`, when given, gets the last position whose search bound the
    // result depends on (INT32_MAX when it depends on h itself).
    int32_t FindReflFall(const FASRun& run, int32_t p, int32_t h, int32_t* reach = nullptr) const;
    int32_t FindReflEnd(const FASRun& run, int32_t level0, int32_t fallStart, int32_t h,
                        int32_t* reach = nullptr) const;
    int32_t FindNonReflEnd(const FASRun& run, int32_t a, int32_t b) const;
    int32_t FindNonReflStart(const FASRun& run, int32_t a, int32_t prevEnd, int32_t end) const;
    void HiReflPeaks(FASRun& run);
    void LinearizeDVs(FASRun& run);
    void WinPWWin(FASRun& run);
    void RemoveEvents(const FASRun& run);
    void FindReflectiveCandidates(FASRun& run);
    void CheckReflections(FASRun& run);
    void FindNonReflExtents(FASRun& run);
    void BuildEventTable(FASRun& run);
    void EndAtNthReflection(const FASRun& run);
    void CloseEventTable(const FASRun& run);
    int32_t startFAS(FASRun& run);
    void runCandidateSteps(FASRun& run);
    // The steps over the whole trace and the table they give, as FAS() builds it.
    void buildWholeTable(FASRun& run);
    bool launchSettles(FASRun& run);
    bool wholeRunFits(FASRun& run);
    // The least height the peaks' threshold keeps for a pulse and backscatter,
    // and the least over all of the trace's (0 when none holds).
    double leastPeak(const FASRun& run, int32_t nanoSec, double backScatterDB) const;
    double leastPeakThreshold(const FASRun& run) const;
    void finishFAS(const FASRun& run);
};

// km of a position on a bare record structure; 0 for none.
VARNEL_API double T6KMFromDPFR(const CT6* trace, int32_t dp, uint16_t fr);

// 1 when the bytes begin with the native file magic "<T6>", else 0.
VARNEL_API int32_t T6IsT6(const uint8_t* bytes, int32_t length);
