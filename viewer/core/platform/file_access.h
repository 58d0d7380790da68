// Checks before writing a file, and writing one so that a failure never
// leaves it half-written.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <span>
#include <string>

namespace orvane {

// True when the file exists and may not be written (no write permission for
// anyone counts as read-only, even for the superuser).
bool isReadOnlyFile(const std::string& path);

// The save-dialog check: on the instrument a path on drive C is refused;
// everywhere an existing file that cannot be written is refused. A refusal
// is told through the prompts ("Access to %s was denied.") and gives true.
bool isWriteDenied(const std::string& path, bool onInstrument);

std::string accessDeniedText(const std::string& what);

// A path as the library takes it: every byte of the name is kept, also where
// it is not UTF-8, and a name with a '\\' in it that exists stays that name.
std::u16string libraryPath(const std::string& path);

// Replaces the file through the library (varnel::replaceFile): the old file
// stays until the new one is complete on disk, a symbolic link is written
// through, and nothing is left behind. The result is a file status of the
// trace library (T6_FILE_...).
int32_t replaceFileContents(const std::string& path, std::span<const uint8_t> bytes);

bool fileExists(const std::string& path);
// Removes a file; errors are ignored.
void removeFile(const std::string& path);

} // namespace orvane
