// Internal helpers of the legacy T5 route: the trace-kind names; the
// structure's lifetime is the record's (record/t5_structure.h).
#pragma once

#include "record/t5_structure.h"

#include <varnel/t5_struct.h>

#include <cstdint>

namespace varnel::legacy {

inline constexpr int32_t kKindT6 = 14;

// The name a trace kind gives the record's TraceType: "T1" ... "T6" for 1 to
// 14, "?" for any other kind.
const char16_t* traceKindName(int32_t kind);

// The kind of a trace-type name; 0 for a name that is none of them.
int32_t traceKindFromName(const char16_t* name);

} // namespace varnel::legacy
