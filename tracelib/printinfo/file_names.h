// File names handed in as UTF-16 or as 8-bit text, turned into the UTF-8
// names the C library opens. Both '\' and '/' separate folders.
#pragma once

#include <string>

namespace varnel {

std::string localPathFromWide(const char16_t* path);

// 8-bit names are UTF-8 when they are valid UTF-8, else Windows-1252.
std::string localPathFrom8Bit(const char* path);

} // namespace varnel
