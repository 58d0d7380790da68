// Steps of the event analysis that need only the record's public operations.
#pragma once

#include "analysis/fas_run.h"

#include <varnel/varnel.h>

#include <cstdint>

namespace varnel {

// The fibre after the launch that its level is fitted over, at most.
inline constexpr int32_t kLaunchFitMaxPoints = 1000;

// Distance of a whole data point.
double kmAt(CT6& record, int32_t dp);
// Distance of a position given as a point index with halves (dp2 / 2).
double kmAtHalf(CT6& record, int32_t dp2);
// Two-point loss from a to b corrected for the fibre attenuation; 0 without a value.
double correctedTwoPointLossDB(CT6& record, int32_t a, int32_t b);

// Heights of the rising runs from the first point to the noise floor.
void buildRiseMap(CT6::FASRun& run);
// Every remaining position of the filter output becomes a non-reflective candidate.
void addNonReflectiveCandidates(CT6::FASRun& run);
// The filter output is cleared inside every candidate found so far.
void clearInsideCandidates(CT6::FASRun& run);
// Slope-change outputs below the noise threshold of their stretch are cleared.
void applyNoiseThreshold(CT6::FASRun& run);
// Under a horizon: drops the candidates past what every step knows, and a
// last non-reflective one whose extent search could run into them.
void keepKnownCandidates(CT6::FASRun& run);
// The earliest start FindNonReflStart can give a non-reflective candidate
// found at `from` or after, behind a candidate ending at prevEnd.
int32_t earliestStartFrom(const CT6::FASRun& run, int32_t from, int32_t prevEnd);
// The last start of a candidate the launch absorbs.
int32_t launchZoneEnd(const CT6::FASRun& run);
// Adjacent non-reflective candidates merge into groups.
void formGroups(CandidateArray& candidates);
// Candidates within the launch's pulse are absorbed into the launch.
void absorbLaunchZone(CT6::FASRun& run);

} // namespace varnel
