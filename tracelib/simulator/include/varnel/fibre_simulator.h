// A small OTDR simulator for tests, samples and benchmarks: it turns a few
// lines describing a fibre into a CT6 trace record and reports the truth
// (event positions, losses, reflectances) that the trace was built from.
//
// Physics, in the order the simulator applies it:
// - Levels are on the OTDR 5·log10 scale: a one-way loss of x dB lowers the
//   trace by x dB, and the linear power behind a level L is 10^(L / 5).
// - Backscatter starts at `launchLevelDB` at 0 km and falls with each
//   section's attenuation and each event's loss (a negative loss is a gainer).
//   Beyond the fibre end there is no backscatter.
// - The trace is that backscatter averaged over one pulse (a rectangular pulse
//   of PP = pulse width / (10 ns per metre × resolution) points, rounded): an
//   event's step becomes a ramp of PP points that starts at the event. Each
//   pulse segment uses its own width, preamplifier and receiver limits.
// - A reflection of reflectance R adds, over the PP points from its position,
//   the linear power P_bs × 10^((R − bs) / 10) / w, where P_bs is the
//   backscatter just before it, bs the backscatter coefficient (1 ns pulse) and
//   w the pulse width in ns: the inverse of the reflectance formula
//   R = bs + 10·log10(w × (10^(h / 5) − 1)) for a height of h dB.
// - When `recoveryKM` is non-zero every reflection leaves an exponential tail
//   of that decay length (the receiver recovering, which is what makes the
//   launch dead zone).
// - Receiver noise of mean power Pn = 10^(noiseFloorDB / 5) is added in
//   linear power, so the trace's scatter grows as it sinks toward the noise
//   floor. Each point's noise is Pn × |(1 − s) + s·sqrt(pi/2)·g| for a Gaussian
//   g drawn from `seed` and s = `noiseSpread`: 0 gives an exactly flat floor,
//   small spreads a Gaussian scatter of relative deviation s·sqrt(pi/2), and 1
//   the rectified Gaussian of a real receiver, whose floor often reads 0.
// - The receiver compresses above its clamping level (half the excess comes
//   through) and saturates at its saturation level: the dynamic range for the
//   long-range preamplifier (type 1); for other preamplifiers clamping starts
//   3 dB below the dynamic range and saturation is 0.5 dB below it for pulses
//   of 50 ns and more, 2 dB below it for shorter ones. Long-range clamping
//   starts 0.5 dB below the dynamic range.
// - Data values are levels × scale factor, rounded and held in 0 … 65535.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <vector>

namespace varnel::sim {

struct FibreSection {
    double lengthKM = 1.0;
    double attenDBKM = 0.33;
};

struct FibreEvent {
    double positionKM = 0.0;    // from 0 km
    double lossDB = 0.0;        // one-way; negative for a gainer
    double reflectanceDB = 0.0; // 0 for a non-reflective event
};

// A stretch of the trace taken with another pulse width, from startKM to the
// next segment's start. The record gets the first segment only (its
// interface holds one; file readers fill more): the result lists them all.
struct PulseSegment {
    double startKM = 0.0;
    int32_t widthNS = 1000;
    int32_t preampType = 1;
};

struct FibreDescription {
    // Acquisition
    double resolutionM = 1.0;
    double indexOfRefraction = 1.4677;
    double backscatterDB = -79.0; // coefficient for a 1 ns pulse
    double wavelengthNM = 1310.0;
    int32_t fiberMode = 1; // 1 single-mode, 0 multimode
    int32_t pointCount = 16384;
    int32_t scaleFactor = 1000; // data values per dB
    int32_t zeroKMPoint = 0;    // data point of 0 km; earlier points hold noise only
    int32_t pulseNS = 100;
    int32_t preampType = 1;                // 1 long range, 2 high resolution
    std::vector<PulseSegment> laterPulses; // further pulse segments, in order

    // Receiver
    double dynamicRangeDB = 30.0;
    double launchLevelDB = 26.0; // backscatter level at 0 km
    double noiseFloorDB = 1.5;   // level of the mean noise power
    double noiseSpread = 0.0;    // 0 steady … 1 fully random, see above
    uint32_t seed = 1;

    // Fibre: sections laid end to end from 0 km; the fibre ends after the last.
    std::vector<FibreSection> sections = {FibreSection{}};
    std::vector<FibreEvent> events;   // strictly inside the fibre, any order
    double launchReflectanceDB = 0.0; // front connector at 0 km; 0 for none
    double endReflectanceDB = -14.0;  // 0 for a non-reflective end
    double recoveryKM = 0.0;

    // Record
    bool linearSamples = false; // hold linear samples, as a fresh acquisition does
    bool eventTable = true;     // write launch, events and end into the event table
};

struct TrueEvent {
    int32_t type = T6_EVENT_NON_REFLECTIVE;
    double positionKM = 0.0;
    double lossDB = 0.0;
    double reflectanceDB = 0.0; // 0: no reflection
    double levelBeforeDB = 0.0; // backscatter just before the event, noise-free
    double peakDB = 0.0;        // level the reflection would reach without receiver limits
    bool clamped = false;       // the peak reaches the clamping level
    bool saturated = false;     // the peak reaches the saturation level
};

// One pulse segment as the record's pulse-width table holds it.
struct PulseEntry {
    int32_t startDP = 0;
    int32_t widthNS = 0;
    int32_t preampType = 0;
};

struct SimulatedFibre {
    std::vector<TrueEvent> events; // launch, the events by position, the end
    double endKM = 0.0;
    double dxKM = 0.0; // point spacing
    int32_t pointsPerPulse = 1;
    double clampDB = 0.0; // receiver limits
    double saturationDB = 0.0;
    std::vector<PulseEntry> pulses; // every pulse segment, the first at point 0
    std::vector<double> levelDB;    // the trace as simulated, before quantisation
};

// Builds the trace into `record` (which is re-initialised first).
SimulatedFibre simulateFibre(const FibreDescription& fibre, CT6& record);

// Optical return loss of the stretch fromKM … toKM computed from the
// description alone: backscatter integrated over the sections plus the
// reflections inside the stretch, relative to the light launched at 0 km
// (relToOrigin) or arriving at fromKM.
double analyticORLDB(const FibreDescription& fibre, double fromKM, double toKM, bool relToOrigin);

// Backscatter level (noise-free, no reflections, not averaged over the pulse)
// just after position km.
double backscatterLevelDB(const FibreDescription& fibre, double km);

// A plain fibre: one section of `lengthKM` at `attenDBKM` with the given
// points, resolution and pulse, launch level 26 dB, noise floor 1.5 dB.
FibreDescription plainFibre(double lengthKM, double attenDBKM, int32_t pointCount = 16384,
                            double resolutionM = 1.0, int32_t pulseNS = 100);

} // namespace varnel::sim
