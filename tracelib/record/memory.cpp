// Allocation through the library, so callers can release what it handed out.
#include <varnel/varnel.h>

#include "record/ferrowin.h"

#include <cstdlib>

void* T6Malloc(int32_t bytes) {
    return bytes < 0 ? nullptr : std::malloc(bytes ? bytes : 1);
}

void T6Free(void* p) {
    std::free(p);
}

void* T6Realloc(void* p, int32_t bytes) {
    if (bytes < 0) return nullptr;
    return std::realloc(p, bytes ? bytes : 1);
}

void T5FreeViaT6(void* p) {
    if (p) varnel::ferrowin::release(p);
}

int32_t T6MallocTest() {
    return -1;
}

const char* T6GetBuildDateTime() {
    return "libvarnel.so : " __DATE__ " : " __TIME__;
}
