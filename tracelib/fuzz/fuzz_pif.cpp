// Reads arbitrary bytes as a print-information file: every record is loaded,
// its values read in every form and, for settings records, restored.
#include "record/settings.h"

#include <varnel/varnel.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string& scratchPath() {
    static const std::string path = "/tmp/varnel_fuzz_pif_" + std::to_string(::getpid());
    return path;
}

void readValues(int32_t type) {
    char16_t text[T6_PIF_MAX_STRING];
    int32_t n = 0;
    double x = 0;
    for (int i = 0; i < 8; ++i) {
        T6PIFRecGet(text);
        T6PIFRecGet(n);
        T6PIFRecGet(x);
    }
    if (type >= 9 && type <= 23) T6PIFSetT6Parms(type);
    if (type == 4) {
        CT6 trace;
        T6PIFRecGet(static_cast<void*>(&trace));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const varnel::Settings saved = varnel::settings();
    if (T6PIFInInit(scratchPath().c_str()) == 0) {
        int32_t type = 0;
        for (int records = 0; records < 64 && T6PIFRecLoad(type) == 0; ++records)
            readValues(type);
    }
    T6PIFInFinal();
    varnel::settings() = saved;
    return 0;
}
