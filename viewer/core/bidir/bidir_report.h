// The bi-directional report of one fibre: the events of a trace taken from
// each end set side by side, paired by their distance from A's start, with
// the splice loss averaged over the sides that measured it.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::bidir {

inline constexpr int32_t kUnpaired = -1;
inline constexpr std::size_t kMaxBiDirRows = 500;

struct BiDirSettings {
    double corrPercent = 2.0;     // "CorrPercent"
    double patchCordKM = 0.200;   // "StartPatchCordDis"
    double hiLoss1DirDB = 0.300;  // "HiLoss1Dir"
    double hiLossBiDirDB = 0.200; // "HiLossBiDir"
};

struct BiDirPairing {
    std::vector<int32_t> partnerOfA; // per A event: the B event, or kUnpaired
    std::vector<int32_t> partnerOfB; // per B event: the A event, or kUnpaired
    int32_t firstA = 1, lastA = 0, firstB = 1, lastB = 0;
};

BiDirPairing PairBiDirEvents(const CT6& a, const CT6& b, const BiDirSettings& settings);

// One row of the report: an event of A, of B, or both.
struct BiDirRow {
    int32_t a = kUnpaired;
    int32_t b = kUnpaired;
};
std::vector<BiDirRow> BiDirRows(const CT6& a, const CT6& b, const BiDirPairing& pairing);

// The "|"-separated row texts under the report's headings.
std::vector<std::string> BiDirReportLines(const CT6& a, const CT6& b,
                                          const BiDirSettings& settings);

// The same rows for a trace taken from one end only: its events with the
// other side blank.
std::vector<std::string> OneDirReportLines(const CT6& a, const BiDirSettings& settings);

} // namespace orvane::bidir
