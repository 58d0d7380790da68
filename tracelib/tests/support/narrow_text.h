// The library's UTF-16 texts as plain strings, for comparing in tests.
#pragma once

#include <string>

inline std::string narrow(const char16_t* s) {
    std::string out;
    for (; *s; ++s)
        out += *s < 0x80 ? static_cast<char>(*s) : '?';
    return out;
}
