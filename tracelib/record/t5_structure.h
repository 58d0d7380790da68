// The lifetime of a legacy T5 structure (varnel/t5_struct.h): the record owns
// an attached one, and its inner buffer belongs to the converter that
// allocated it.
#pragma once

#include <varnel/t5_struct.h>

namespace varnel::legacy {

// A new zero-filled structure (T6Malloc), or null when memory runs out.
T5Struct* newStructure();

// Releases the structure's inner buffer through the converter and clears it.
void releaseInner(T5Struct* structure);

// Releases the inner buffer, then the structure itself (T6Free).
void releaseStructure(void* structure);

} // namespace varnel::legacy
