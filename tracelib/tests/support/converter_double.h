// Switches the legacy converter between the test double and none, and reads
// the double's count of inner buffers it has handed out and not got back.
#pragma once

#include "record/ferrowin.h"

#include <dlfcn.h>

#include <cstdint>

namespace varnel::test {

inline void useConverterDouble() {
    ferrowin::useLibraryForTesting(VARNEL_FERROWIN_DOUBLE);
}

inline void useNoConverter() {
    ferrowin::useLibraryForTesting(nullptr);
}

// -1 when the double is not loaded.
inline int32_t liveInnerBuffers() {
    void* handle = dlopen(VARNEL_FERROWIN_DOUBLE, RTLD_NOW | RTLD_NOLOAD);
    if (!handle) return -1;
    auto count = reinterpret_cast<int32_t (*)()>(dlsym(handle, "FerrowinDoubleLiveBuffers"));
    int32_t live = count ? count() : -1;
    dlclose(handle);
    return live;
}

} // namespace varnel::test
