#include "core/tracelist/trl_file.h"

#include "core/platform/file_access.h"
#include "core/platform/text.h"

#include <varnel/file_io.h>

#include <algorithm>

namespace orvane {

namespace {

uint32_t readU32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

uint16_t readU16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void appendU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendU16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// A path ends at its first NUL byte, as the program that wrote it saw it.
std::string pathBytes(std::span<const uint8_t> record) {
    std::string raw(record.begin(), record.end());
    if (size_t nul = raw.find('\0'); nul != std::string::npos) raw.resize(nul);
    return raw;
}

} // namespace

TrlReadResult decodeTrl(std::span<const uint8_t> bytes) {
    TrlReadResult result;
    if (bytes.size() < 4 || readU32(bytes, 0) != kTrlMagic) {
        result.status = TrlReadStatus::BadMagic;
        return result;
    }
    if (bytes.size() < 8 || readU32(bytes, 4) != kTrlVersion) {
        result.status = TrlReadStatus::BadVersion;
        return result;
    }
    if (bytes.size() < kTrlHeaderSize) {
        result.status = TrlReadStatus::Truncated;
        return result;
    }
    const size_t count = readU16(bytes, 8);
    result.paths.reserve(count);
    size_t at = kTrlHeaderSize;
    for (size_t i = 0; i < count; ++i) {
        if (at >= bytes.size()) break;
        const size_t length = bytes[at++];
        if (length > bytes.size() - at) break;
        result.storedBytes.push_back(pathBytes(bytes.subspan(at, length)));
        result.paths.push_back(toUtf8(toUtf16(result.storedBytes.back())));
        at += length;
    }
    if (result.paths.size() != count) {
        result.status = TrlReadStatus::Truncated;
        result.paths.clear();
        result.storedBytes.clear();
    }
    return result;
}

TrlWriteResult encodeTrl(const std::vector<std::string>& paths) {
    TrlWriteResult result;
    if (paths.size() > kTrlMaxPaths) {
        result.status = TrlWriteStatus::TooManyPaths;
        return result;
    }
    appendU32(result.bytes, kTrlMagic);
    appendU32(result.bytes, kTrlVersion);
    appendU16(result.bytes, static_cast<uint16_t>(paths.size()));
    for (const std::string& path : paths) {
        // The length byte cannot hold more: refuse rather than cut the path.
        if (path.size() > kTrlMaxPathBytes) {
            result.status = TrlWriteStatus::PathTooLong;
            result.offendingPath = path;
            result.bytes.clear();
            return result;
        }
        result.bytes.push_back(static_cast<uint8_t>(path.size()));
        result.bytes.insert(result.bytes.end(), path.begin(), path.end());
    }
    return result;
}

std::optional<std::vector<uint8_t>> readTrlBytes(const std::string& path) {
    // The library's reader refuses FIFOs, devices and huge files at once.
    std::vector<uint8_t> bytes;
    if (varnel::readWholeFile(libraryPath(path).c_str(), bytes) != T6_FILE_OK) return std::nullopt;
    if (bytes.size() > kTrlMaxFileSize) bytes.resize(kTrlMaxFileSize);
    return bytes;
}

} // namespace orvane
