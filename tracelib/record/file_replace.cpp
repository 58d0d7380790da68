// Replacing files whole: never half written, nothing left behind.
#include <varnel/codes.h>
#include <varnel/file_io.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace varnel {

namespace {

constexpr int kMostLinkHops = 40; // the kernel's own limit
constexpr int kNameAttempts = 100;
constexpr std::string_view kTemporaryPrefix = ".varnel-";
constexpr std::string_view kTemporarySuffix = ".tmp";

// Errors that say the bytes did not fit, as against a file that could not be made.
bool isOutOfRoom(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG || error == EIO;
}

// A file-size limit must fail the write (EFBIG), not end the process: SIGXFSZ
// is held back while a file is written, and any it raised is taken away.
class FileSizeSignalHeld {
public:
    FileSizeSignalHeld() {
        sigemptyset(&signal_);
        sigaddset(&signal_, SIGXFSZ);
        held_ = ::pthread_sigmask(SIG_BLOCK, &signal_, &previous_) == 0;
    }
    ~FileSizeSignalHeld() {
        if (!held_) return;
        // One the caller held back already stays theirs.
        if (!sigismember(&previous_, SIGXFSZ)) {
            const timespec none{};
            while (::sigtimedwait(&signal_, nullptr, &none) == SIGXFSZ) {
            }
        }
        ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    FileSizeSignalHeld(const FileSizeSignalHeld&) = delete;
    FileSizeSignalHeld& operator=(const FileSizeSignalHeld&) = delete;

private:
    sigset_t signal_{};
    sigset_t previous_{};
    bool held_ = false;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // A delayed write error may only show here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The folder part with its '/', empty for a bare name.
std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* openable(const std::string& folder) {
    return folder.empty() ? "." : folder.c_str();
}

// The file a save replaces: the end of any chain of symbolic links, so that
// the link stays and its target gets the new bytes. Only regular files, or
// names not taken yet, may be replaced.
int32_t finalTarget(std::string path, std::string& target) {
    if (path.empty() || path.back() == '/') return T6_FILE_CANNOT_OPEN;
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            target = path;
            return errno == ENOENT ? T6_FILE_OK : T6_FILE_CANNOT_OPEN;
        }
        if (S_ISREG(info.st_mode)) {
            target = path;
            return T6_FILE_OK;
        }
        if (!S_ISLNK(info.st_mode)) return T6_FILE_CANNOT_OPEN;
        char link[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), link, sizeof link);
        if (length <= 0 || static_cast<size_t>(length) >= sizeof link) return T6_FILE_CANNOT_OPEN;
        const std::string next(link, static_cast<size_t>(length));
        path = next.front() == '/' ? next : folderOf(path) + next;
    }
    return T6_FILE_CANNOT_OPEN;
}

const std::string& hostName() {
    static const std::string name = [] {
        char text[HOST_NAME_MAX + 1] = {};
        if (::gethostname(text, sizeof text - 1) != 0) return std::string("host");
        return std::string(text);
    }();
    return name;
}

// ".varnel-HOST-PID-N.tmp": the host and process tell whose it is.
std::string temporaryName(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    return folder + std::string(kTemporaryPrefix) + hostName() + "-" + std::to_string(::getpid()) +
           "-" + std::to_string(++counter) + std::string(kTemporarySuffix);
}

// The process of this host that named a temporary file; 0 for any other name.
pid_t temporaryOwner(std::string_view name) {
    const std::string host = std::string(kTemporaryPrefix) + hostName() + "-";
    if (!name.starts_with(host) || !name.ends_with(kTemporarySuffix)) return 0;
    name = name.substr(host.size(), name.size() - host.size() - kTemporarySuffix.size());
    const size_t dash = name.find('-');
    if (dash == std::string_view::npos) return 0;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    return error == std::errc() && end == name.data() + dash ? pid : 0;
}

