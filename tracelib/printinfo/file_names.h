// File names handed in as 8-bit text, turned into the UTF-8 names the C
// library opens (UTF-16 names go through systemPath). Both '\' and '/'
// separate folders.
#pragma once

#include <string>

namespace varnel {

// 8-bit names are UTF-8 when they are valid UTF-8, else Windows-1252.
std::string localPathFrom8Bit(const char* path);

} // namespace varnel
