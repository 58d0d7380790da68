// How a trace list stores its paths: relative to the list's folder where it
// can, else relative to the root of the list's drive or share, else in full,
// always with '\' separators as the lists of other installations hold them.
// Reading finds files again when a list and its traces moved together, also
// from a Windows machine (drive letters, UNC roots) to this one.
#pragma once

#include <string>
#include <unordered_map>

namespace orvane {

struct ListLocation {
    // The list file's folder, up to and including its last separator.
    std::string directory;
    // "C:" or "\\server\share" for Windows paths; empty for a POSIX path,
    // whose root is "/" itself.
    std::string root;
};

ListLocation listLocationOf(const std::string& listPath);

// A drive-letter or UNC path ("C:\...", "\\server\share\...").
bool isWindowsAbsolute(const std::string& path);

// A trace made by a calculation, named without any folder: not stored in
// list files.
bool isComputedTraceName(const std::string& path);

// The form stored in the list for a trace's path.
std::string storedFormOf(const std::string& path, const ListLocation& location);

struct ResolvedPath {
    std::string path;
    bool found = false;
};

// Turns stored forms back into paths. A path that does not exist as stored
// is looked for under the list's folder and the folders above it, the
// longest tail of the stored path first; when nothing is found the stored
// meaning is kept and the path reported not found.
class StoredPathResolver {
public:
    explicit StoredPathResolver(ListLocation location);

    ResolvedPath resolve(const std::string& stored);

private:
    std::string relocated(const std::string& stored);
    std::string withBackslashesInNames(const std::string& stored) const;
    bool directoryExists(const std::string& path);

    ListLocation m_location;
    std::unordered_map<std::string, bool> m_directories;
};

} // namespace orvane
