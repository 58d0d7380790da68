#include "widgets/shell/language_files.h"

#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "core/shell/languages.h"
#include "core/shell/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace orvane {

namespace {

struct LanguageLocale {
    const char* code;
    QLocale::Language language;
    QLocale::Territory territory;
};

constexpr LanguageLocale kLocales[] = {
    {"FRA", QLocale::French, QLocale::France},     {"ESP", QLocale::Spanish, QLocale::Spain},
    {"DEU", QLocale::German, QLocale::Germany},    {"ITA", QLocale::Italian, QLocale::Italy},
    {"CHT", QLocale::Chinese, QLocale::Taiwan},    {"CHS", QLocale::Chinese, QLocale::China},
    {"KOR", QLocale::Korean, QLocale::SouthKorea}, {"JPN", QLocale::Japanese, QLocale::Japan},
    {"ESM", QLocale::Spanish, QLocale::Mexico},    {"PTG", QLocale::Portuguese, QLocale::Portugal},
    {"RUS", QLocale::Russian, QLocale::Russia},    {"SVE", QLocale::Swedish, QLocale::Sweden},
    {"PTB", QLocale::Portuguese, QLocale::Brazil},
};

QLocale localeOf(const std::string& code) {
    for (const LanguageLocale& l : kLocales)
        if (equalsIgnoringCase(code, l.code)) return QLocale(l.language, l.territory);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

void LanguageFiles::load(const QString& programDirectory, Preferences& preferences) {
    const QDir folder(programDirectory);
    if (!equalsIgnoringCase(preferences.pgmLanguage, kEnglishCode)) {
        const QString file =
            folder.filePath("OTDR" + QString::fromStdString(preferences.pgmLanguage) + ".qm");
        if (m_program.load(file)) {
            QCoreApplication::installTranslator(&m_program);
            const QLocale locale = localeOf(preferences.pgmLanguage);
            QLocale::setDefault(locale);
            if (m_qt.load(locale, "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_qt);
        } else {
            tell("", kCannotLoadLanguage + file.toStdString());
            preferences.pgmLanguage = kEnglishCode;
        }
    }
    m_helpFile = folder.filePath(kEnglishHelpFile);
    if (!equalsIgnoringCase(preferences.hlpLanguage, kEnglishCode)) {
        const QString file =
            folder.filePath("OTDR" + QString::fromStdString(preferences.hlpLanguage) + ".HLP");
        if (QFileInfo(file).isFile()) {
            m_helpFile = file;
        } else {
            tell("", kCannotFindHelp + file.toStdString());
            preferences.hlpLanguage = kEnglishCode;
        }
    }
}

} // namespace orvane
