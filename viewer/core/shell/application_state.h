// What the application object holds for the whole run besides the windows:
// the preferences, whether it runs on the instrument, the busy flag and the
// current trace list. One per process, used on the user-interface thread.
#pragma once

#include "core/shell/preferences.h"

#include <string>

namespace orvane {

class Document;

inline constexpr int kMaxDisplayedTraces = 8;
// The instrument model named in messages until something renames it.
inline constexpr char kDefaultModelName[] = "Brannic 77";

struct ApplicationState {
    Preferences preferences;
    bool onInstrument = false;
    // Set while long work runs: saving and preferences are refused meanwhile.
    bool busy = false;
    Document* currentTraceList = nullptr;
    // The folder of the program file (language files lie there).
    std::string programDirectory;
    std::string modelName = kDefaultModelName;
};

ApplicationState& application();

} // namespace orvane
