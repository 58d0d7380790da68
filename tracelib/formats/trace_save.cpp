// Saving a record under a format name: encode it, then replace the file.
#include <varnel/varnel.h>

#include "formats/file_io.h"
#include "record/wide_text.h"

#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct SaveFormat {
    std::u16string_view name;
    int32_t code;
};

constexpr int32_t kCodeT5 = 5;
constexpr int32_t kCodeBellcore = 6;
constexpr int32_t kCodeNative = 14;
constexpr int32_t kCodeSR4731 = 15;

constexpr SaveFormat kSaveFormats[] = {
    {u"T5", kCodeT5},
    {u"Bellcore", kCodeBellcore},
    {u"GR196", kCodeBellcore},
    {u"TEK WFM", 8},
    {u"R90", 9},
    {u"R90 Min", 10},
    {u"R90 Max", 11},
    {u"T6", kCodeNative},
    {u"SR4731", kCodeSR4731},
};

constexpr size_t kFirstBufferBytes = 200000;
constexpr size_t kRetryExtraBytes = 1000;
constexpr int32_t kFilenameAutoField = 13;

const SaveFormat* findSaveFormat(const char16_t* name) {
    if (!name) return nullptr;
    for (const SaveFormat& f : kSaveFormats)
        if (f.name == name) return &f;
    return nullptr;
}

std::u16string fileNamePart(const char16_t* path) {
    const std::u16string_view whole = path ? path : u"";
    return std::u16string(whole.substr(varnel::fileNameStart(whole)));
}

bool resize(std::vector<uint8_t>& buffer, size_t bytes) {
    try {
        buffer.assign(bytes, 0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// Encoders report the size they need; one larger buffer is tried when the
// first is too small.
using Encoder = std::function<int32_t(uint8_t* out, int32_t capacity)>;

int32_t encodeWithRetry(const Encoder& encode, std::vector<uint8_t>& buffer, size_t& size) {
    for (bool retried : {false, true}) {
        int32_t needed = encode(buffer.data(), static_cast<int32_t>(buffer.size()));
        if (needed <= 0) return T6_FILE_ENCODER_FAILED;
        size = static_cast<size_t>(needed);
        if (size <= buffer.size()) return T6_FILE_OK;
        if (retried || !resize(buffer, size + kRetryExtraBytes)) return T6_FILE_NO_MEMORY;
    }
    return T6_FILE_NO_MEMORY;
}

// SR-4731 writes "SR4731" and, for a trace that did not come through the
// legacy converter, "Bellcore"/"GR196"; the converter writes the rest.
int32_t encodeForeign(CT6& record, int32_t code, std::vector<uint8_t>& buffer, size_t& size) {
    const bool sr4731 = code == kCodeSR4731 || (code == kCodeBellcore && !record.GetPtrT5Struct());
    if (!sr4731) return record.CompLegacy(code, buffer, size);
    const int32_t version = code == kCodeSR4731 ? 2 : 1;
    return encodeWithRetry(
        [&](uint8_t* out, int32_t capacity) { return record.CompSR4731(version, out, capacity); },
        buffer, size);
}

} // namespace

int32_t CT6::FileSaveAs(const char16_t* path, const char16_t* formatName, int32_t compress,
                        int32_t crc) {
    const SaveFormat* format = findSaveFormat(formatName);
    if (!format) return T6_FILE_INVALID_CONTENT;
    std::vector<uint8_t> buffer;
    if (!resize(buffer, kFirstBufferBytes)) return T6_FILE_NO_MEMORY;
    HDRSetAutoStg(kFilenameAutoField, fileNamePart(path).c_str());

    size_t size = 0;
    int32_t result = T6_FILE_OK;
    if (format->code == kCodeNative) {
        SetNullOrigToTraceType();
        char16_t kept[64] = {};
        GetTraceType(kept);
        SetTraceType(u"T6");
        result = encodeWithRetry(
            [&](uint8_t* out, int32_t capacity) { return CompT6(out, capacity, compress, crc); },
            buffer, size);
        SetTraceType(kept);
    } else {
        result = encodeForeign(*this, format->code, buffer, size);
    }
    if (result != T6_FILE_OK) return result;

    result = varnel::replaceFile(path, {buffer.data(), size});
    if (result == T6_FILE_OK && GetFilenameLength() == 0) SetFilespec(path);
    return result;
}

int32_t CT6::FileSave(int32_t compress, int32_t crc) {
    char16_t path[256 + 1] = {};
    char16_t filename[128 + 1] = {};
    char16_t type[64] = {};
    std::u16string target = std::u16string(GetPath(path)) + GetFilename(filename);
    return FileSaveAs(target.c_str(), GetTraceType(type), compress, crc);
}
