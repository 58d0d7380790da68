// Reading whole files and replacing them: odd names, odd files, and saves
// that fail or are cut short.
#include <varnel/file_io.h>

#include <varnel/codes.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using varnel::readWholeFile;
using varnel::replaceFile;
using varnel::systemPath;

namespace {

using Bytes = std::vector<uint8_t>;

class ScratchFolder {
public:
    ScratchFolder() {
        path_ = fs::temp_directory_path() /
                ("varnel-io-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(path_);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    const fs::path& path() const { return path_; }
    size_t entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

private:
    fs::path path_;
    static inline int count_ = 0;
};

// The library's form of a native path, every byte kept.
std::u16string wide(const fs::path& p) {
    return varnel::utf16Path(p.native());
}

Bytes contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const fs::path& p, const Bytes& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

constexpr int kChildTimedOut = 124;

// Runs body in a child process, so that a signal, a hang or a mount stays
// there; the result is its exit code, or 128 + the signal that ended it.
int inChild(const std::function<int()>& body, unsigned seconds = 20) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(seconds);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGALRM ? kChildTimedOut : 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

int32_t save(const fs::path& p, const Bytes& bytes) {
    return replaceFile(wide(p).c_str(), bytes);
}

} // namespace

TEST(NativeFileIO, SystemPathTakesBothSeparatorsAndAnyCharacter) {
    EXPECT_EQ(systemPath(u"dir\\sub/file.t6"), "dir/sub/file.t6");
    EXPECT_EQ(systemPath(u"caf\u00e9"), "caf\xc3\xa9");
    EXPECT_EQ(systemPath(u"\U0001F600"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(systemPath(u"a\xd800"), "a\xef\xbf\xbd"); // a lone surrogate
    EXPECT_EQ(systemPath(nullptr), "");
    // Bytes that are not UTF-8 come back as they were.
    for (std::string name : {"tr\xe9s.sor", "\xff\xfe", "ok\xc3", "\xed\xa0\x80"})
        EXPECT_EQ(systemPath(varnel::utf16Path(name).c_str()), name);
}

TEST(NativeFileIO, NamesThatExistAreTakenAsGiven) {
    ScratchFolder dir;
    const std::string latin1 = (dir / "tr\xe9s.t6").native();
    const std::string backslash = (dir / "a\\b.t6").native();
    for (const std::string& name : {latin1, backslash}) {
        const Bytes data(100, 7);
        ASSERT_EQ(replaceFile(varnel::utf16Path(name).c_str(), data), T6_FILE_OK) << name;
        EXPECT_EQ(contents(name), data) << name;
        Bytes got;
        EXPECT_EQ(readWholeFile(varnel::utf16Path(name).c_str(), got), T6_FILE_OK) << name;
        EXPECT_EQ(got, data);
    }
    EXPECT_EQ(dir.entries(), 2u); // no "a" folder was looked for or made

    // Where a folder answers to the part before '\', it is a separator.
    fs::create_directory(dir / "sub");
    const std::string windowsStyle = dir.path().native() + "\\sub\\c.t6";
    ASSERT_EQ(replaceFile(varnel::utf16Path(windowsStyle).c_str(), Bytes{1}), T6_FILE_OK);
    EXPECT_TRUE(fs::exists(dir / "sub" / "c.t6"));
}

TEST(NativeFileIO, ReadsWholeFilesAndRefusesOthersByTypeAndSize) {
    ScratchFolder dir;
    Bytes data = {1, 2, 3, 0, 255};
    put(dir / "a.t6", data);
    Bytes got;
    EXPECT_EQ(readWholeFile(wide(dir / "a.t6").c_str(), got), T6_FILE_OK);
    EXPECT_EQ(got, data);
    put(dir / "empty", {});
    EXPECT_EQ(readWholeFile(wide(dir / "empty").c_str(), got), T6_FILE_OK);
    EXPECT_TRUE(got.empty());

    EXPECT_EQ(readWholeFile(wide(dir / "missing").c_str(), got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(readWholeFile(u"", got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(readWholeFile(wide(dir.path()).c_str(), got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(readWholeFile(u"/dev/zero", got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(varnel::readRefusal(u"/dev/zero"), "not a regular file (a device)");

    // A sparse file far larger than any trace is refused before it is read.
    const fs::path huge = dir / "huge.sor";
    put(huge, {});
    fs::resize_file(huge, varnel::kLargestTraceFileBytes + 1);
    EXPECT_EQ(readWholeFile(wide(huge).c_str(), got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(varnel::readRefusal(wide(huge).c_str()),
              "larger than 64 MB, more than any trace file holds");
    EXPECT_EQ(varnel::readRefusal(wide(dir / "a.t6").c_str()), "");
}

TEST(NativeFileIO, AFifoIsRefusedWithoutWaitingForAWriter) {
    ScratchFolder dir;
    const fs::path fifo = dir / "trace.sor";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int status = inChild(
        [&] {
            Bytes got;
            return readWholeFile(wide(fifo).c_str(), got);
        },
        5);
    EXPECT_EQ(status, T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(varnel::readRefusal(wide(fifo).c_str()), "not a regular file (a FIFO)");
    // Nor is a save allowed to put a file in its place.
    EXPECT_EQ(save(fifo, Bytes{1}), T6_FILE_CANNOT_OPEN);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(save(dir.path() / "", Bytes{1}), T6_FILE_CANNOT_OPEN);
}

TEST(NativeFileIO, ReplaceCreatesAndReplacesKeepingTheMode) {
    ScratchFolder dir;
    fs::path target = dir / "trace.t6";
    Bytes first = {'o', 'l', 'd'};
    ASSERT_EQ(save(target, first), T6_FILE_OK);
    EXPECT_EQ(contents(target), first);

    ::chmod(target.c_str(), 0640);
    Bytes second(5000, 0x5A);
    ASSERT_EQ(save(target, second), T6_FILE_OK);
    EXPECT_EQ(contents(target), second);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.entries(), 1u);
    EXPECT_EQ(save(dir / "no/such/x.t6", Bytes{1}), T6_FILE_CANNOT_OPEN);
}

TEST(NativeFileIO, ASymbolicLinkIsWrittenThroughToItsTarget) {
    ScratchFolder dir;
    fs::create_directory(dir / "real");
    const fs::path real = dir / "real" / "trace.sor";
    put(real, {'o', 'l', 'd'});
    ::chmod(real.c_str(), 0600);
    fs::create_symlink("real/trace.sor", dir / "link.sor"); // relative
    fs::create_symlink(dir / "link.sor", dir / "chain.sor");

    ASSERT_EQ(save(dir / "chain.sor", Bytes{'n', 'e', 'w'}), T6_FILE_OK);
    EXPECT_TRUE(fs::is_symlink(dir / "chain.sor"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.sor"));
    EXPECT_EQ(contents(real), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // A dangling link gets its target made; a loop is refused.
    fs::create_symlink("real/new.sor", dir / "dangling.sor");
    ASSERT_EQ(save(dir / "dangling.sor", Bytes{1}), T6_FILE_OK);
    EXPECT_EQ(contents(dir / "real" / "new.sor"), Bytes{1});
    fs::create_symlink("loop.sor", dir / "loop.sor");
    EXPECT_EQ(save(dir / "loop.sor", Bytes{1}), T6_FILE_CANNOT_OPEN);
}

TEST(NativeFileIO, AFileSizeLimitFailsTheSaveNotTheProcess) {
    ScratchFolder dir;
    const fs::path target = dir / "trace.t6";
    const Bytes old = {'k', 'e', 'e', 'p'};
    put(target, old);
    // SIGXFSZ keeps its default action, which ends the process.
    const int status = inChild([&] {
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &small);
        return save(target, Bytes(4000, 1));
    });
    EXPECT_EQ(status, T6_FILE_SHORT_WRITE);
    EXPECT_EQ(contents(target), old);
    EXPECT_EQ(dir.entries(), 1u);
}

// A tmpfs of 64 KB mounted in a namespace of the child's own; where the
// system allows none, the test is skipped.
TEST(NativeFileIO, AFullDiskFailsTheSaveWithAWriteErrorAndKeepsTheOldFile) {
    ScratchFolder dir;
    constexpr int kNoNamespace = 77;
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    const int status = inChild([&]() -> int {
        const auto write = [](const char* file, const std::string& text) {
            std::ofstream(file) << text;
        };
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return kNoNamespace;
        write("/proc/self/setgroups", "deny");
        write("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
        write("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("none", dir.path().c_str(), "tmpfs", 0, "size=64k") != 0)
            return kNoNamespace;
        const fs::path target = dir / "trace.sor";
        const Bytes old(4000, 'o');
        put(target, old);
        std::ofstream filler(dir / "filler", std::ios::binary);
        for (int i = 0; i < 64 && filler; ++i)
            filler << std::string(4096, 'f') << std::flush;
        filler.close();
        if (save(target, Bytes(16000, 'n')) != T6_FILE_SHORT_WRITE) return 1;
        if (contents(target) != old) return 2;
        if (dir.entries() != 2) return 3;
        fs::remove(dir / "filler");
        return save(target, Bytes(16000, 'n')) == T6_FILE_OK && dir.entries() == 1 ? 0 : 4;
    });
    if (status == kNoNamespace) GTEST_SKIP() << "no user and mount namespace for a small tmpfs";
    EXPECT_EQ(status, 0);
}

TEST(NativeFileIO, AKilledSaveLeavesTheOldOrTheNewFileAndTheNextSaveNothingElse) {
    ScratchFolder dir;
    const fs::path target = dir / "trace.sor";
    const Bytes a(1 << 20, 'a');
    const Bytes b(1 << 20, 'b');
    put(target, a);
    for (int delayMS : {2, 9, 17}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (bool second = false;; second = !second)
                save(target, second ? b : a);
        }
        ::usleep(static_cast<useconds_t>(delayMS * 1000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const Bytes left = contents(target);
        EXPECT_TRUE(left == a || left == b) << delayMS;
        ASSERT_EQ(save(target, a), T6_FILE_OK);
        EXPECT_EQ(dir.entries(), 1u) << delayMS;
    }
}

TEST(NativeFileIO, OnlyTemporaryFilesOfDeadProcessesOfThisHostAreRemoved) {
    ScratchFolder dir;
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const auto name = [&](const std::string& who, pid_t pid) {
        return ".varnel-" + who + "-" + std::to_string(pid) + "-1.tmp";
    };
    put(dir / name(host, dead), {1});
    put(dir / name(host, 1), {1});           // a live process
    put(dir / name("elsewhere", dead), {1}); // another host's
    put(dir / "notes.tmp", {1});
    ASSERT_EQ(save(dir / "trace.sor", Bytes{2}), T6_FILE_OK);
    EXPECT_FALSE(fs::exists(dir / name(host, dead)));
    EXPECT_TRUE(fs::exists(dir / name(host, 1)));
    EXPECT_TRUE(fs::exists(dir / name("elsewhere", dead)));
    EXPECT_TRUE(fs::exists(dir / "notes.tmp"));
}

TEST(NativeFileIO, UnwritableFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ScratchFolder dir;
    fs::path target = dir / "trace.t6";
    Bytes old = {'k', 'e', 'e', 'p'};
    put(target, old);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(save(target, Bytes{1, 2}), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(contents(target), old);
}
