#include "core/platform/file_access.h"

#include "core/platform/prompt.h"

#include <varnel/file_io.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace orvane {

namespace {

constexpr char kInstrumentSystemDrive[] = "C:";

// The name the operating system is asked about.
std::string systemName(const std::string& path) {
    return varnel::systemPath(libraryPath(path).c_str());
}

} // namespace

std::u16string libraryPath(const std::string& path) {
    return varnel::utf16Path(path);
}

bool isReadOnlyFile(const std::string& path) {
    const std::string name = systemName(path);
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(name.c_str(), W_OK) != 0;
}

std::string accessDeniedText(const std::string& what) {
    return "Access to " + what + " was denied.";
}

bool isWriteDenied(const std::string& path, bool onInstrument) {
    if (onInstrument && !path.empty() && (path[0] == 'C' || path[0] == 'c')) {
        tellFailure("", accessDeniedText(kInstrumentSystemDrive));
        return true;
    }
    if (isReadOnlyFile(path)) {
        tellFailure("", accessDeniedText(path));
        return true;
    }
    return false;
}

int32_t replaceFileContents(const std::string& path, std::span<const uint8_t> bytes) {
    return varnel::replaceFile(libraryPath(path).c_str(), bytes);
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(systemName(path).c_str(), &info) == 0;
}

void removeFile(const std::string& path) {
    std::remove(systemName(path).c_str());
}

} // namespace orvane
