// The traces a splice-loss wizard runs on, sorted by direction and fibre
// from their decoded names, and the checks that they form one cable's set.
#pragma once

#include "core/bidir/trace_name.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvane::bidir {

inline constexpr char kOneLocationText[] =
    "Only have 1 location : %s\n\nCheck the selected filenames and the Filename Convention.";
inline constexpr char kThreeLocationsText[] = "Have at least 3 locations : %s, %s, %s\n\nCheck "
                                              "the selected filenames and the Filename Convention.";
inline constexpr char kTwoFromText[] = "Have at least 2 From Locations.";
inline constexpr char kTwoToText[] = "Have at least 2 To Locations.";
inline constexpr char kOneFromText[] = "Only 1 From Location.";
inline constexpr char kOneToText[] = "Only 1 To Location.";
inline constexpr char kNoTracesText[] = "No traces from %s to %s.";
inline constexpr char kSameFiberText[] = "2 traces with the same Fiber Number : %.3d.";
inline constexpr char kWavelengthsText[] =
    "2 traces with different wavelengths indicated in filename  : %s   %s.";
inline constexpr char kNoPairText[] = "No Bi-Directional pair of traces for fiber number %.3d.";
inline constexpr char kContinueText[] = "Do you want to continue?";

// One direction of the cable: its traces (indices into the wizard's input)
// by fibre number.
struct CableDirection {
    std::string from;
    std::string to;
    std::string wavelength;
    std::map<int32_t, std::size_t> traceOfFiber;
};

struct CableSet {
    std::vector<CableDirection> directions; // A->B, then B->A when bi-directional
};

struct CableSetResult {
    std::optional<CableSet> set;
    std::string message; // the refusal when there is no set
};

// Sorts the decoded names into directions and runs the set checks in their
// order; the first that fails gives the message.
CableSetResult BuildCableSet(const std::vector<DecodedTraceName>& names, bool oneDirectional);

} // namespace orvane::bidir
