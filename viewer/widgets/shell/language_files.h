// The user-interface language: the translation file "OTDR" + code beside the
// program (OTDRFRA.qm), with Qt's own translations of its dialogs, and the
// help file of the language. A missing file is told once and the program
// goes on in English, which is written back at exit.
#pragma once

#include <QString>
#include <QTranslator>

namespace orvane {

struct Preferences;

inline constexpr char kCannotLoadLanguage[] = "Cannot load the program language file :\n";
inline constexpr char kCannotFindHelp[] = "Cannot find the help language file :\n";
inline constexpr char kEnglishHelpFile[] = "TarviskPlus.HLP";

class LanguageFiles {
public:
    // Reads "PgmLanguage" and "HlpLanguage" from the preferences and falls
    // them back to "ENU" when their files are missing.
    void load(const QString& programDirectory, Preferences& preferences);

    const QString& helpFile() const { return m_helpFile; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    QString m_helpFile;
};

} // namespace orvane
