// The application offscreen: a trace opens into its window, Save As changes
// its title mark, and exit writes the settings into the INI file.
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/trace/trace_frame.h"
#include "widgets/trace/trace_info_view.h"

#include <QMdiArea>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

const std::string kSample = std::string(ORVANE_SAMPLE_TRACES) + "/NORSOU13.001";

TEST(OrvaneApp, OpensATraceIntoItsWindowAndWritesTheSettingsAtExit) {
    if (!std::filesystem::exists(kSample)) GTEST_SKIP() << "bundled samples not built";
    QTemporaryDir dir;
    const QString ini = dir.filePath("Tarvisk.ini");
    {
        COrvaneApp app(std::make_unique<IniSettingsStore>(ini));
        app.InitInstance(dir.path(), false);
        ScriptedPrompts prompts;
        ScopedPrompts installed(prompts);
        ASSERT_TRUE(app.OpenDocumentFile(QString::fromStdString(kSample)));
        EXPECT_FALSE(app.OpenDocumentFile(dir.filePath("none.sor")));
        EXPECT_EQ(prompts.texts().size(), 1u);

        const auto windows = app.mainFrame()->mdiArea()->subWindowList();
        ASSERT_EQ(windows.size(), 1);
        auto* frame = qobject_cast<CTraceFrame*>(windows.front());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->windowTitle(), "NORSOU13.001[*]");
        const int32_t events = frame->document()->record().EVCount();
        EXPECT_EQ(frame->infoView()->eventTable()->rowCount(), events - 1);

        // A change marks the window; the views repaint once the queue runs.
        frame->document()->SetACursorKM(1.0);
        EXPECT_TRUE(frame->isWindowModified());
        application().preferences.distanceUnits = T6_UNIT_M;
        app.ExitInstance();
        application().preferences = Preferences();
    }
    QSettings written(ini, QSettings::IniFormat);
    EXPECT_EQ(written.value("Preferences/Distance Units").toString(), "Meters");
    EXPECT_EQ(written.value("Preferences/Batch Size").toString(), "8");
    EXPECT_EQ(written.value("FASTemplate/PercentDis").toString(), "200");
    EXPECT_TRUE(written.contains("Main Frame/Position"));
}

} // namespace
} // namespace orvane
