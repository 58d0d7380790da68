#include "core/shell/instrument.h"

#include <dlfcn.h>

#include <cstdint>

namespace orvane {

bool askInstrumentLibrary(const std::string& libraryPath) {
    void* library = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    using IsJackBoard = int32_t (*)();
    auto ask = reinterpret_cast<IsJackBoard>(::dlsym(library, kInstrumentExport));
    const bool onInstrument = ask && ask() != 0;
    ::dlclose(library);
    return onInstrument;
}

bool detectInstrument(const std::string& programDirectory) {
    if (!programDirectory.empty() &&
        askInstrumentLibrary(programDirectory + "/" + kInstrumentLibrary))
        return true;
    return askInstrumentLibrary(kInstrumentLibrary);
}

} // namespace orvane
