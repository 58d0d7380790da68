// Whole-file reading and safe replacement of files, by UTF-16 path, with the
// file statuses of codes.h. Paths accept both '\' and '/' as separators.
#pragma once

#include <varnel/api.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// The path as the operating system takes it: UTF-8, with '\' turned into '/'
// (an unpaired surrogate, which cannot name a file, becomes U+FFFD).
VARNEL_API std::string systemPath(const char16_t* path);

// The same for an 8-bit path: UTF-8 when it is valid UTF-8, else Windows-1252.
VARNEL_API std::string systemPathFrom8Bit(std::string_view path);

// Reads the whole file: T6_FILE_OK, _CANNOT_OPEN, _NO_MEMORY (too large for
// memory or a 32-bit length) or _SHORT_READ (fewer bytes than its size).
VARNEL_API int32_t readWholeFile(const char16_t* path, std::vector<uint8_t>& bytes);

// Replaces (or creates) the file without ever leaving it half written: the
// bytes go to a temporary file in the target's folder, which is flushed and
// then renamed over the target, keeping its mode. T6_FILE_OK, _CANNOT_OPEN
// (cannot create or replace) or _SHORT_WRITE; on failure the temporary file
// is gone and an existing target is untouched.
VARNEL_API int32_t replaceFile(const char16_t* path, std::span<const uint8_t> bytes);

} // namespace varnel
