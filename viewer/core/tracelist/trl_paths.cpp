#include "core/tracelist/trl_paths.h"

#include "core/platform/text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace orvane {

namespace {

// How far up from the list's folder, and how long a tail of a stored path,
// a moved trace is looked for: enough for real folder trees, bounded for a
// list of thousands of missing files.
constexpr size_t kMaxFolderLevels = 16;
constexpr size_t kMaxTailParts = 16;

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isDrivePath(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

bool isUncPath(const std::string& path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// "\\server\share" of a UNC path: up to, not including, the separator after
// the share name.
std::string uncRoot(const std::string& path) {
    size_t server = path.find_first_of("\\/", 2);
    if (server == std::string::npos) return path;
    size_t share = path.find_first_of("\\/", server + 1);
    return share == std::string::npos ? path : path.substr(0, share);
}

bool startsWith(const std::string& text, const std::string& prefix, bool ignoreCase) {
    if (text.size() < prefix.size()) return false;
    const std::string_view head(text.data(), prefix.size());
    return ignoreCase ? equalsIgnoringCase(head, prefix) : head == prefix;
}

std::string withSeparator(std::string text, char separator) {
    std::replace_if(text.begin(), text.end(), isSeparator, separator);
    return text;
}

std::string nativeForm(const std::string& path) {
    std::filesystem::path p(withSeparator(path, '/'));
    return p.lexically_normal().string();
}

bool isRegularFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The parts of a stored path after its drive, share or leading separator,
// without "." and "..".
std::vector<std::string> partsOf(const std::string& stored) {
    std::string rest = stored;
    if (isUncPath(rest))
        rest.erase(0, uncRoot(rest).size());
    else if (isDrivePath(rest))
        rest.erase(0, 2);
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = rest.find_first_of("\\/", start);
        if (end == std::string::npos) end = rest.size();
        std::string part = rest.substr(start, end - start);
        if (!part.empty() && part != "." && part != "..") parts.push_back(std::move(part));
        start = end + 1;
    }
    return parts;
}

// A POSIX path whose backslashes may be separators or part of names: the
// reading that names an existing file, folder by folder. Bounded, since each
// backslash doubles the readings.
constexpr size_t kMaxBackslashReadings = 12;

std::string withBackslashNames(const std::string& folder, const std::vector<std::string>& tokens,
                               size_t first) {
    for (size_t last = first; last < tokens.size(); ++last) {
        std::string name = tokens[first];
        for (size_t i = first + 1; i <= last; ++i)
            name += "\\" + tokens[i];
        const std::string path = folder + "/" + name;
        if (last + 1 == tokens.size()) {
            if (isRegularFile(path)) return path;
            continue;
        }
        std::error_code error;
        if (!std::filesystem::is_directory(path, error)) continue;
        if (std::string found = withBackslashNames(path, tokens, last + 1); !found.empty())
            return found;
    }
    return {};
}

// The stored part of a path below its folder ("" for the root).
std::string findWithBackslashNames(const std::string& folder, const std::string& rest) {
    if (std::count(rest.begin(), rest.end(), '\\') > long(kMaxBackslashReadings)) return {};
    std::vector<std::string> tokens;
    size_t start = 0;
    for (size_t cut; (cut = rest.find('\\', start)) != std::string::npos; start = cut + 1)
        tokens.push_back(rest.substr(start, cut - start));
    tokens.push_back(rest.substr(start));
    if (tokens.size() < 2) return {};
    return withBackslashNames(folder, tokens, 0);
}

} // namespace

bool isWindowsAbsolute(const std::string& path) {
    return isDrivePath(path) || isUncPath(path);
}

bool isComputedTraceName(const std::string& path) {
    return path.find_first_of(":\\/") == std::string::npos;
}

ListLocation listLocationOf(const std::string& listPath) {
    ListLocation location;
    const size_t last = listPath.find_last_of("\\/");
    location.directory = last == std::string::npos ? std::string() : listPath.substr(0, last + 1);
    if (isDrivePath(listPath))
        location.root = location.directory.substr(0, 2);
    else if (isUncPath(listPath))
        location.root = uncRoot(listPath);
    return location;
}

std::string storedFormOf(const std::string& path, const ListLocation& location) {
    // Windows paths ignore letter case; POSIX paths do not, and a folder that
    // differs only in case is another folder.
    const bool ignoreCase = isWindowsAbsolute(location.directory) || isWindowsAbsolute(path);
    const std::string& folder = location.directory;
    const std::string& root = location.root;
    std::string stored = path;
    if (!folder.empty() && path.size() > folder.size() && startsWith(path, folder, ignoreCase))
        stored = path.substr(folder.size());
    else if (!root.empty() && path.size() > root.size() && startsWith(path, root, ignoreCase))
        stored = path.substr(root.size());
    return withSeparator(stored, '\\');
}

StoredPathResolver::StoredPathResolver(ListLocation location) : m_location(std::move(location)) {}

ResolvedPath StoredPathResolver::resolve(const std::string& stored) {
    std::string joined;
    if (isWindowsAbsolute(stored))
        joined = stored;
    else if (!stored.empty() && isSeparator(stored[0]))
        joined = m_location.root + stored;
    else
        joined = m_location.directory + stored;

    // A Windows path names nothing here; a POSIX one may exist as it stands.
    const bool foreign = isWindowsAbsolute(joined);
    if (!foreign) {
        std::string native = nativeForm(joined);
        if (isRegularFile(native)) return {native, true};
        // A backslash stored may also be part of a file's name here.
        if (std::string named = withBackslashesInNames(stored); !named.empty())
            return {named, true};
        joined = std::move(native);
    }
    std::string moved = relocated(stored);
    if (!moved.empty()) return {moved, true};
    return {joined, false};
}

std::string StoredPathResolver::withBackslashesInNames(const std::string& stored) const {
    if (stored.find('\\') == std::string::npos) return {};
    if (isSeparator(stored[0])) return findWithBackslashNames("", stored.substr(1));
    std::string folder = m_location.directory.empty() ? "." : m_location.directory;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return findWithBackslashNames(folder, stored);
}

std::string StoredPathResolver::relocated(const std::string& stored) {
    std::vector<std::string> parts = partsOf(stored);
    if (parts.empty()) return {};
    if (parts.size() > kMaxTailParts) parts.erase(parts.begin(), parts.end() - kMaxTailParts);
    if (isWindowsAbsolute(m_location.directory)) return {};

    std::vector<std::string> folders;
    std::string folder = nativeForm(m_location.directory.empty() ? "." : m_location.directory);
    while (folders.size() < kMaxFolderLevels) {
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        folders.push_back(folder);
        const size_t cut = folder.find_last_of('/');
        if (cut == std::string::npos || folder == "/") break;
        folder = cut == 0 ? "/" : folder.substr(0, cut);
    }

    // The longest tail first; a bare file name only beside the list.
    for (size_t first = 0; first < parts.size(); ++first) {
        const bool bareName = first + 1 == parts.size();
        for (const std::string& base : folders) {
            if (bareName && &base != &folders.front()) break;
            const std::string prefix = base == "/" ? "" : base;
            if (!bareName && !directoryExists(prefix + "/" + parts[first])) continue;
            std::string candidate = prefix;
            for (size_t i = first; i < parts.size(); ++i)
                candidate += "/" + parts[i];
            if (isRegularFile(candidate)) return candidate;
        }
    }
    return {};
}

bool StoredPathResolver::directoryExists(const std::string& path) {
    auto known = m_directories.find(path);
    if (known != m_directories.end()) return known->second;
    std::error_code error;
    const bool exists = std::filesystem::is_directory(path, error);
    m_directories.emplace(path, exists);
    return exists;
}

} // namespace orvane
