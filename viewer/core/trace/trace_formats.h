// The trace format table: the trace-type names the library gives a record,
// indexed 0-15, which of them can be written and how, and the choices of the
// Save As dialog.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Indexes of the trace format table.
enum TraceFormat : int32_t {
    kFormatUnknown = 0, // "?": nothing was read
    kFormatT1 = 1,
    kFormatT2 = 2,
    kFormatT3 = 3,
    kFormatT4 = 4,
    kFormatT5 = 5,
    kFormatGR196 = 6,
    kFormatAnritsu = 7,
    kFormatTekWfm = 8,
    kFormatR90 = 9,
    kFormatR90Min = 10,
    kFormatR90Max = 11,
    kFormatZQ4100 = 12,
    kFormatZQ3100 = 13,
    kFormatNative = 14,
    kFormatSR4731 = 15,
};

inline constexpr int32_t kTraceFormatCount = 16;

// How a format is written.
enum class FormatWriter {
    None,   // cannot be written
    Native, // the library's "<T6>" encoder
    SR4731, // SR-4731 issue 2
    GR196,  // SR-4731 issue 1, or the legacy route for a trace that came through it
    Legacy, // the legacy converter (Ferrowin)
};

struct TraceFormatRow {
    std::u16string_view typeName;
    FormatWriter writer;
};

const TraceFormatRow& traceFormatRow(int32_t format);
std::string traceFormatName(int32_t format);

// The index of the record's trace type among rows 1-15; a type that is none
// of them counts as native.
int32_t traceFormatOf(const CT6& record);
bool isWritableFormat(int32_t format);

// The Save As dialog's file types, in the dialog's order (position 1-10).
struct SaveChoice {
    const char* label;
    int32_t code; // the choice code SelectSaveFormat takes
};

inline constexpr int32_t kSaveChoiceCount = 10;
const SaveChoice& saveChoiceAt(int32_t position);
// Position of a choice code, 0 when there is none.
int32_t savePositionOf(int32_t code);

// Choice codes.
inline constexpr int32_t kChoiceOriginal = 1;
inline constexpr int32_t kChoiceWfm = 5;
inline constexpr int32_t kChoiceR90 = 6;
inline constexpr int32_t kChoiceR90Min = 7;
inline constexpr int32_t kChoiceR90Max = 8;

// The format a choice code writes; "Original" writes the loaded format.
int32_t saveFormatForChoice(int32_t code, int32_t loadedFormat);

} // namespace orvane
