#include "core/platform/file_access.h"

#include "core/platform/prompt.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace orvane {

namespace {

constexpr char kInstrumentSystemDrive[] = "C:";

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool isReadOnlyFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0;
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
    const std::string temporary = path + ".orvane-tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return T6_FILE_CANNOT_OPEN;
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return T6_FILE_SHORT_WRITE;
    }
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) ::chmod(temporary.c_str(), old.st_mode & 07777);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return T6_FILE_CANNOT_OPEN;
    }
    return T6_FILE_OK;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

void removeFile(const std::string& path) {
    std::remove(path.c_str());
}

} // namespace orvane
