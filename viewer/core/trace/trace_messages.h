// The messages of trace file operations, as the user reads them in message
// boxes (their line breaks included).
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// Reading a trace file: the text for a non-zero status of DecompFile.
std::string traceReadFailureText(int32_t status);
// Writing a trace file: the text for a non-zero status of a save.
std::string traceWriteFailureText(int32_t status);

extern const char kIllegalIORText[];
extern const char kCannotAnalyzeText[];
extern const char kBackscatterWarningText[];
extern const char kHeaderTemplateErrorText[];
extern const char kHeaderDeletedText[];
extern const char kHeaderReplacedText[];
extern const char kFileWriteErrorText[];
extern const char kFileOpenErrorText[];

} // namespace orvane
