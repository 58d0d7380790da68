#include "core/platform/settings_store.h"

#include "core/platform/text.h"

#include <charconv>

namespace orvane {

std::optional<int32_t> parseInt(const std::string& text) {
    const std::string trimmedText = trimmed(text);
    const char* first = trimmedText.data();
    const char* last = first + trimmedText.size();
    if (first != last && *first == '+') ++first;
    int32_t value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

int32_t SettingsStore::readInt(const std::string& section, const std::string& name,
                               int32_t fallback) const {
    const std::optional<std::string> text = readText(section, name);
    if (!text) return fallback;
    return parseInt(*text).value_or(fallback);
}

void SettingsStore::writeInt(const std::string& section, const std::string& name, int32_t value) {
    writeText(section, name, std::to_string(value));
}

std::string SettingsStore::readText(const std::string& section, const std::string& name,
                                    const std::string& fallback) const {
    return readText(section, name).value_or(fallback);
}

std::string MemorySettingsStore::key(const std::string& section, const std::string& name) {
    return section + '\n' + name;
}

std::optional<std::string> MemorySettingsStore::readText(const std::string& section,
                                                         const std::string& name) const {
    auto it = m_values.find(key(section, name));
    if (it == m_values.end()) return std::nullopt;
    return it->second;
}

void MemorySettingsStore::writeText(const std::string& section, const std::string& name,
                                    const std::string& value) {
    m_values[key(section, name)] = value;
}

} // namespace orvane
