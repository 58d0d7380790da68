// The legacy route: files that only the outside converter reads or writes go
// through a T5 structure, which stays attached to the record after a read so
// that saving again starts from it.
#include <varnel/t5_struct.h>
#include <varnel/varnel.h>

#include "formats/ferrowin.h"
#include "formats/file_io.h"
#include "formats/legacy_t5.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <exception>
#include <string>

namespace {

constexpr int32_t kFormatCodeT5 = 5;
// Room for the converter's output: the viewer's rule of twice the trace
// plus 100,000 bytes, taken over the structure it encodes.
constexpr size_t kOutputSlackBytes = 100000;

struct FileTimes {
    uint32_t created = 0;
    uint32_t modified = 0;
};

// The creation time where the file system keeps one, else the last change.
FileTimes fileTimes(const char16_t* path) {
    FileTimes times;
    std::string name = varnel::systemPath(path);
    struct statx info {};
    if (statx(AT_FDCWD, name.c_str(), 0, STATX_BTIME | STATX_MTIME, &info) != 0) return times;
    times.modified = static_cast<uint32_t>(info.stx_mtime.tv_sec);
    bool hasBirth = info.stx_mask & STATX_BTIME;
    times.created = hasBirth ? static_cast<uint32_t>(info.stx_btime.tv_sec) : times.modified;
    return times;
}

// Runs the converter's encoder into out; written is how far it advanced.
int32_t encode(const varnel::ferrowin::Exports& converter, T5Struct* t5, int32_t code, uint8_t* out,
               int32_t capacity, int32_t& written) {
    written = 0;
    uint8_t* cursor = out;
    int32_t room = capacity;
    int32_t result = converter.t5ToCompTrace(t5, code, T6GetCurDistUnits(), cursor, room);
    if (result != T6_FILE_OK) return result;
    if (cursor < out || cursor - out > capacity) return T6_FILE_ENCODER_FAILED;
    written = static_cast<int32_t>(cursor - out);
    return written > 0 ? T6_FILE_OK : T6_FILE_ENCODER_FAILED;
}

bool resizeOutput(std::vector<uint8_t>& buffer, size_t bytes) {
    try {
        buffer.resize(bytes);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

void CT6::releaseT5Struct() {
    varnel::legacy::releaseStructure(m_t5.structure);
    m_t5.structure = nullptr;
}

int32_t CT6::DecompLegacy(const char16_t* path, const uint8_t* bytes, int32_t length) {
    if (!bytes || length <= 0) return T6_FILE_DAMAGED; // nothing any converter could read
    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    if (!converter) return T6_ERR_NO_LEGACY_CONVERTER;
    T5Struct* t5 = varnel::legacy::newStructure();
    if (!t5) return T6_FILE_NO_MEMORY;

    FileTimes times = fileTimes(path);
    // The converter only reads the bytes; its interface predates const.
    auto* cursor = const_cast<uint8_t*>(bytes);
    int32_t remaining = length;
    int32_t kind = 0;
    int32_t result =
        converter->decompTraceToT5(cursor, remaining, times.created, times.modified, 0, t5, kind);
    if (result != T6_FILE_OK) {
        varnel::legacy::releaseStructure(t5);
        return result;
    }
    result = T5ToT6(t5, kind);
    if (result != T6_FILE_OK) releaseT5Struct();
    return result;
}

int32_t CT6::CompLegacy(int32_t formatCode, std::vector<uint8_t>& buffer, size_t& size) {
    size = 0;
    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    if (!converter) return T6_ERR_NO_LEGACY_CONVERTER;
    auto* attached = static_cast<T5Struct*>(m_t5.structure);
    T5Struct* t5 = attached ? attached : varnel::legacy::newStructure();
    if (!t5) return T6_FILE_NO_MEMORY;

    int32_t result = T6ToT5(t5);
    if (result == T6_FILE_OK) {
        size_t needed = 2 * (size_t(T5_STRUCT_BYTES) + size_t(t5->innerBytes)) + kOutputSlackBytes;
        needed = std::min(needed, size_t(INT32_MAX));
        if (buffer.size() < needed && !resizeOutput(buffer, needed)) result = T6_FILE_NO_MEMORY;
    }
    if (result == T6_FILE_OK) {
        int32_t written = 0;
        result = encode(*converter, t5, formatCode, buffer.data(),
                        static_cast<int32_t>(buffer.size()), written);
        size = static_cast<size_t>(written);
    }
    if (!attached) varnel::legacy::releaseStructure(t5);
    return result;
}

int32_t CT6::CompT5(uint8_t* buffer, int32_t capacity) {
    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    if (!converter || !buffer || capacity <= 0) return 0;
    T5Struct* t5 = varnel::legacy::newStructure();
    if (!t5) return 0;
    int32_t written = 0;
    if (T6ToT5(t5) == T6_FILE_OK) encode(*converter, t5, kFormatCodeT5, buffer, capacity, written);
    varnel::legacy::releaseStructure(t5);
    return written;
}

int32_t CT6::T5ToCompTraceViaT6(void* structure, int32_t formatCode, uint8_t*& output,
                                int32_t& length) {
    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    if (!converter) return T6_ERR_NO_LEGACY_CONVERTER;
    if (!structure || !output) return T6_FILE_NO_MEMORY;
    return converter->t5ToCompTrace(static_cast<T5Struct*>(structure), formatCode,
                                    T6GetCurDistUnits(), output, length);
}
