#include "widgets/platform/ini_settings_store.h"

namespace orvane {

namespace {

constexpr char kOrganisation[] = "Brannic";
constexpr char kApplication[] = "Tarvisk";

QString keyOf(const std::string& section, const std::string& name) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(name);
}

} // namespace

IniSettingsStore::IniSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             kOrganisation, kApplication)) {}

IniSettingsStore::IniSettingsStore(const QString& path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::optional<std::string> IniSettingsStore::readText(const std::string& section,
                                                      const std::string& name) const {
    const QVariant value = m_settings->value(keyOf(section, name));
    if (!value.isValid()) return std::nullopt;
    // A text with commas comes back from the INI form as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    return value.toString().toStdString();
}

void IniSettingsStore::writeText(const std::string& section, const std::string& name,
                                 const std::string& value) {
    m_settings->setValue(keyOf(section, name), QString::fromStdString(value));
}

void IniSettingsStore::flush() {
    m_settings->sync();
}

} // namespace orvane
