// Opening and saving trace files the way the desktop viewer's trace document
// does, with every failure turned into its message.
#pragma once

#include "diagnostics.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::cli {

// Index of the record's trace type in the table of trace formats (0 "?" to
// 15 "SR4731"); a type that is none of rows 1-15 counts as native (14).
int32_t traceFormatIndex(const CT6& record);

// The format name FileSaveAs takes to write a trace of that index in its own
// format; empty when that format cannot be written.
std::u16string saveFormatName(int32_t formatIndex);

// The warnings for a record's read repairs (T6_READ_... bits).
std::vector<std::string> readRepairTexts(int32_t repairs);

// Reads the file into the record. On failure the message is reported under
// the path and false returned. What the reader left out is warned of. An
// index of refraction outside 1.3-1.7 is set to the nearer of the two, with
// a warning; a trace without a stored attenuation then gets one calculated.
bool openTrace(const std::string& path, CT6& record, Diagnostics& diagnostics);

// Writes the record to path in the named format (see FileSaveAs), replacing
// the file only once it is complete. A target that exists and is read-only is
// refused before anything is written.
bool saveTrace(CT6& record, const std::string& path, const std::u16string& formatName,
               Diagnostics& diagnostics);

// True when path exists and may not be written (no write permission for
// anyone counts as read-only, even for the superuser).
bool isWriteDenied(const std::string& path);

} // namespace varnel::cli
