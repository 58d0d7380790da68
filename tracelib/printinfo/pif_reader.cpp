// Reading print-information files record by record. A file is untrusted: a
// record is loaded only when the file holds all of its claimed bytes, and
// values are read only from inside the loaded payload.
#include <varnel/file_io.h>
#include <varnel/varnel.h>

#include "printinfo/pif_buffer.h"
#include "printinfo/pif_format.h"
#include "printinfo/pif_settings.h"

#include <cmath>
#include <cstring>

namespace varnel::pif {
namespace {

struct Reader : Stream {
    long fileBytes = 0;
    bool loaded = false;
    int32_t recordType = 0;
    size_t recordBytes = 0;
    PayloadCursor cursor;

    std::span<const uint8_t> payload() const {
        return std::span<const uint8_t>(buffer).first(recordBytes);
    }
    void unload() {
        loaded = false;
        recordBytes = 0;
        cursor = PayloadCursor();
    }
};

Reader& reader() {
    static Reader stream;
    return stream;
}

long bytesLeftInFile(const Reader& in) {
    long position = std::ftell(in.file);
    return position < 0 ? 0 : in.fileBytes - position;
}

bool readExactly(std::FILE* file, uint8_t* out, size_t bytes) {
    return std::fread(out, 1, bytes, file) == bytes;
}

int32_t loadLE32(const uint8_t* in) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(in[i]) << (8 * i);
    return static_cast<int32_t>(v);
}

// Restores settings from a payload; a value the payload does not hold, or
// one the library would not accept from its own setters, keeps the setting.
struct SettingsReader {
    PayloadCursor cursor;

    void integer(int32_t& v) {
        int32_t read;
        if (cursor.getInt(read)) v = read;
    }
    void unitIndex(int32_t& v) {
        int32_t read;
        if (cursor.getInt(read) && read >= 0 && read < T6_UNIT_COUNT) v = read;
    }
    void real(double& v) {
        double read;
        if (cursor.getDouble(read) && std::isfinite(read)) v = read;
    }
    template <size_t N> void label(FixedText<N>& target) {
        char16_t text[N + 1];
        if (cursor.getText(text, N + 1)) target.set(text);
    }
    void format(NumberFormat& target) {
        NumberFormat candidate;
        if (!cursor.getText(candidate.text, NumberFormat::capacity() + 1)) return;
        if (isSingleFloatFormat(candidate.view())) target = candidate;
    }
};

} // namespace
} // namespace varnel::pif

using namespace varnel::pif;

int32_t T6PIFInInit(const char* path) {
    Reader& in = reader();
    in.close();
    in.unload();
    const std::string name = varnel::systemPathFrom8Bit(path ? path : "");
    // A FIFO would wait for a writer, a device never end: regular files only.
    if (!varnel::readRefusal(varnel::utf16Path(name).c_str()).empty()) return kCannotOpen;
    in.file = std::fopen(name.c_str(), "rb");
    if (!in.file) return kCannotOpen;
    if (std::fseek(in.file, 0, SEEK_END) != 0) return kBadSignatureOrShortRead;
    in.fileBytes = std::ftell(in.file);
    std::rewind(in.file);
    if (!resizeBuffer(in.buffer, kInitialBufferBytes)) return kNoMemory;
    uint8_t signature[kSignatureBytes];
    if (!readExactly(in.file, signature, kSignatureBytes)) return kBadSignatureOrShortRead;
    bool matches = std::memcmp(signature, kSignature, kSignatureBytes) == 0;
    return matches ? kOK : kBadSignatureOrShortRead;
}

int32_t T6PIFRecLoad(int32_t& type) {
    Reader& in = reader();
    in.unload();
    type = 0;
    if (!in.file) return kCannotOpen;
    uint8_t header[kRecordHeaderBytes];
    if (!readExactly(in.file, header, kRecordHeaderBytes)) return kBadSignatureOrShortRead;
    int32_t length = loadLE32(header);
    // A length the file cannot hold is a short read; it is never allocated.
    if (length < 0 || length > bytesLeftInFile(in)) return kBadSignatureOrShortRead;
    auto bytes = static_cast<size_t>(length);
    if (bytes > in.buffer.size() && !resizeBuffer(in.buffer, bytes + kGrowthSlackBytes))
        return kNoMemory;
    if (!readExactly(in.file, in.buffer.data(), bytes)) return kBadSignatureOrShortRead;
    in.loaded = true;
    in.recordType = loadLE32(header + 4);
    in.recordBytes = bytes;
    in.cursor = PayloadCursor(in.payload());
    type = in.recordType;
    return kOK;
}

int32_t T6PIFRecGet(int32_t& value) {
    return reader().cursor.getInt(value) ? kOK : kBadSignatureOrShortRead;
}

int32_t T6PIFRecGet(double& value) {
    return reader().cursor.getDouble(value) ? kOK : kBadSignatureOrShortRead;
}

char16_t* T6PIFRecGet(char16_t* buf) {
    reader().cursor.getText(buf, T6_PIF_MAX_STRING);
    return buf;
}

// The trace takes the rest of the record from the read position.
int32_t T6PIFRecGet(void* record) {
    if (!record) return kBadSignatureOrShortRead;
    std::span<const uint8_t> image = reader().cursor.rest();
    if (image.size() > size_t(INT32_MAX)) return kBadSignatureOrShortRead;
    return static_cast<CT6*>(record)->DecompT6(image.data(), static_cast<int32_t>(image.size()), 0);
}

int32_t T6PIFSetT6Parms(int32_t type) {
    Reader& in = reader();
    if (!in.loaded || type != in.recordType) return kBadSignatureOrShortRead;
    SettingsReader visitor{PayloadCursor(in.payload())};
    return visitSettingsRecord(type, varnel::settings(), visitor) ? kOK : kBadSignatureOrShortRead;
}

void T6PIFInFinal() {
    reader().close();
    reader().unload();
}
