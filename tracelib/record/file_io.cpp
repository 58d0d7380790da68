// Reading whole files: regular files of a trace's size only.
#include <varnel/codes.h>
#include <varnel/file_io.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace varnel {

namespace {

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

const char* kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

std::string refusalOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
    if (!S_ISREG(info.st_mode))
        return std::string("not a regular file (") + kindOf(info.st_mode) + ")";
    if (info.st_size > kLargestTraceFileBytes)
        return std::string("larger than ") + kLargestTraceFileText +
               ", more than any trace file holds";
    return {};
}

// Opens without waiting: a FIFO with no writer would otherwise block for
// ever. Regular files ignore the flag, which is cleared for the reads.
int openWithoutWaiting(const std::string& name) {
    int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fd;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace

std::string readRefusal(const char16_t* path) {
    struct stat info {};
    const std::string name = systemPath(path);
    if (::stat(name.c_str(), &info) != 0) return std::strerror(errno);
    std::string refusal = refusalOf(info);
    if (refusal.empty() && ::access(name.c_str(), R_OK) != 0) refusal = std::strerror(errno);
    return refusal;
}

int32_t readWholeFile(const char16_t* path, std::vector<uint8_t>& bytes) {
    const std::string name = systemPath(path);
    if (name.empty()) return T6_FILE_CANNOT_OPEN;
    FileHandle file(openWithoutWaiting(name));
    if (file.get() < 0) return T6_FILE_CANNOT_OPEN;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !refusalOf(info).empty()) return T6_FILE_CANNOT_OPEN;
    const size_t size = static_cast<size_t>(info.st_size);
    try {
        bytes.assign(size, 0);
    } catch (const std::bad_alloc&) {
        return T6_FILE_NO_MEMORY;
    }
    size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(file.get(), bytes.data() + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    return got < size ? T6_FILE_SHORT_READ : T6_FILE_OK;
}

} // namespace varnel
