// The names and texts that event editing shows: event types as the viewer
// names them (a questionable end is a type of its own here), loss modes, the
// event window's lines and the messages of every refusal.
#pragma once

#include "core/trace/trace_doc.h"

#include <optional>
#include <string>

namespace orvane {

// The viewer's type of an event: the record's type, or the questionable end
// for an end event that is questionable.
int32_t viewerEventType(const CT6& record, int32_t i);
const char* eventTypeName(int32_t viewerType);
const char* lossModeName(int32_t lossMode);

// A field value with two decimals, as the dialog and the window show it.
std::string twoDecimals(double value);
// A distance in the current unit as the library formats it, without label.
std::string distanceText(double valueInCurrentUnit);
// The whole text read as a number; nothing for an empty or partial one.
std::optional<double> readNumber(const std::string& text);

// What the event window shows for one event, or for none.
struct EventWindowText {
    bool selected = false;
    std::string number; // "No Event Selected" without a selection
    std::string type;
    std::string loss;
    std::string refl;
    std::string comment;
};
EventWindowText eventWindowText(const CTraceDoc* doc, int32_t i);

// The edit dialog's read-only text beside the reflectance.
std::string eventOriginText(int32_t lossMode, uint32_t flags);

inline constexpr int32_t kEventCommentRoom = 61;

inline constexpr char kNoEventSelected[] = "No Event Selected";
inline constexpr char kEndEventUndeletable[] = "The End Event can not be deleted!";
inline constexpr char kConfirmEventDelete[] = "Are you sure you would like to delete this event?";
inline constexpr char kInsertNeedsLossMode[] =
    "You must be in Splice Loss or 2-Point Attenuation Corrected \nLoss Mode in order to Insert "
    "an event.";
inline constexpr char kPasteNeedsLossMode[] =
    "You must be in Splice Loss or 2-Point Attenuation Corrected \nLoss Mode to paste the "
    "current measurement.";
inline constexpr char kPasteNotPrimaryOrOverlay[] =
    "Paste requested for a Trace which is not Primary and not Overlay.";
inline constexpr char kPasteFlippedLossMode[] =
    "Can only paste Splice Loss and 2-Point Atn. Cor. events into a flipped Overlay Trace.";
inline constexpr char kPasteFlippedReflectance[] =
    "Can't paste a manual refectance loss into a flipped Overlay Trace.";
inline constexpr char kPasteNeedsCursors[] =
    "Place cursors A and B to paste the current measurement.";
inline constexpr char kDistanceBelowZero[] = "Distance less than 0 .";
inline constexpr char kDistanceAtLaunch[] = "Distance at or before launch.";
inline constexpr char kDistancePastEnd[] = "Distance past end event or last data point.";
inline constexpr char kEndBeforeStart[] = "End distance less than start.";
inline constexpr char kEventsOverlap[] = "Start/End Distance overlaps another event.";
inline constexpr char kCommentTooLong[] = "Comment field limited to %2d characters.";
// Fields that do not read as numbers, or lie outside their range. The loss
// range depends on the trace: its numbers follow on a second line, so that
// the first line is translated as a whole.
inline constexpr char kDistanceNotNumber[] = "Distance must be a number.";
inline constexpr char kLossNotNumber[] = "Loss must be a number.";
inline constexpr char kReflectanceNotNumber[] = "Reflectance must be a number.";
inline constexpr char kReflectanceOutOfRange[] = "Reflectance must be between -100 and 0 dB.";
inline constexpr char kLossOutOfRange[] =
    "Loss must lie within the trace's dynamic range:\n%.2f to %.2f dB";

} // namespace orvane
