#include "formats/file_io.h"

#include <varnel/codes.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace varnel {

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | c >> 6));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | c >> 12));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | c >> 18));
        out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

// Every chunk goes through write() until done or an error; EINTR retries.
bool writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

// The mode of the file being replaced, so that saving keeps it.
bool existingMode(const std::string& target, mode_t& mode) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return false;
    mode = st.st_mode & 07777;
    return true;
}

// A new file in the target's folder, named independently of the target so that
// a long target name cannot make it too long; O_EXCL so that no other file is
// ever reused, and mode 0666 so that the umask applies as to any new file.
int createTemporary(const std::string& target, std::string& temporary) {
    static unsigned counter = 0;
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + ".varnel-" + std::to_string(::getpid()) + "-" +
                    std::to_string(++counter) + ".tmp";
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }
    bool close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

} // namespace

std::string systemPath(const char16_t* path) {
    std::string out;
    for (size_t i = 0; path && path[i]; ++i) {
        char16_t c = path[i];
        if (c == u'\\') {
            out.push_back('/');
        } else if (isHighSurrogate(c) && isLowSurrogate(path[i + 1])) {
            appendUtf8(out, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (path[i + 1] - 0xDC00));
            ++i;
        } else if (isHighSurrogate(c) || isLowSurrogate(c)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

int32_t readWholeFile(const char16_t* path, std::vector<uint8_t>& bytes) {
    std::string name = systemPath(path);
    if (name.empty()) return T6_FILE_CANNOT_OPEN;
    FileHandle file(::open(name.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return T6_FILE_CANNOT_OPEN;
    struct stat st {};
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode)) return T6_FILE_CANNOT_OPEN;
    // Callers hand the buffer on with a 32-bit length.
    if (st.st_size > INT32_MAX) return T6_FILE_NO_MEMORY;
    size_t size = static_cast<size_t>(st.st_size);
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

int32_t replaceFile(const char16_t* path, std::span<const uint8_t> bytes) {
    std::string target = systemPath(path);
    if (target.empty() || target.back() == '/') return T6_FILE_CANNOT_OPEN;
    std::string temporary;
    FileHandle file(createTemporary(target, temporary));
    if (file.get() < 0) return T6_FILE_CANNOT_OPEN;
    auto fail = [&](int32_t status) {
        ::unlink(temporary.c_str());
        return status;
    };
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0) return fail(T6_FILE_SHORT_WRITE);
    mode_t mode = 0;
    if (existingMode(target, mode) && ::fchmod(file.get(), mode) != 0)
        return fail(T6_FILE_CANNOT_OPEN);
    if (!file.close()) return fail(T6_FILE_SHORT_WRITE);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(T6_FILE_CANNOT_OPEN);
    return T6_FILE_OK;
}

} // namespace varnel
