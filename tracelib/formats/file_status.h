// Status codes that the file operations of every format return.
#pragma once

#include <cstdint>

namespace varnel::file_status {

inline constexpr int32_t kSuccess = 0;
inline constexpr int32_t kShortRead = 1;      // the file could not be read completely
inline constexpr int32_t kNoMemory = 2;       // an allocation failed
inline constexpr int32_t kInvalidContent = 5; // native file without essentials; unknown save format
inline constexpr int32_t kChecksumMismatch = 6; // a block checksum did not verify
inline constexpr int32_t kEncoderFailed = 7;    // an encoder produced nothing
inline constexpr int32_t kDamaged = 8;          // damaged or unrecognised content
inline constexpr int32_t kCannotOpen = 9;       // the file cannot be opened or created
inline constexpr int32_t kShortWrite = 10;      // fewer bytes written than encoded

} // namespace varnel::file_status
