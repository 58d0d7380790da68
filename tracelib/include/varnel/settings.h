// The library-wide settings that every record formats and calculates with,
// the display strings and number formats of its texts, the conversions of
// its fixed-point encodings and the memory callers release its buffers with.
#pragma once

#include <varnel/api.h>
#include <varnel/codes.h>

#include <cstddef>
#include <cstdint>

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
