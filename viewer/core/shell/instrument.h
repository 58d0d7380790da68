// Whether the program runs on the test instrument: the instrument's own
// library (Calveth) is loaded by name and asked. Elsewhere it is absent and
// the program is a desktop program.
#pragma once

#include <string>

namespace orvane {

inline constexpr char kInstrumentLibrary[] = "libCalveth.so";
inline constexpr char kInstrumentExport[] = "IsJackBoard";

// Looks beside the program first, then where the system finds libraries.
bool detectInstrument(const std::string& programDirectory);
// One library file: true when it loads, has the export and that says so.
bool askInstrumentLibrary(const std::string& libraryPath);

} // namespace orvane
