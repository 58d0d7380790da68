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

// The most a file may hold for the readers to take it. The largest trace the
// readers accept (4,194,304 points) takes about 17 MB as SR-4731 with its
// embedded native copy; a file far larger is no trace, and is refused by its
// size before anything is read.
inline constexpr int64_t kLargestTraceFileBytes = int64_t{64} << 20;
inline constexpr char kLargestTraceFileText[] = "64 MB";

// The UTF-16 form of a path as the operating system gave it (argv, a folder
// listing): every byte is kept, those that are not UTF-8 carried as
// U+DC80-U+DCFF, so that systemPath() gives the same bytes back.
VARNEL_API std::u16string utf16Path(std::string_view systemPath);

// The path as the operating system takes it: the bytes of utf16Path() back,
// else UTF-8 (an unpaired surrogate, which cannot name a file, becomes
// U+FFFD). A name that exists as given is kept as given, even with a '\' in
// it; otherwise '\' is a separator, as in paths written on Windows, unless
// only the name as given could be created (its folder exists and the other
// one does not).
VARNEL_API std::string systemPath(const char16_t* path);

// The same for an 8-bit path, whose bytes are the name.
VARNEL_API std::string systemPathFrom8Bit(std::string_view path);

// Why readWholeFile would refuse the file before reading it, in words
// ("No such file or directory", "not a regular file (a FIFO)", ...); empty
// when it is a regular file of at most kLargestTraceFileBytes.
VARNEL_API std::string readRefusal(const char16_t* path);

// Reads the whole file: T6_FILE_OK, _CANNOT_OPEN (missing, unreadable, not a
// regular file, or larger than kLargestTraceFileBytes; a FIFO is refused
// without waiting for a writer), _NO_MEMORY or _SHORT_READ (fewer bytes than
// its size).
VARNEL_API int32_t readWholeFile(const char16_t* path, std::vector<uint8_t>& bytes);

// Replaces (or creates) the file without ever leaving it half written: the
// bytes go to an unnamed file in the target's folder (or, where there are
// none, one named .varnel-HOST-PID-N.tmp), which is flushed and then renamed
// over the target, keeping its mode and, where allowed, its owner. A symbolic
// link is written through: its final target is replaced, the link stays. A
// file-size limit fails the save instead of ending the process. Temporary
// files that dead processes of this host left in the folder are removed.
// T6_FILE_OK, _CANNOT_OPEN (cannot create or replace; the target is not a
// regular file) or _SHORT_WRITE (a full disk, a file-size limit, a failed
// flush); on failure no temporary file is left and an existing target is
// untouched.
VARNEL_API int32_t replaceFile(const char16_t* path, std::span<const uint8_t> bytes);

} // namespace varnel
