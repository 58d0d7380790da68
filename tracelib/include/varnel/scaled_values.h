// Scaled values (kilometres and decibels x 1,000,000 in 32 bits) that their
// field could not hold.
#pragma once

#include <varnel/api.h>

#include <cstdint>

// A scaled value at either end of its range is one the field could not hold
// (a file stated more, or nothing credible): it reads as not available.
VARNEL_API bool T6ScaledIsSaturated(int32_t v);
