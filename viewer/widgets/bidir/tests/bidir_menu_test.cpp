// The wizard and the report export reached through the main window's menus,
// offscreen, on a copy of the bundled cable's 1310 nm traces: the templates
// are written beside the traces and listed, the traces saved, the reports
// shown; a report of the selection is exported as text.
#include "core/bidir/stored_report_settings.h"
#include "core/platform/file_chooser.h"
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/bidir/report_window.h"
#include "widgets/bidir/splice_loss_wizard_dialog.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace orvane {
namespace {

namespace fs = std::filesystem;

QAction* menuAction(QWidget* owner, const QString& text) {
    for (QAction* action : owner->findChildren<QAction*>())
        if (action->text().remove('&') == text) return action;
    return nullptr;
}

// Runs what a modal dialog needs once it is up (exec() blocks the caller).
template <typename Dialog> void whenModal(std::function<void(Dialog&)> handle) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        handle(*dialog);
    });
    timer->start(10);
}

class BidirMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(ORVANE_SAMPLE_TRACES)) GTEST_SKIP() << "bundled samples not built";
        for (const auto& entry : fs::directory_iterator(ORVANE_SAMPLE_TRACES))
            if (entry.path().filename().string().find("13.") == 6) {
                const fs::path copy =
                    fs::path(cable.path().toStdString()) / entry.path().filename();
                fs::copy_file(entry.path(), copy);
                files << QString::fromStdString(copy.string());
            }
        files.sort();
        app = std::make_unique<COrvaneApp>(
            std::make_unique<IniSettingsStore>(settings.filePath("Tarvisk.ini")));
        app->InitInstance(settings.path(), false);
        app->mainFrame()->show();
        installed = std::make_unique<ScopedPrompts>(prompts);
        chooserInstalled = std::make_unique<ScopedFileChooser>(chooser);
        application().preferences.saveTracePrompt = 0;
        ASSERT_TRUE(app->OpenFiles(files));
        frame = app->mainFrame()->activeListFrame();
        ASSERT_NE(frame, nullptr);
        frame->selectAll();
    }
    void TearDown() override {
        chooserInstalled.reset();
        installed.reset();
        app.reset();
        application().preferences = Preferences();
        bidir::storedReportSettings() = {};
    }

    QTemporaryDir cable, settings;
    QStringList files;
    ScriptedPrompts prompts;
    ScriptedFileChooser chooser;
    std::unique_ptr<COrvaneApp> app;
    std::unique_ptr<ScopedPrompts> installed;
    std::unique_ptr<ScopedFileChooser> chooserInstalled;
    CTraceListFrame* frame = nullptr;
};

TEST_F(BidirMenuTest, AutoBiDirBuildsListsAndReportsAndExportReportWritesTheChosenOne) {
    ASSERT_EQ(files.size(), 24);
    prompts.queue(PromptAnswer::Yes); // "Do you want to continue?"
    for (int i = 0; i < 8; ++i)
        prompts.queue(PromptAnswer::Ok); // the once-only warnings
    const auto modifiedBefore = fs::last_write_time(files.front().toStdString());
    whenModal<CAuto1BiDirDialog>([](CAuto1BiDirDialog& dialog) {
        dialog.convention()->setText("AAABBB__.###");
        for (int page = 1; page < dialog.tabs()->count(); ++page) {
            dialog.tabs()->setCurrentIndex(page);
            EXPECT_EQ(dialog.tabs()->currentIndex(), page);
        }
        dialog.runButton()->click();
    });
    QAction* auto1Bi = menuAction(app->mainFrame()->menuBar(), "Auto Bi-Dir");
    ASSERT_NE(auto1Bi, nullptr);
    ASSERT_NE(menuAction(app->mainFrame()->menuBar(), "Auto 1-Dir"), nullptr);
    auto1Bi->trigger();
    ASSERT_FALSE(prompts.texts().empty());
    EXPECT_EQ(prompts.texts().front(), "Do you want to continue?");

    // Both templates lie beside the traces and joined the list.
    for (const char* name : {"NORSOU13.SST", "SOUNOR13.SST"}) {
        const std::string path = (fs::path(cable.path().toStdString()) / name).string();
        EXPECT_TRUE(fs::exists(path)) << name;
        EXPECT_NE(frame->list()->FindTrace(path), nullptr) << name;
    }
    EXPECT_EQ(frame->list()->EntryCount(), 26u);
    EXPECT_NE(fs::last_write_time(files.front().toStdString()), modifiedBefore);
    EXPECT_EQ(application().preferences.fileNameConv, "AAABBB__");

    auto* reports = app->mainFrame()->findChild<CReportWindow*>();
    ASSERT_NE(reports, nullptr);
    QStringList titles;
    for (int i = 0; i < reports->tabs()->count(); ++i)
        titles << reports->tabs()->tabText(i);
    EXPECT_EQ(titles,
              QStringList({"Exception Report", "Smart Splice Template Report",
                           "Smart Splice Template Report", "Bi-Dir Splice Loss Summary Report"}));

    // File / Export Report... over the 24 traces still selected.
    frame->listView()->rows().clearSelection();
    for (size_t row = 0; row < frame->listView()->rows().size(); ++row)
        if (!frame->listView()->rows().entryAt(row)->path.ends_with(".SST"))
            frame->listView()->rows().setSelected(row, true);
    const std::string out = (fs::path(cable.path().toStdString()) / "acceptance").string();
    chooser.queueSave({out, 0});
    whenModal<QInputDialog>([](QInputDialog& choice) {
        choice.setTextValue("Fiber Acceptance");
        choice.accept();
    });
    QAction* exportReport = menuAction(app->mainFrame(), "Export Report...");
    ASSERT_NE(exportReport, nullptr);
    exportReport->trigger();
    ASSERT_EQ(chooser.saveRequests().size(), 1u);
    EXPECT_EQ(chooser.saveRequests()[0].title, "Enter/select Export File");
    QFile text(QString::fromStdString(out + ".TXT"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(text.readAll()).split("\r\n");
    EXPECT_EQ(lines.front(), "Fiber Acceptance Report");
    EXPECT_EQ(lines.filter(QRegularExpression("^    0\\d\\d\\t")).size(), 12);
}

TEST_F(BidirMenuTest, NothingSelectedIsToldAndNoDialogOpens) {
    frame->listView()->rows().clearSelection();
    menuAction(app->mainFrame()->menuBar(), "Auto 1-Dir")->trigger();
    ASSERT_EQ(prompts.texts().size(), 1u);
    EXPECT_EQ(prompts.texts()[0], "No Trace to process.");
}

} // namespace
} // namespace orvane
