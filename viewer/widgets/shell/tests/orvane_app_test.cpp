// The application offscreen: a trace opens into a new trace list, its own
// window shows it, and exit writes the settings into the INI file.
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_bars.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/trace/properties/trace_properties_view.h"
#include "widgets/trace/trace_frame.h"
#include "widgets/tracelist/trace_list_frame.h"

#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

const std::string kSample = std::string(ORVANE_SAMPLE_TRACES) + "/NORSOU13.001";

TEST(OrvaneApp, OpensFilesAndFoldersByTheirNamesByteForByte) {
    if (!std::filesystem::exists(kSample)) GTEST_SKIP() << "bundled samples not built";
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/traces";
    std::filesystem::create_directory(folder);
    const std::string name = folder + "/caf\xe9 a\\b.001"; // Latin-1, with a backslash
    std::filesystem::copy_file(kSample, name);
    COrvaneApp app(std::make_unique<IniSettingsStore>(dir.filePath("Tarvisk.ini")));
    app.InitInstance(dir.path(), false);
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    EXPECT_TRUE(app.OpenPaths({name}));
    EXPECT_TRUE(app.OpenPaths({folder}));
    EXPECT_TRUE(prompts.texts().empty());
}

TEST(OrvaneApp, OpensATraceIntoItsWindowAndWritesTheSettingsAtExit) {
    if (!std::filesystem::exists(kSample)) GTEST_SKIP() << "bundled samples not built";
    QTemporaryDir dir;
    const QString ini = dir.filePath("Tarvisk.ini");
    {
        COrvaneApp app(std::make_unique<IniSettingsStore>(ini));
        app.InitInstance(dir.path(), false);
        ScriptedPrompts prompts;
        ScopedPrompts installed(prompts);
        EXPECT_FALSE(app.OpenDocumentFile(dir.filePath("none.sor")));
        EXPECT_EQ(prompts.texts().size(), 1u);
        ASSERT_TRUE(app.OpenDocumentFile(QString::fromStdString(kSample)));

        // The trace opens alone in a new trace list, displayed as its primary.
        const auto windows = app.mainFrame()->mdiArea()->subWindowList();
        ASSERT_EQ(windows.size(), 1);
        auto* frame = qobject_cast<CTraceListFrame*>(windows.front());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->windowTitle(), "Trace List2[*]"); // the first held the missing file
        ASSERT_NE(frame->list()->Primary(), nullptr);
        EXPECT_EQ(frame->graphView()->Graph().CurveCount(), 1);

        // Trace / Properties opens the trace's window; closing it lets go.
        frame->commands().Properties();
        auto* trace =
            qobject_cast<CTraceFrame*>(app.mainFrame()->mdiArea()->subWindowList().back());
        ASSERT_NE(trace, nullptr);
        EXPECT_EQ(trace->windowTitle(), "NORSOU13.001[*]");
        const int32_t events = trace->document()->record().EVCount();
        EXPECT_EQ(trace->infoView()->eventTable()->count(), events - 1);
        trace->document()->SetACursorKM(1.0);
        EXPECT_TRUE(trace->isWindowModified());
        EXPECT_EQ(frame->list()->Primary()->useCount, 2);
        trace->close();
        EXPECT_EQ(frame->list()->Primary()->useCount, 1);
        // The File menu lists the trace first among the recent files.
        QMenu* file = app.mainFrame()->menuBar()->findChild<QMenu*>();
        ASSERT_NE(file, nullptr);
        emit file->aboutToShow();
        QStringList entries;
        for (QAction* action : file->actions())
            if (action->text().startsWith("&1 ")) entries << action->text();
        EXPECT_EQ(entries, QStringList{"&1 " + QString::fromStdString(kSample)});

        // Every button of the trace bars has its artwork; without an X
        // server the lock panes claim nothing.
        for (const char* bar : {"View", "Cursor", "Zoom"})
            for (QAction* action : app.mainFrame()->findChild<QToolBar*>(bar)->actions())
                EXPECT_FALSE(action->icon().pixmap(16).isNull()) << action->text().toStdString();
        for (QLabel* pane : app.mainFrame()->bars()->lockPanes())
            EXPECT_TRUE(pane->text().isEmpty());
        application().preferences.distanceUnits = T6_UNIT_M;
        app.ExitInstance();
        application().recentFiles = RecentFileList();
        application().preferences = Preferences();
    }
    QSettings written(ini, QSettings::IniFormat);
    EXPECT_EQ(written.value("Preferences/Distance Units").toString(), "Meters");
    EXPECT_EQ(written.value("Preferences/Batch Size").toString(), "8");
    EXPECT_EQ(written.value("FASTemplate/PercentDis").toString(), "200");
    EXPECT_TRUE(written.contains("Main Frame/Position"));
    EXPECT_EQ(written.value("Main Frame/Event Window").toString(), "Off");
    EXPECT_EQ(written.value("Main Frame/TraceList Bar").toString(), "On");
    EXPECT_EQ(written.value("Toolbars-Summary/Bars").toString(), "9");
    EXPECT_EQ(written.value("Recent File List/File1").toString(), QString::fromStdString(kSample));
}

} // namespace
} // namespace orvane
