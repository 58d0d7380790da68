// Helpers shared by the event-table sources.
#pragma once

#include <cstdint>
#include <span>

namespace varnel {

// Modification-flag bit of every event-table edit.

// Mean of the values after dropping one largest and one smallest. Fewer than
// three values cannot be trimmed and give their plain mean; none give
// T6_NO_VALUE.
double trimmedMean(std::span<const int32_t> values);

} // namespace varnel
