// Restores the library-wide settings when a test that changes them ends.
#pragma once

#include "record/settings.h"

#include <string>

namespace varnel::test {

class SettingsGuard {
public:
    SettingsGuard() : saved_(settings()) {}
    ~SettingsGuard() { settings() = saved_; }
    SettingsGuard(const SettingsGuard&) = delete;
    SettingsGuard& operator=(const SettingsGuard&) = delete;

private:
    Settings saved_;
};

inline std::u16string text(const char16_t* s) {
    return s;
}

} // namespace varnel::test
