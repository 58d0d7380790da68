// Stored preferences are whatever a user or another program left in the INI
// file: every value of the Preferences section is read from the fuzzer's
// texts, and whatever loads must write back and load again unchanged.
#include "core/shell/preferences_store.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const kNames[] = {
    "Distance Units",     "Save Trace Prompt", "Batch Size",
    "Batch Keep Primary", "Radio dB/km",       "dB/km",
    "LossThreshold",      "ReflThreshold",     "EndNthReflCnt",
    "EndNthReflThres",    "TimeFormat",        "DateFormat",
    "NV8FN Format",       "NV8FN Sort",        "P6DBDecimalPlaces",
    "PgmLanguage",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    orvane::MemorySettingsStore store;
    size_t start = 0;
    for (const char* name : kNames) {
        if (start > input.size()) break;
        const size_t end = input.find('\n', start);
        store.writeText(orvane::kPreferencesSection, name, input.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    const orvane::Preferences loaded = orvane::LoadPreferences(store);
    if (loaded.batchSize < 1 || loaded.batchSize > 8 || loaded.endNthReflCnt < 1) std::abort();
    orvane::MemorySettingsStore again;
    orvane::SavePreferences(again, loaded);
    orvane::Preferences reloaded = orvane::LoadPreferences(again);
    // Reals are stored with six decimals: compare what survives that.
    reloaded.dbPerKM = loaded.dbPerKM;
    reloaded.endNthReflThres = loaded.endNthReflThres;
    reloaded.smartTemplate.lossThres = loaded.smartTemplate.lossThres;
    if (!(reloaded == loaded)) std::abort();
    return 0;
}
