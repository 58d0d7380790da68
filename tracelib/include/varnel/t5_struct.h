// The legacy T5 trace structure: the in-memory form in which the outside
// converter Ferrowin reads and writes legacy and foreign trace files, and
// which the library converts to and from its own record (CT6::T5ToT6,
// CT6::T6ToT5). Ferrowin, the library and the viewer all work on this layout.
//
// Layout notes:
// - The structure has a fixed size, T5_STRUCT_BYTES, and is allocated
//   zero-filled by whoever creates it (T6Malloc) and released with T6Free.
// - It owns one inner buffer, allocated by Ferrowin's T5Malloc and released
//   only by its T5Free (or T5FreeViaT6). The inner buffer holds the header
//   texts, then the events, then the data points; its counts say how many.
// - Numbers use the record's encodings: scaled km and dB are value x 1e6,
//   wavelengths nm x 1e5, resolution m x 1e6, index of refraction x 1e6;
//   positions are a data point and a 1/65536 fraction.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr int32_t T5_STRUCT_BYTES = 40128;
inline constexpr int32_t T5_PRODUCT_NAME_COUNT = 31; // T5PRODUCT_NAMES holds at least these
inline constexpr int32_t T5_LSA_SET_COUNT = 7;
inline constexpr int32_t T5_TEXT_CHARS = 33; // 32 characters and the terminator

// Header texts of the inner buffer, in this order.
enum T5Text : int32_t {
    T5_TEXT_MANUFACTURER,
    T5_TEXT_MODEL_FAMILY,
    T5_TEXT_OPTICS_MODULE,
    T5_TEXT_OPTICS_MODULE_SN,
    T5_TEXT_PART_NUM,
    T5_TEXT_CAL_DATE,
    T5_TEXT_SOFTWARE_VER,
    T5_TEXT_HARDWARE_VER,
    T5_TEXT_FIBER_NUMBER,
    T5_TEXT_SITE_A,
    T5_TEXT_SITE_B,
    T5_TEXT_PREFIX,
    T5_TEXT_EXTENSION,
    T5_TEXT_NETWORK,
    T5_TEXT_SEGMENT,
    T5_TEXT_CABLE_ID,
    T5_TEXT_PROJECT,
    T5_TEXT_TEST,
    T5_TEXT_FIBER_TYPE,
    T5_TEXT_COUNT
};

struct T5Event {
    int32_t type;
    int32_t startDP, riseEndDP, fallStartDP, endDP;
    uint16_t startFR, riseEndFR, fallStartFR, endFR;
    int32_t loss; // scaled dB
    int32_t refl; // scaled dB, 0 for none
    uint32_t flags;
    int32_t lossMode;
    int32_t lsaStartOffDP[2], lsaEndOffDP[2]; // side A, side B
    uint16_t lsaStartOffFR[2], lsaEndOffFR[2];
    char16_t comment[62];
};

// The start of the inner buffer; T5Event events[eventCount] and
// uint16_t points[pointCount] follow it.
struct T5Inner {
    char16_t texts[T5_TEXT_COUNT][T5_TEXT_CHARS];
    int32_t eventCount;
    int32_t pointCount;
};

struct T5Fields {
    T5Inner* inner;        // from T5Malloc; only T5Free releases it
    int32_t innerBytes;    // its size
    int32_t kind;          // the kind of file the trace was first created as, 1..14
    int32_t productNumber; // index into T5PRODUCT_NAMES, the instrument model
    int32_t wavelengthNominal, wavelengthActual; // nm x 1e5
    int32_t rangeNominal;                        // scaled km
    int32_t resoNominal;                         // m x 1e6
    int32_t fiberMode;                           // 0 multimode, 1 single-mode
    int32_t avgType, avgComplete, avgSeconds;
    int32_t rangeClass; // dynamic range = class x 8 + 24 dB
    int32_t year, month, day, hour, minute, second;
    int32_t thresholdLoss, thresholdRefl, thresholdBreak; // scaled dB
    int32_t orl;                                          // scaled dB
    int32_t orlADP, orlBDP;
    uint16_t orlAFR, orlBFR;
    uint32_t traceFlags;
    int32_t viewMode;
    int32_t cursorADP, cursorBDP;
    uint16_t cursorAFR, cursorBFR;
    int32_t lossMode;
    int32_t lsaCursors[T5_LSA_SET_COUNT][4];
    int32_t pulseWidthNS, preampType;
    int32_t ior;         // x 1e6
    int32_t backscatter; // scaled dB
    int32_t horzShiftDP;
    uint16_t horzShiftFR;
    int32_t vertShift;   // scaled dB
    int32_t scaleFactor; // data values per dB
};

struct T5Struct : T5Fields {
    uint8_t reserved[T5_STRUCT_BYTES - sizeof(T5Fields)];
};
static_assert(sizeof(T5Struct) == T5_STRUCT_BYTES, "the T5 structure has a fixed size");

// Bytes of an inner buffer for the given counts; 0 when they are negative.
inline size_t T5InnerBytes(int32_t eventCount, int32_t pointCount) {
    if (eventCount < 0 || pointCount < 0) return 0;
    return sizeof(T5Inner) + size_t(eventCount) * sizeof(T5Event) +
           size_t(pointCount) * sizeof(uint16_t);
}

inline T5Event* T5InnerEvents(T5Inner* inner) {
    return reinterpret_cast<T5Event*>(reinterpret_cast<unsigned char*>(inner) + sizeof(T5Inner));
}

inline uint16_t* T5InnerPoints(T5Inner* inner) {
    return reinterpret_cast<uint16_t*>(T5InnerEvents(inner) + inner->eventCount);
}

// The legacy converter's entry points, as the library calls them.
//   DecompTraceToT5: decodes the file bytes into a zero-filled structure and
//     sets the trace kind; 0 on success, any other value is its own status.
//   T5ToCompTrace: encodes the structure in the file format of formatCode,
//     with distUnits the current distance unit; on entry length is the room
//     at output, on success output has advanced past the bytes written.
extern "C" {
typedef int32_t (*T5DecompTraceToT5Fn)(uint8_t*& bytes, int32_t& length, uint32_t createdTime,
                                       uint32_t modifiedTime, int32_t reserved, T5Struct* t5,
                                       int32_t& kind);
typedef int32_t (*T5ToCompTraceFn)(T5Struct* t5, int32_t formatCode, int32_t distUnits,
                                   uint8_t*& output, int32_t& length);
typedef void (*T5FreeFn)(void* inner);
typedef void* (*T5MallocFn)(int32_t bytes);
}
