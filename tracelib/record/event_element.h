// The event element: one fixed 240-byte block per event. Snapshots taken with
// EVCopy are these blocks verbatim, so the layout is pinned by the asserts
// below; every padding byte is a named member so that a zeroed element copies
// out as zeros.
#pragma once

#include <varnel/varnel.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>

struct CT6::EVElement {
    int32_t Type;    // event type code, T6_EVENT_...
    int32_t StartDP; // start position; every FR is a fraction of a point in 1/65536
    uint16_t StartFR;
    uint16_t Pad0;     // keeps each DP on a 4-byte boundary
    int32_t RiseEndDP; // end of a reflection's rising edge
    uint16_t RiseEndFR;
    uint16_t Pad1;
    int32_t FallStartDP; // start of the falling edge (the peak of a reflection)
    uint16_t FallStartFR;
    uint16_t Pad2;
    int32_t EndDP; // end position
    uint16_t EndFR;
    uint16_t Pad3;
    int32_t Loss;              // scaled dB
    int32_t Refl;              // scaled dB; 0 means no reflectance
    uint32_t Flags;            // T6_EVFLAG_... bits
    int32_t Reserved;          // carried by the native file only
    int32_t LossMode;          // loss mode the loss was measured with
    int32_t Further[5];        // carried by the native file only
    int32_t LSAStartOffDP[2];  // least-squares segments, [0] side A, [1] side B,
    uint16_t LSAStartOffFR[2]; // as DP/FR offsets from the start
    int32_t LSAEndOffDP[2];
    uint16_t LSAEndOffFR[2];
    char16_t Comment[62]; // at most 61 characters and the terminator
    int32_t Spare[4];     // unused tail up to the element size
};

namespace varnel {

using EventElement = CT6::EVElement;

inline constexpr int32_t kEventElementBytes = 240;
inline constexpr int32_t kEventCommentCapacity = 61;
inline constexpr int32_t kEventMinCapacity = 64;
inline constexpr int32_t kEventGrowth = 10;

// Side index of the least-squares offset arrays.
inline constexpr int kSideA = 0;
inline constexpr int kSideB = 1;

static_assert(std::is_standard_layout_v<EventElement>);
static_assert(std::is_trivially_copyable_v<EventElement>);
static_assert(sizeof(EventElement) == kEventElementBytes);
static_assert(offsetof(EventElement, Type) == 0);
static_assert(offsetof(EventElement, StartDP) == 4);
static_assert(offsetof(EventElement, StartFR) == 8);
static_assert(offsetof(EventElement, RiseEndDP) == 12);
static_assert(offsetof(EventElement, RiseEndFR) == 16);
static_assert(offsetof(EventElement, FallStartDP) == 20);
static_assert(offsetof(EventElement, FallStartFR) == 24);
static_assert(offsetof(EventElement, EndDP) == 28);
static_assert(offsetof(EventElement, EndFR) == 32);
static_assert(offsetof(EventElement, Loss) == 36);
static_assert(offsetof(EventElement, Refl) == 40);
static_assert(offsetof(EventElement, Flags) == 44);
static_assert(offsetof(EventElement, Reserved) == 48);
static_assert(offsetof(EventElement, LossMode) == 52);
static_assert(offsetof(EventElement, Further) == 56);
static_assert(offsetof(EventElement, LSAStartOffDP) == 76);
static_assert(offsetof(EventElement, LSAStartOffFR) == 84);
static_assert(offsetof(EventElement, LSAEndOffDP) == 88);
static_assert(offsetof(EventElement, LSAEndOffFR) == 96);
static_assert(offsetof(EventElement, Comment) == 100);
static_assert(offsetof(EventElement, Spare) == 224);

} // namespace varnel
