// The tags of native items and the record fields they carry: shared by the
// reader and the writer so that what one writes the other reads back.
#pragma once

#include <varnel/varnel.h>

#include "formats/native_blocks.h"
#include "formats/native_values.h"

#include <array>
#include <cstdint>
#include <span>

namespace varnel::native {

enum Tag : uint8_t {
    kManufacturer = 0,
    kModel = 1,
    kModelFamily = 2,
    kOpticsModule = 3,
    kOpticsModuleSN = 4,
    kSoftwareVer = 5,
    kHardwareVer = 6,
    kTraceTypeOrig = 7,
    kWavelengths = 8,
    kRangeNominal = 9,
    kResoNominal = 10,
    kFiberMode = 11,
    kAveraging = 12,
    kDynamicRange = 13,
    kTime = 14,
    kTimeZone = 15,
    kThresholds = 16,
    kORL = 17,
    kShifts = 18,
    kFormatVersion = 19,
    kTraceFlags = 20,
    kViewState = 21,
    kViewWindow = 22,
    kLSASetCount = 23,
    kLSASet = 24,
    kPulseWidthCount = 28,
    kPulseWidth = 29,
    kPulseWidthFurther = 30,
    kAttenuation = 36,
    kSpanCount = 37,
    kSpan = 38,
    kSpanFiberType = 39,
    kSpanFurther = 40,
    kEventCount = 41,
    kEvent = 42,
    kEventValues = 43,
    kEventEdges = 44,
    kEventLSASideA = 45,
    kEventLSASideB = 46,
    kEventComment = 47,
    kEventFurther = 48,
    kLaunchIntercept = 49,
    kHeaderFieldCount = 50,
    kHeaderField = 51,
    kScaleFactorCount = 52,
    kScaleFactor = 53,
    kScaleFactorFurther = 54,
    kDataPointCount = 55,
    kDataPointScaleFactor = 56,
    kZeroKM = 57,
    kDataPoints = 58,
    kNoiseFloor = 59,
    kFiberNumber = 60,
    kSiteA = 61,
    kSiteB = 62,
    kPrefix = 63,
    kExtension = 64,
    kNetwork = 65,
    kSegment = 66,
    kCableID = 67,
    kProject = 68,
    kTest = 69,
    kSiteAToB = 70,
    kViewCount = 71,
    kFASSettings = 72,
    kLaserCool = 73,
    kPath = 74,
    kFilename = 75,
    kLinearBaseline = 76,
    kLinearReference = 77,
    kTraceType = 78,
    kLaserPower = 79,
    kSTFMValues = 80,
    kSTFMTexts = 81,
    kORLValues = 82,
    kORLEArea = 83,
    kORLAArea = 84,
    kPartNum = 85,
    kCalDate = 86,
};

// Points per tag-58 item, and so per flag-bit word.
inline constexpr int32_t kPointsPerItem = 32;

// The format version values every writer stores (not the record's copy).
inline constexpr std::array<int32_t, 4> kWrittenFormatVersion = {1, 0, 101, 1217};

} // namespace varnel::native

// Tables and state that need the record's private fields.
struct CT6::Native {
    using GetText = char16_t* (CT6::*)(char16_t*) const;
    using SetText = void (CT6::*)(const char16_t*);
    struct TextTag {
        uint8_t tag;
        GetText get;
        SetText set;
    };
    // The header texts, in the order the writer emits them.
    static const std::array<TextTag, 21> kTextTags;

    // Tags whose value is nothing but 32-bit integers, each one record field.
    using IntFields = std::array<int32_t*, 6>;
    struct IntTag {
        uint8_t tag;
        IntFields (*fields)(CT6&);
    };
    static const std::array<IntTag, 18> kIntTags;
    static const IntTag* findIntTag(uint8_t tag);

    class Reader;
    class Writer;
};
