// The record's event types, event flag bits and modification bits that the
// bi-directional tools read and write, named in one place.
#pragma once

#include <cstdint>

namespace orvane::bidir {

inline constexpr int32_t kEventLaunch = 0;
inline constexpr int32_t kEventReflective = 1;
inline constexpr int32_t kEventNonReflective = 2;
inline constexpr int32_t kEventGroup = 3;
inline constexpr int32_t kEventEnd = 4;

inline constexpr uint32_t kEventFromTemplate = 0x00010000;
inline constexpr uint32_t kEventMarkedForDeletion = 0x00100000;
inline constexpr uint32_t kEventLossUnknown = 0x04000000;

inline constexpr uint32_t kModEvents = 0x20;
inline constexpr uint32_t kModDataPoints = 0x4000;

// Loss modes stored per event.
inline constexpr int32_t kLossModeSplice = 0;
inline constexpr int32_t kLossModeTwoPointAtnCor = 6;

} // namespace orvane::bidir
