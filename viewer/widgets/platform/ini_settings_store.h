// The settings store of the program: an INI file through QSettings,
// organisation "Brannic", application "Tarvisk" (on Linux
// $XDG_CONFIG_HOME/Brannic/Tarvisk.ini), one INI section per settings section.
#pragma once

#include "core/platform/settings_store.h"

#include <QSettings>

#include <memory>

namespace orvane {

class IniSettingsStore : public SettingsStore {
public:
    // The user's store.
    IniSettingsStore();
    // A given file (tests, --settings).
    explicit IniSettingsStore(const QString& path);

    std::optional<std::string> readText(const std::string& section,
                                        const std::string& name) const override;
    void writeText(const std::string& section, const std::string& name,
                   const std::string& value) override;
    void flush() override;
    using SettingsStore::readText;

    QString fileName() const { return m_settings->fileName(); }

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace orvane
