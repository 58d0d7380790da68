// Internal helpers of the legacy T5 route: the trace-kind names and the
// lifetime of a T5 structure (varnel/t5_struct.h).
#pragma once

#include <varnel/t5_struct.h>

#include <cstdint>

namespace varnel::legacy {

inline constexpr int32_t kKindT6 = 14;

// The name a trace kind gives the record's TraceType: "T1" ... "T6" for 1 to
// 14, "?" for any other kind.
const char16_t* traceKindName(int32_t kind);

// The kind of a trace-type name; 0 for a name that is none of them.
int32_t traceKindFromName(const char16_t* name);

// A new zero-filled structure (T6Malloc), or null when memory runs out.
T5Struct* newStructure();

// Releases the structure's inner buffer through the converter and clears it.
void releaseInner(T5Struct* structure);

// Releases the inner buffer, then the structure itself (T6Free).
void releaseStructure(void* structure);

} // namespace varnel::legacy
