#include "record/t5_structure.h"

#include "record/ferrowin.h"

#include <varnel/varnel.h>

#include <cstring>

namespace varnel::legacy {

T5Struct* newStructure() {
    void* memory = T6Malloc(T5_STRUCT_BYTES);
    if (memory) std::memset(memory, 0, T5_STRUCT_BYTES);
    return static_cast<T5Struct*>(memory);
}

void releaseInner(T5Struct* structure) {
    if (!structure || !structure->inner) return;
    ferrowin::release(structure->inner);
    structure->inner = nullptr;
    structure->innerBytes = 0;
}

void releaseStructure(void* structure) {
    releaseInner(static_cast<T5Struct*>(structure));
    T6Free(structure);
}

} // namespace varnel::legacy

void CT6::releaseT5Struct() {
    varnel::legacy::releaseStructure(m_t5.structure);
    m_t5.structure = nullptr;
}
