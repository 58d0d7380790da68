// Varnel: the OTDR trace library. One include gives the whole interface: the
// trace record CT6 and the T6... free functions.
//
// Conventions: text is UTF-16 in char16_t buffers that the caller supplies
// (string accessors write into the buffer and return it); 32-bit integers are
// int32_t, flag words uint32_t, DP fractions uint16_t; out-parameters are
// references. Operations report through return values, never exceptions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#if defined(VARNEL_BUILDING)
#define VARNEL_API __attribute__((visibility("default")))
#else
#define VARNEL_API
#endif

// Returned by every level, loss and ORL read that has no value; compare exactly.
inline constexpr double T6_NO_VALUE = -1.23456e31;

// ---------------------------------------------------------------------------
// Library-wide settings, display strings and conversions
// ---------------------------------------------------------------------------

// Numeric settings
VARNEL_API void T6SetCurDistUnits(int32_t index);
VARNEL_API int32_t T6GetCurDistUnits();
VARNEL_API void T6SetSpeedOfLight(double kmPerSec);
VARNEL_API double T6GetSpeedOfLight();
VARNEL_API void T6SetEndian(int32_t flag);
VARNEL_API void T6SetEndEndLoss(int32_t startConnIncluded, int32_t endConnIncluded);
VARNEL_API void T6SetEndEndLossForced(int32_t forced);
VARNEL_API void T6SetStartConnDef(double km, double percent);
VARNEL_API void T6SetORLCalc(int32_t a, int32_t b, int32_t relToOrigin);
VARNEL_API void T6SetDefaultDBKM(double dbkm);
VARNEL_API void T6SetUseT6DBKM(int32_t flag);
VARNEL_API void T6SetFormatDate(int32_t format);
VARNEL_API void T6SetFormatTime(int32_t format);

// Display strings (setters copy at most the capacity and always terminate)
VARNEL_API void T6SetStgNM(const char16_t* text);
VARNEL_API void T6SetStgUSEC(const char16_t* text);
VARNEL_API void T6SetStgNSEC(const char16_t* text);
VARNEL_API void T6SetStgCurDist(int32_t index, const char16_t* text);
VARNEL_API void T6SetStgDB(const char16_t* text);
VARNEL_API void T6SetStgDBM(const char16_t* text);
VARNEL_API void T6SetStgMonth(int32_t index, const char16_t* text);
VARNEL_API void T6SetStgAM(const char16_t* text);
VARNEL_API void T6SetStgPM(const char16_t* text);
VARNEL_API void T6SetStgDBKM(const char16_t* text);
VARNEL_API void T6SetStgNotAvailable(const char16_t* text);
VARNEL_API void T6SetStg2Way(const char16_t* text);
VARNEL_API void T6SetStgDeltaCompare(const char16_t* text);
VARNEL_API void T6SetStgAttenuated(const char16_t* text);
VARNEL_API void T6SetStgAbort(const char16_t* text);
VARNEL_API void T6SetStgTemplate(const char16_t* text);
VARNEL_API void T6SetStgFAS(const char16_t* text);
VARNEL_API void T6SetStgSmooth(const char16_t* text);
VARNEL_API void T6SetStgUnknownLoss(const char16_t* text);
VARNEL_API void T6SetStg2Point(const char16_t* text);
VARNEL_API void T6SetStgLongRange(const char16_t* text);
VARNEL_API void T6SetStgHiRes(const char16_t* text);
VARNEL_API void T6SetStgSinglemode(const char16_t* text);
VARNEL_API void T6SetStgMultimode(const char16_t* text);
VARNEL_API void T6SetStgSM(const char16_t* text);
VARNEL_API void T6SetStgMM(const char16_t* text);
VARNEL_API void T6SetStgFast(const char16_t* text);
VARNEL_API void T6SetStgMedium(const char16_t* text);
VARNEL_API void T6SetStgSlow(const char16_t* text);
VARNEL_API void T6SetStgTimed(const char16_t* text);
VARNEL_API void T6SetStgAutoMode(const char16_t* text);
VARNEL_API void T6SetStgOutOfRange(const char16_t* text);
VARNEL_API void T6SetStgOutOfDist(const char16_t* text);
VARNEL_API void T6SetStgTraceFlagChars(const char16_t* text);
VARNEL_API void T6SetStgEventType(int32_t type, const char16_t* text);
VARNEL_API void T6SetStgEventTypeChars(const char16_t* text);
VARNEL_API void T6SetStgDisplayFrom(int32_t index, const char16_t* text);
VARNEL_API void T6SetStgLossMode(int32_t index, const char16_t* text);
VARNEL_API void T6SetStgORLRelToA(const char16_t* text);
VARNEL_API void T6SetStgORLRelToOrigin(const char16_t* text);

