// Languages: the French file beside the program translates the window and
// the core's messages; a missing language file is told once and English is
// written back at exit.
#include "core/shell/application_state.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane {
namespace {

QStringList menuTitles(const CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << action->text();
    return titles;
}

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override {
        application().preferences = Preferences();
        QLocale::setDefault(QLocale::c());
    }
    QString ini() const { return dir.filePath("Tarvisk.ini"); }
    void setLanguage(const QString& code) {
        QSettings settings(ini(), QSettings::IniFormat);
        settings.setValue("Preferences/PgmLanguage", code);
    }

    QTemporaryDir dir;
};

TEST_F(LanguageTest, TheFrenchFileTranslatesMenusAndBars) {
    setLanguage("FRA");
    COrvaneApp app(std::make_unique<IniSettingsStore>(ini()));
    app.InitInstance(ORVANE_PROGRAM_DIR, false);
    EXPECT_EQ(menuTitles(*app.mainFrame()),
              (QStringList{"&Fichier", "&En-tête", "É&vénement", "&Trace", "&Affichage",
                           "Auto &1-Dir", "Auto &Bi-Dir"}));
    EXPECT_EQ(QLocale().language(), QLocale::French);
    EXPECT_EQ(QCoreApplication::translate("Messages", "Unexpected file format."),
              "Format de fichier inattendu.");
    // The graph's own texts: information bar, status line, loss modes.
    EXPECT_EQ(QCoreApplication::translate("orvane::graph::TraceInfoBar", "Range"), "Portée");
    EXPECT_EQ(QCoreApplication::translate("GraphStatus", "Display From Origin"),
              "Affichage depuis l'origine");
    EXPECT_EQ(QCoreApplication::translate("DisplayStrings", "Splice Loss"), "Perte d'épissure");
    // Batch and print dialogs.
    EXPECT_EQ(QCoreApplication::translate("orvane::CBatchDialog", "Batch Trace Processing"),
              "Traitement des traces par lot");
    EXPECT_EQ(QCoreApplication::translate("orvane::printing::CPageLayoutDialog", "Page Layout"),
              "Mise en page");
}

TEST_F(LanguageTest, AMissingLanguageFileFallsBackToEnglishAfterOneMessage) {
    setLanguage("DEU");
    {
        COrvaneApp app(std::make_unique<IniSettingsStore>(ini()));
        // Without interaction the message goes to stderr.
        ::testing::internal::CaptureStderr();
        app.InitInstance(dir.path(), false);
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(told.find("Cannot load the program language file :"), std::string::npos) << told;
        EXPECT_NE(told.find("OTDRDEU.qm"), std::string::npos);
        EXPECT_EQ(menuTitles(*app.mainFrame()).front(), "&File");
        app.ExitInstance();
    }
    QSettings written(ini(), QSettings::IniFormat);
    EXPECT_EQ(written.value("Preferences/PgmLanguage").toString(), "ENU");
}

} // namespace
} // namespace orvane
