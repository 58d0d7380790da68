// The messages of trace file operations, as the user reads them in message
// boxes (their line breaks included).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// Reading a trace file: the text for a non-zero status of DecompFile.
std::string traceReadFailureText(int32_t status);
// Writing a trace file: the text for a non-zero status of a save.
std::string traceWriteFailureText(int32_t status);
// What a reader left out of a file (T6_READ_... bits of GetReadRepairs), one
// text a bit, in bit order.
std::vector<std::string> traceReadRepairTexts(int32_t repairs);
// What a written file could not hold as the record had it (T6_WRITE_... bits
// of GetWriteRepairs), one text a bit, in bit order.
std::vector<std::string> traceWriteRepairTexts(int32_t repairs);

extern const char kIllegalIORText[];
extern const char kCannotAnalyzeText[];
extern const char kBackscatterWarningText[];
extern const char kHeaderTemplateErrorText[];
extern const char kHeaderDeletedText[];
extern const char kHeaderReplacedText[];
extern const char kFileWriteErrorText[];
extern const char kFileOpenErrorText[];

} // namespace orvane
