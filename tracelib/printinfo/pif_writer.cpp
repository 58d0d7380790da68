// Writing print-information files, one record per call. The records are
// gathered in memory and the file is replaced whole by the final call, so an
// interrupted or failed write leaves an earlier file as it was.
#include <varnel/varnel.h>

#include "printinfo/pif_buffer.h"
#include "printinfo/pif_format.h"
#include "printinfo/pif_settings.h"
#include <varnel/file_io.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

namespace varnel::pif {
namespace {

struct Writer {
    bool open = false;
    std::u16string path;
    std::vector<uint8_t> file;   // what the file will hold
    std::vector<uint8_t> buffer; // the record being built

    void close() {
        open = false;
        path.clear();
        std::vector<uint8_t>().swap(file);
        std::vector<uint8_t>().swap(buffer);
    }
};

Writer& writer() {
    static Writer state;
    return state;
}

int32_t writeBytes(std::span<const uint8_t> bytes) {
    try {
        writer().file.insert(writer().file.end(), bytes.begin(), bytes.end());
        return kOK;
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
}

// Refuses at the start what the final replacement could not do: a folder
// that is missing or not writable, or a path naming something other than a
// writable regular file.
bool canWriteAt(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) == 0)
        return S_ISREG(info.st_mode) && ::access(name.c_str(), W_OK) == 0;
    const size_t slash = name.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : name.substr(0, slash + 1);
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

int32_t writeRecord(RecordBuilder& record) {
    if (record.overflowed()) return kNoMemory;
    return writeBytes(record.finish());
}

// Builds a record of the given type with fill(builder) and writes it.
template <class Fill> int32_t putRecord(int32_t type, Fill fill) {
    if (!writer().open) return kCannotOpen;
    RecordBuilder record(writer().buffer, type);
    fill(record);
    return writeRecord(record);
}

struct SettingsWriter {
    RecordBuilder& record;

    void integer(int32_t& v) { record.putInt(v); }
    void unitIndex(int32_t& v) { record.putInt(v); }
    void real(double& v) { record.putDouble(v); }
    template <size_t N> void label(FixedText<N>& text) { record.putText(text.c_str()); }
    void format(NumberFormat& text) { record.putText(text.c_str()); }
};

} // namespace
} // namespace varnel::pif

using namespace varnel::pif;

int32_t T6PIFPutInit(const char16_t* path, const char16_t* title, int32_t a, int32_t b) {
    Writer& out = writer();
    out.close();
    if (!path || !canWriteAt(varnel::systemPath(path))) return kCannotOpen;
    out.open = true;
    out.path = path;
    if (!resizeBuffer(out.buffer, kInitialBufferBytes)) return kNoMemory;
    auto signature = reinterpret_cast<const uint8_t*>(kSignature);
    if (int32_t status = writeBytes({signature, kSignatureBytes})) return status;
    return putRecord(kInit, [&](RecordBuilder& r) {
        r.putText(title);
        r.putInt(a);
        r.putInt(b);
    });
}

int32_t T6PIFPutPrinter(const char16_t* printer, int32_t a, int32_t b) {
    return putRecord(kPrinter, [&](RecordBuilder& r) {
        r.putText(printer);
        r.putInt(a);
        r.putInt(b);
    });
}

int32_t T6PIFPutT6Filespec(const char16_t* filespec) {
    return putRecord(kFilespec, [&](RecordBuilder& r) { r.putText(filespec); });
}

// The trace goes in the native form; a trace larger than the buffer grows it
// once to what the record needs.
int32_t T6PIFPutT6Object(void* record, int32_t a, int32_t b) {
    Writer& out = writer();
    if (!out.open) return kCannotOpen;
    if (!record) return kEmptyCompression;
    CT6& trace = *static_cast<CT6*>(record);
    for (bool grown : {false, true}) {
        RecordBuilder r(out.buffer, kObject);
        r.putInt(a);
        r.putInt(b);
        std::span<uint8_t> room = r.freeSpace();
        const size_t capacity = std::min<size_t>(room.size(), INT32_MAX);
        int32_t image = trace.CompT6(room.data(), static_cast<int32_t>(capacity), 0, 0);
        if (image <= 0) return kEmptyCompression;
        if (size_t(image) <= capacity) {
            r.advance(size_t(image));
            return writeRecord(r);
        }
        if (grown || !resizeBuffer(out.buffer, r.size() + size_t(image) + kGrowthSlackBytes))
            return kNoMemory;
    }
    return kNoMemory;
}

int32_t T6PIFPutPageHdr(const char16_t* text1, const char16_t* text2, const char16_t* text3,
                        const char16_t* text4, double x, double y, int32_t n) {
    return putRecord(kPageHdr, [&](RecordBuilder& r) {
        for (const char16_t* text : {text1, text2, text3, text4})
            r.putText(text);
        r.putDouble(x);
        r.putDouble(y);
        r.putInt(n);
    });
}

int32_t T6PIFPutGraphMeas(int32_t a, double x1, double x2, double x3, double x4, int32_t b) {
    return putRecord(kGraphMeas, [&](RecordBuilder& r) {
        r.putInt(a);
        for (double x : {x1, x2, x3, x4})
            r.putDouble(x);
        r.putInt(b);
    });
}

int32_t T6PIFPutT6Show(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    return putRecord(kShow, [&](RecordBuilder& r) {
        for (int32_t v : {a, b, c, d, e})
            r.putInt(v);
    });
}

int32_t T6PIFPutGraphView(int32_t a, const double first[4], const double second[2], int32_t b,
                          int32_t c, int32_t d, int32_t e, int32_t f) {
    return putRecord(kGraphView, [&](RecordBuilder& r) {
        r.putInt(a);
        for (int i = 0; i < 4; ++i)
            r.putDouble(first ? first[i] : 0.0);
        for (int i = 0; i < 2; ++i)
            r.putDouble(second ? second[i] : 0.0);
        for (int32_t v : {b, c, d, e, f})
            r.putInt(v);
    });
}

int32_t T6PIFPutT6Parms() {
    for (int32_t type = kFirstSettings; type <= kLastSettings; ++type) {
        int32_t status = putRecord(type, [&](RecordBuilder& r) {
            SettingsWriter visitor{r};
            visitSettingsRecord(type, varnel::settings(), visitor);
        });
        if (status) return status;
    }
    return kOK;
}

int32_t T6PIFPutFinal() {
    Writer& out = writer();
    int32_t status = putRecord(kFinal, [](RecordBuilder&) {});
    if (status == kOK) status = varnel::replaceFile(out.path.c_str(), out.file);
    out.close();
    return status;
}
