// Bit values of the record's modification-flag word and trace-flag word.
#pragma once

#include <cstdint>

namespace varnel {

namespace ModFlag {
inline constexpr uint32_t Shift = 2;
inline constexpr uint32_t ORL = 4;
inline constexpr uint32_t SpanIOR = 8;
inline constexpr uint32_t SpanBackScatter = 16;
inline constexpr uint32_t Events = 32;
inline constexpr uint32_t ViewMode = 128;
inline constexpr uint32_t View = 256;
inline constexpr uint32_t Cursors = 512;
inline constexpr uint32_t LossMode = 1024;
inline constexpr uint32_t LSACursors = 2048;
inline constexpr uint32_t Analysis = 4096;
inline constexpr uint32_t HeaderPages = 8192;
inline constexpr uint32_t DataPoints = 16384;
} // namespace ModFlag

namespace TraceFlag {
inline constexpr uint32_t TwoWayAvg = 0x1;
inline constexpr uint32_t ABLocked = 0x2;
inline constexpr uint32_t Aborted = 0x4;
inline constexpr uint32_t Attenuated = 0x8;
inline constexpr uint32_t AutoMode = 0x10;
inline constexpr uint32_t Clamped = 0x20;
inline constexpr uint32_t DeltaCompare = 0x40;
inline constexpr uint32_t ORLLessThan = 0x200;
inline constexpr uint32_t ORLRelToA = 0x400;
inline constexpr uint32_t ORLSaturated = 0x800;
inline constexpr uint32_t ORLAvailable = 0x1000;
inline constexpr uint32_t Recalled = 0x2000;
inline constexpr uint32_t UserSmoothed = 0x4000;
inline constexpr uint32_t Template = 0x8000;
inline constexpr uint32_t ORLSTFM = 0x10000;
inline constexpr uint32_t ORLCopied = 0x20000;
inline constexpr uint32_t EverSmoothed = 0x40000;
inline constexpr uint32_t FiberFill = 0x80000;
} // namespace TraceFlag

} // namespace varnel
