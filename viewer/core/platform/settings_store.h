// Where the user's settings live: sections of named values, each either a
// number or a text. The program uses an INI file (organisation "Brannic",
// application "Tarvisk"); tests use the memory store.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace orvane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Nothing when the value is missing.
    virtual std::optional<std::string> readText(const std::string& section,
                                                const std::string& name) const = 0;
    virtual void writeText(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
    // Makes what was written durable (the INI file is written).
    virtual void flush() {}

    // A number: the default when missing or not a whole decimal number.
    int32_t readInt(const std::string& section, const std::string& name, int32_t fallback) const;
    void writeInt(const std::string& section, const std::string& name, int32_t value);
    std::string readText(const std::string& section, const std::string& name,
                         const std::string& fallback) const;
};

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> readText(const std::string& section,
                                        const std::string& name) const override;
    void writeText(const std::string& section, const std::string& name,
                   const std::string& value) override;
    using SettingsStore::readText;

    const std::map<std::string, std::string>& values() const { return m_values; }
    void clear() { m_values.clear(); }

private:
    static std::string key(const std::string& section, const std::string& name);
    std::map<std::string, std::string> m_values;
};

// "  12 " gives 12; "abc", "", "1x" and numbers beyond 32 bits give nothing.
std::optional<int32_t> parseInt(const std::string& text);

} // namespace orvane