// Number formats: printf-style, one floating-point conversion, 11 characters
VARNEL_API void T6SetFormatDist(int32_t unit, const char16_t* format);
VARNEL_API void T6SetFormatORLDist(int32_t unit, const char16_t* format);
VARNEL_API void T6SetFormatReflSaturated(const char16_t* format);
VARNEL_API void T6SetFormatReflNotSaturated(const char16_t* format);
VARNEL_API void T6SetFormatORLSaturated(const char16_t* format);
VARNEL_API void T6SetFormatORLLessThan(const char16_t* format);
VARNEL_API void T6SetFormatPulsewidthDist(const char16_t* format);

// Tables
VARNEL_API int32_t T6GetCountCurDist();
VARNEL_API char16_t* T6GetInfoCurDist(int32_t index, char16_t* label, double& factor);
VARNEL_API char16_t* T6GetStgEventType(int32_t type, char16_t* out);
VARNEL_API int32_t T6GetCountDisplayFrom();
VARNEL_API char16_t* T6GetStgDisplayFrom(int32_t index, char16_t* out);
VARNEL_API int32_t T6GetCountLossMode();
VARNEL_API char16_t* T6GetStgLossMode(int32_t index, char16_t* out);

// Conversions
VARNEL_API double T6KMFromScaled(int32_t v);
VARNEL_API double T6DBFromScaled(int32_t v);
VARNEL_API int32_t T6ScaledFromKM(double km);
VARNEL_API int32_t T6ScaledFromDB(double db);
VARNEL_API int32_t T6LONGRounded(double x);
VARNEL_API double T6CurDistFromKM(double km);
VARNEL_API double T6KMFromCurDist(double v);

// DP/FR arithmetic
VARNEL_API double T6DoubleFromDPFR(int32_t dp, uint16_t fr);
VARNEL_API int32_t T6DPFRFromDouble(double x, uint16_t& fr);
VARNEL_API int32_t T6DPFRFrom1616(int32_t v, uint16_t& fr);
VARNEL_API int32_t T6CompareDPFR(int32_t dp1, uint16_t fr1, int32_t dp2, uint16_t fr2);
VARNEL_API void T6AddDPFR(int32_t& dp, uint16_t& fr, int32_t dp1, uint16_t fr1, int32_t dp2,
                          uint16_t fr2);
VARNEL_API void T6SubDPFR(int32_t& dp, uint16_t& fr, int32_t dp1, uint16_t fr1, int32_t dp2,
                          uint16_t fr2);

// Text (each writes into out and returns it; give at least 64 characters)
VARNEL_API char16_t* T6CurDist(double v, char16_t* out, int32_t units);
VARNEL_API char16_t* T6CurDistFromKM(double km, char16_t* out, int32_t units);
VARNEL_API char16_t* T6AddUnitsDist(char16_t* out);
VARNEL_API char16_t* T6AddUnitsDB(char16_t* out);
VARNEL_API char16_t* T6GetDB2Dec(double v, char16_t* out, int32_t units);
VARNEL_API char16_t* T6GetDB3Dec(double v, char16_t* out, int32_t units);
VARNEL_API char16_t* T6DateFromYMD(char16_t* out, int32_t year, int32_t month, int32_t day);
VARNEL_API char16_t* T6TimeFromHMS(char16_t* out, int32_t hour, int32_t minute, int32_t second);
VARNEL_API char16_t* T6GetORLRelTo(char16_t* out);
VARNEL_API const char* T6GetBuildDateTime();

// Memory through which callers release what the library allocated
VARNEL_API void* T6Malloc(int32_t bytes);
VARNEL_API void T6Free(void* p);
VARNEL_API void* T6Realloc(void* p, int32_t bytes);
VARNEL_API void T5FreeViaT6(void* p);
VARNEL_API int32_t T6MallocTest();

// ---------------------------------------------------------------------------
// The trace record
// ---------------------------------------------------------------------------

// Each area of the record keeps its declarations together: public operations
// followed by the private data the area owns.
class VARNEL_API CT6 {
public:
    CT6();
    ~CT6();
    CT6(const CT6& other);
    CT6& operator=(const CT6& other);

    // @@record

    // @@arrays

    // @@events
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
    int32_t EVDeleteFlagged(); // every event marked for deletion (0x00100000)
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
    void EVSetType(int32_t i, int32_t type);   // 5 stores an end with the questionable bit 0x200
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

    // @@header-pages

    // @@native-files

    // @@measurement

    // @@analysis
};

// Free functions of the areas below the record.

// @@free:events

// @@free:header-pages

// @@free:native-files

// @@free:measurement

// @@free:analysis
