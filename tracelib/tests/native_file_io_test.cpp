#include "formats/file_io.h"

#include <varnel/codes.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
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

std::u16string wide(const fs::path& p) {
    return p.u16string();
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

} // namespace

TEST(NativeFileIO, SystemPathTakesBothSeparatorsAndAnyCharacter) {
    EXPECT_EQ(systemPath(u"dir\\sub/file.t6"), "dir/sub/file.t6");
    EXPECT_EQ(systemPath(u"caf\u00e9"), "caf\xc3\xa9");
    EXPECT_EQ(systemPath(u"\U0001F600"), "\xf0\x9f\x98\x80");
    EXPECT_EQ(systemPath(u"a\xd800"), "a\xef\xbf\xbd"); // a lone surrogate
    EXPECT_EQ(systemPath(nullptr), "");
}

TEST(NativeFileIO, ReadsWholeFilesAndReportsWhyNot) {
    ScratchFolder dir;
    Bytes data = {1, 2, 3, 0, 255};
    put(dir / "a.t6", data);
    Bytes got;
    EXPECT_EQ(readWholeFile(wide(dir / "a.t6").c_str(), got), T6_FILE_OK);
    EXPECT_EQ(got, data);

    std::u16string windowsStyle = wide(dir.path()) + u"\\a.t6";
    EXPECT_EQ(readWholeFile(windowsStyle.c_str(), got), T6_FILE_OK);

    put(dir / "empty", {});
    EXPECT_EQ(readWholeFile(wide(dir / "empty").c_str(), got), T6_FILE_OK);
    EXPECT_TRUE(got.empty());

    EXPECT_EQ(readWholeFile(wide(dir / "missing").c_str(), got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(readWholeFile(wide(dir.path()).c_str(), got), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(readWholeFile(u"", got), T6_FILE_CANNOT_OPEN);
}

TEST(NativeFileIO, ReplaceCreatesAndReplacesKeepingTheMode) {
    ScratchFolder dir;
    fs::path target = dir / "trace.t6";
    Bytes first = {'o', 'l', 'd'};
    ASSERT_EQ(replaceFile(wide(target).c_str(), first), T6_FILE_OK);
    EXPECT_EQ(contents(target), first);

    ::chmod(target.c_str(), 0640);
    Bytes second(5000, 0x5A);
    ASSERT_EQ(replaceFile(wide(target).c_str(), second), T6_FILE_OK);
    EXPECT_EQ(contents(target), second);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(NativeFileIO, ReplaceIntoAMissingFolderFails) {
    ScratchFolder dir;
    EXPECT_EQ(replaceFile(wide(dir / "no/such/x.t6").c_str(), Bytes{1}), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(replaceFile(wide(dir.path() / "").c_str(), Bytes{1}), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(dir.entries(), 0u);
}

TEST(NativeFileIO, ShortWriteLeavesTheOldFileAndNoTemporary) {
    ScratchFolder dir;
    fs::path target = dir / "trace.t6";
    Bytes old = {'k', 'e', 'e', 'p'};
    put(target, old);

    // A file-size limit makes the write stop part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    int32_t result = replaceFile(wide(target).c_str(), Bytes(4000, 1));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(result, T6_FILE_SHORT_WRITE);
    EXPECT_EQ(contents(target), old);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(NativeFileIO, UnwritableFolderLeavesTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    ScratchFolder dir;
    fs::path target = dir / "trace.t6";
    Bytes old = {'k', 'e', 'e', 'p'};
    put(target, old);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(replaceFile(wide(target).c_str(), Bytes{1, 2}), T6_FILE_CANNOT_OPEN);
    EXPECT_EQ(contents(target), old);
}
