// Paths between the library's UTF-16 and the bytes Linux names files with.
#include <varnel/file_io.h>
#include <varnel/text_codec.h>

#include <algorithm>
#include <sys/stat.h>

namespace varnel {

namespace {

bool exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The folder part up to the last '/', or "." for a bare name.
std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool folderExists(const std::string& path) {
    struct stat info {};
    return ::stat(folderOf(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::u16string utf16Path(std::string_view systemPath) {
    return utf16CarryingBytes(systemPath);
}

std::string systemPath(const char16_t* path) {
    std::string given = bytesFromUtf16Carrying(path ? path : u"");
    if (given.find('\\') == std::string::npos || exists(given)) return given;
    std::string separated = given;
    std::replace(separated.begin(), separated.end(), '\\', '/');
    if (!folderExists(separated) && folderExists(given)) return given;
    return separated;
}

std::string systemPathFrom8Bit(std::string_view path) {
    return systemPath(utf16Path(path).c_str());
}

} // namespace varnel
