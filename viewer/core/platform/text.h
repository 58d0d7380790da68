// Text between the library's UTF-16 buffers and the UTF-8 of files, terminals
// and the window layer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Room for any text accessor of the record (the longest field holds 256).
inline constexpr int32_t kTextRoom = 1024;

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);
std::string toUtf8(const char16_t* text);

// 8-bit text to UTF-16: UTF-8 when it is valid, else Windows-1252.
std::u16string toUtf16(std::string_view text);

// Runs of blanks, tabs and new lines become one blank; the ends are trimmed.
std::string collapseBlanks(std::string_view text);

// Blanks, tabs and new lines removed from both ends.
std::string trimmed(std::string_view text);

// Calls a record accessor that writes into a buffer and returns it as UTF-8,
// trimmed at both ends.
template <typename Getter> std::string textOf(Getter&& getter) {
    char16_t buffer[kTextRoom] = {};
    getter(buffer);
    buffer[kTextRoom - 1] = 0;
    return trimmed(toUtf8(buffer));
}

// The file-name part of a path ('/' or '\\').
std::string fileNameOf(std::string_view path);
// The folder part of a path up to its last separator, without it; empty when
// there is none.
std::string directoryOf(std::string_view path);

// ASCII letters compared without case (paths and list words).
bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::string toLower(std::string_view text);

} // namespace orvane
