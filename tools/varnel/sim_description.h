// Simulated-trace descriptions in JSON: the fibre (acquisition, receiver,
// sections, events) and the trace header, and the truth the simulator reports.
//
// A description is one JSON object. "include" names another description
// (relative to this one's folder) that this one is laid over key by key, so a
// cable's fibres can share their common part. Keys (all optional):
//   fibre: resolutionM, indexOfRefraction, backscatterDB, wavelengthNM,
//     fiberMode (1 SM, 0 MM), pointCount, scaleFactor, zeroKMPoint, pulseNS,
//     preampType (1 long range, 2 high resolution), dynamicRangeDB,
//     launchLevelDB, noiseFloorDB, noiseSpread (0..1), seed, sections
//     [{lengthKM, attenDBKM}], events [{positionKM, lossDB, reflectanceDB}],
//     launchReflectanceDB, endReflectanceDB, recoveryKM, eventTable
//   header: {manufacturer, model, opticsModule, fiberNumber, cableID, siteA,
//     siteB, dateTime "YYYY-MM-DD HH:MM:SS", averages}
#pragma once

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace varnel::cli {

// Raised for a description that cannot be read or is out of range.
struct DescriptionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the file and every file it includes, merged.
nlohmann::ordered_json loadDescription(const std::string& path);

// The simulator's description; range checks keep the simulator's arithmetic
// and memory sane.
varnel::sim::FibreDescription fibreFromJson(const nlohmann::ordered_json& description);

// Sets the header fields named under "header" (and the nominal range).
void applyHeader(const nlohmann::ordered_json& description,
                 const varnel::sim::FibreDescription& fibre, CT6& record);

nlohmann::ordered_json truthToJson(const varnel::sim::SimulatedFibre& truth);

} // namespace varnel::cli
