// Whole-file reading and safe replacement of trace files, by UTF-16 path.
// Paths accept both '\' and '/' as separators.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace varnel {

// The path as the operating system takes it: UTF-8, with '\' turned into '/'.
std::string systemPath(const char16_t* path);

// Reads the whole file: status 0, 9 (cannot open), 2 (too large for memory)
// or 1 (fewer bytes than the file's size).
int32_t readWholeFile(const char16_t* path, std::vector<uint8_t>& bytes);

// Replaces (or creates) the file without ever leaving it half written: the
// bytes go to a temporary file in the target's folder, which is flushed and
// then renamed over the target. Status 0, 9 (cannot create or replace) or
// 10 (short write); on failure the temporary file is gone and an existing
// target is untouched.
int32_t replaceFile(const char16_t* path, std::span<const uint8_t> bytes);

} // namespace varnel
