// The messages a person reads for the statuses of trace file operations.
#pragma once

#include <cstdint>
#include <string>

namespace varnel::cli {

// Reading a trace file: the text for a non-zero status of DecompFile.
std::string readFailureText(int32_t status);

// Writing a trace file: the text for a non-zero status of FileSaveAs.
std::string writeFailureText(int32_t status);

// Why a file cannot be opened for reading ("No such file or directory",
// "Is a directory", "not a regular file (a FIFO)", "larger than 64 MB, ...");
// empty when no reason shows.
std::string openFailureReason(const std::string& path);

// Where reading a damaged SR-4731 file stopped ("Reading stopped in block
// \"KeyEvents\" at offset 5120."); empty for other files.
std::string damageWhere(const std::string& path);

// A save refused because the target exists and may not be written.
std::string accessDeniedText(const std::string& path);

} // namespace varnel::cli
