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

    // @@header-pages

    // @@native-files

    // @@measurement

    // @@legacy-templates
public:
    // Level-crossing histogram of values[from..to]: for each level i in
    // minLevel..maxLevel, how often a step between neighbouring points passes
    // it and the first and last such step. The three arrays hold maxLevel + 1
    // entries. Returns 0, or 1 for missing arrays or a negative maxLevel.
    static int32_t DVFreqDist(const uint16_t* values, int32_t from, int32_t to, int32_t minLevel,
                              int32_t maxLevel, int32_t* count, int32_t* firstPos,
                              int32_t* lastPos);

    // @@analysis
};

// Free functions of the areas below the record.

// @@free:events

// @@free:header-pages

// @@free:native-files

// @@free:measurement

// @@free:legacy-printinfo
// Print-information files: one writer and one reader per process, each keeping
// its file and record buffer between calls. Status codes: 0 done, 1 bad
// signature or short read (also a value read past the end of its record),
// 2 no memory, 7 the trace compressed to nothing, 9 file not opened or no file
// open, 10 short write.

// A string read back from a record takes at most this many characters,
// terminator included; longer ones are cut.
inline constexpr int32_t T6_PIF_MAX_STRING = 512;

VARNEL_API int32_t T6PIFPutInit(const char16_t* path, const char16_t* title, int32_t a, int32_t b);
VARNEL_API int32_t T6PIFPutPrinter(const char16_t* printer, int32_t a, int32_t b);
VARNEL_API int32_t T6PIFPutT6Filespec(const char16_t* filespec);
VARNEL_API int32_t T6PIFPutPageHdr(const char16_t* text1, const char16_t* text2,
                                   const char16_t* text3, const char16_t* text4, double x, double y,
                                   int32_t n);
VARNEL_API int32_t T6PIFPutGraphMeas(int32_t a, double x1, double x2, double x3, double x4,
                                     int32_t b);
VARNEL_API int32_t T6PIFPutT6Show(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
VARNEL_API int32_t T6PIFPutGraphView(int32_t a, const double first[4], const double second[2],
                                     int32_t b, int32_t c, int32_t d, int32_t e, int32_t f);
// Records 9 to 23: every library setting, unit, label and number format.
VARNEL_API int32_t T6PIFPutT6Parms();
VARNEL_API int32_t T6PIFPutFinal(); // writes record -1 and closes the file

VARNEL_API int32_t T6PIFInInit(const char* path);
VARNEL_API int32_t T6PIFRecLoad(int32_t& type);
VARNEL_API int32_t T6PIFRecGet(int32_t& value);
VARNEL_API int32_t T6PIFRecGet(double& value);
VARNEL_API char16_t* T6PIFRecGet(char16_t* buf); // buf holds T6_PIF_MAX_STRING characters
// Restores the settings of the loaded record when it is of the given type
// (9 to 23); 1 otherwise, changing nothing.
VARNEL_API int32_t T6PIFSetT6Parms(int32_t type);
VARNEL_API void T6PIFInFinal();

// Inverts a symmetric 3x3 matrix in place and returns 1; returns 0 and leaves
// it unchanged when it is not exactly symmetric or singular.
VARNEL_API int32_t T6SymMatrix3X3Inv(double m[3][3]);

// @@free:analysis