bool isDead(pid_t pid) {
    return pid > 0 && pid != ::getpid() && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A save killed between naming its file and the rename leaves the name; the
// next save in the folder removes those of dead processes of this host.
void removeDeadTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(openable(folder));
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isDead(temporaryOwner(entry->d_name))) continue;
        const std::string path = folder + entry->d_name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid())
            ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<size_t>(n));
    }
    return true;
}

// The bytes, flushed to the disk, with the replaced file's owner (where
// allowed) and mode.
int32_t fill(int fd, std::span<const uint8_t> bytes, const struct stat* replaced) {
    if (!writeAll(fd, bytes)) return T6_FILE_SHORT_WRITE;
    // A file system that cannot flush says EINVAL; its writes stand.
    if (::fsync(fd) != 0 && errno != EINVAL) return T6_FILE_SHORT_WRITE;
    if (!replaced) return T6_FILE_OK;
    if (::fchown(fd, replaced->st_uid, replaced->st_gid) != 0) {
        // Only the superuser may give a file away; the mode is still kept.
    }
    return ::fchmod(fd, replaced->st_mode & 07777) == 0 ? T6_FILE_OK : T6_FILE_CANNOT_OPEN;
}

int32_t renameOver(const std::string& temporary, const std::string& target) {
    if (::rename(temporary.c_str(), target.c_str()) == 0) return T6_FILE_OK;
    const int error = errno;
    ::unlink(temporary.c_str());
    return isOutOfRoom(error) ? T6_FILE_SHORT_WRITE : T6_FILE_CANNOT_OPEN;
}

int openUnnamed(const std::string& folder) {
#ifdef O_TMPFILE
    return ::open(openable(folder), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Gives an unnamed file a name: directly where allowed, else through /proc.
bool linkUnnamed(int fd, const std::string& name) {
    if (::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return true;
    if (errno == EEXIST) return false;
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Writes through a file that has no name until it is complete, so that no
// crash can leave it behind. False when the folder's file system offers no
// such files or they cannot be named; the caller then names one itself.
bool replaceViaUnnamed(const std::string& folder, const std::string& target,
                       std::span<const uint8_t> bytes, const struct stat* replaced,
                       int32_t& status) {
    Descriptor file(openUnnamed(folder));
    if (file.get() < 0) return false;
    status = fill(file.get(), bytes, replaced);
    if (status != T6_FILE_OK) return true;
    if (!replaced && linkUnnamed(file.get(), target)) {
        if (file.close()) return true;
        ::unlink(target.c_str());
        status = T6_FILE_SHORT_WRITE;
        return true;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string temporary = temporaryName(folder);
        if (linkUnnamed(file.get(), temporary)) {
            if (!file.close()) {
                ::unlink(temporary.c_str());
                status = T6_FILE_SHORT_WRITE;
                return true;
            }
            status = renameOver(temporary, target);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

int createNamed(const std::string& folder, std::string& temporary) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = temporaryName(folder);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int32_t replaceViaNamed(const std::string& folder, const std::string& target,
                        std::span<const uint8_t> bytes, const struct stat* replaced) {
    std::string temporary;
    Descriptor file(createNamed(folder, temporary));
    if (file.get() < 0) return T6_FILE_CANNOT_OPEN;
    int32_t status = fill(file.get(), bytes, replaced);
    if (status == T6_FILE_OK && !file.close()) status = T6_FILE_SHORT_WRITE;
    if (status != T6_FILE_OK) {
        ::unlink(temporary.c_str());
        return status;
    }
    return renameOver(temporary, target);
}

} // namespace

int32_t replaceFile(const char16_t* path, std::span<const uint8_t> bytes) {
    std::string target;
    if (const int32_t status = finalTarget(systemPath(path), target)) return status;
    struct stat old {};
    const struct stat* replaced = ::stat(target.c_str(), &old) == 0 ? &old : nullptr;
    const std::string folder = folderOf(target);
    FileSizeSignalHeld held;
    removeDeadTemporaries(folder);
    int32_t status = T6_FILE_OK;
    if (replaceViaUnnamed(folder, target, bytes, replaced, status)) return status;
    return replaceViaNamed(folder, target, bytes, replaced);
}

} // namespace varnel
