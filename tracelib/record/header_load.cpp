// Filling the record's header fields from a template, in memory or in a file.
#include "record/header_fields.h"
#include "record/header_template.h"

#include <varnel/varnel.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

using namespace varnel;

static_assert(T6_HDR_FIELD_CUT == kHdrFieldCut && T6_HDR_TOO_MANY_PAGES == kHdrTooManyPages &&
              T6_HDR_TOO_MANY_FIELDS == kHdrTooManyFields &&
              T6_HDR_EMPTY_TEMPLATE == kHdrEmptyTemplate);

namespace {

constexpr int32_t kFileShortRead = 1;
constexpr int32_t kFileNoMemory = 2;
constexpr int32_t kFileCannotOpen = 9;

// UTF-8 for the file system, with either separator accepted; an unpaired
// surrogate cannot name a file and becomes U+FFFD.
std::string nativePath(const char16_t* path) {
    std::string out;
    for (size_t i = 0; path[i] != 0; ++i) {
        char32_t cp = path[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && path[i + 1] >= 0xDC00 && path[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (path[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp == u'\\') cp = u'/';
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | cp >> 6));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | cp >> 12));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | cp >> 18));
            out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

class FileHandle {
public:
    explicit FileHandle(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileHandle() {
        if (fd_ >= 0) close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// The whole of a regular file, or a file status.
int32_t readWholeFile(const char16_t* path, std::vector<uint8_t>& bytes) {
    if (path == nullptr || path[0] == 0) return kFileCannotOpen;
    FileHandle file(nativePath(path));
    struct stat info {};
    if (file.fd() < 0 || fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return kFileCannotOpen;
    }
    // Templates are small; anything a template length cannot express is not one.
    if (info.st_size > INT32_MAX) return kFileNoMemory;
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = read(file.fd(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return kFileShortRead;
        done += static_cast<size_t>(n);
    }
    return 0;
}

} // namespace

int32_t CT6::HDRFromTemplate(const uint8_t* bytes, int32_t length) {
    if (bytes == nullptr || length <= 0) return kHdrEmptyTemplate;
    try {
        TemplateParse parse = parseHeaderTemplate(bytes, static_cast<size_t>(length));
        if (parse.fields.empty()) return parse.status;
        int32_t count = static_cast<int32_t>(parse.fields.size());
        HDRInit(count);
        for (int32_t i = 0; i < count; ++i) {
            const TemplateField& t = parse.fields[i];
            HDRField& f = m_hdrFields[i];
            f = {t.page, t.line, t.column, t.length, t.kind, {}};
            setHeaderFieldText(f.text, f.length, t.label.c_str());
        }
        m_hdrCount = count;
        return parse.status;
    } catch (const std::bad_alloc&) {
        return kFileNoMemory;
    }
}

int32_t CT6::HDRFromFile(const char16_t* path) {
    std::vector<uint8_t> bytes;
    try {
        if (int32_t status = readWholeFile(path, bytes)) return status;
    } catch (const std::bad_alloc&) {
        return kFileNoMemory;
    }
    return HDRFromTemplate(bytes.data(), static_cast<int32_t>(bytes.size()));
}
