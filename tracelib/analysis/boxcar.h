// Width of the box-car smoothing window.
#pragma once

#include <cstdint>

namespace varnel {

// Samples averaged: a tenth of 0.7 pulse lengths in points (resolution taken
// at most 4 m), at most 256, and 8 when that comes below 9.
int32_t boxCarWidth(double pulseM, double resolutionM);

} // namespace varnel
