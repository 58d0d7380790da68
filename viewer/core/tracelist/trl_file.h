// The bytes of a trace list file (.TRL): a magic, a version and counted path
// records of at most 255 bytes each. Both directions are bounded: a damaged
// or hostile file is refused, never read past its end.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

// 'T', 'R', 'L', 0 read as a little-endian 32-bit value.
inline constexpr uint32_t kTrlMagic = 0x004C5254;
inline constexpr uint32_t kTrlVersion = 1;
inline constexpr size_t kTrlHeaderSize = 10;
inline constexpr size_t kTrlMaxPathBytes = 255;
inline constexpr size_t kTrlMaxPaths = 65535;
// The largest well-formed file; a reader never needs more.
inline constexpr size_t kTrlMaxFileSize = kTrlHeaderSize + kTrlMaxPaths * (1 + kTrlMaxPathBytes);

enum class TrlReadStatus { Done, BadMagic, BadVersion, Truncated };

struct TrlReadResult {
    TrlReadStatus status = TrlReadStatus::Done;
    // The stored paths as text (UTF-8 when the bytes are valid UTF-8, else
    // Windows-1252), in file order.
    std::vector<std::string> paths;
    // The same paths byte for byte as stored: a list written here may name
    // files whose names are not UTF-8.
    std::vector<std::string> storedBytes;
};

TrlReadResult decodeTrl(std::span<const uint8_t> bytes);

enum class TrlWriteStatus { Done, PathTooLong, TooManyPaths };

struct TrlWriteResult {
    TrlWriteStatus status = TrlWriteStatus::Done;
    std::vector<uint8_t> bytes;
    // The path that did not fit, for the message.
    std::string offendingPath;
};

// Paths are written as UTF-8, the local code page here.
TrlWriteResult encodeTrl(const std::vector<std::string>& paths);

// Reads at most kTrlMaxFileSize bytes of a file; nothing when it cannot be
// opened.
std::optional<std::vector<uint8_t>> readTrlBytes(const std::string& path);

} // namespace orvane
