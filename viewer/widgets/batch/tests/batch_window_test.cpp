// Batch Process... in the real main window, offscreen, on the bundled
// samples: the dialog is answered, the batch copies the graph's view and
// measures the ORL of every trace, keeps the displayed ones' changes and
// lets the others go.
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "core/trace/trace_doc.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/batch/batch_commands.h"
#include "widgets/batch/batch_dialog.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/tracelist/trace_list_frame.h"
#include "widgets/tracelist/trace_list_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

TEST(BatchWindow, BatchProcessRunsOverTheSelectedTracesOfTheWindow) {
    const QString first = ORVANE_SAMPLE_TRACES "/NORSOU13.001";
    if (!std::filesystem::exists(first.toStdString())) GTEST_SKIP() << "bundled samples not built";
    QTemporaryDir dir;
    auto app = std::make_unique<COrvaneApp>(
        std::make_unique<IniSettingsStore>(dir.filePath("Tarvisk.ini")));
    app->InitInstance(dir.path(), false);
    app->mainFrame()->resize(1280, 800);
    app->mainFrame()->show();
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    QStringList paths;
    for (int i = 1; i <= 10; ++i)
        paths << QString(ORVANE_SAMPLE_TRACES "/NORSOU13.%1").arg(i, 3, 10, QChar('0'));
    ASSERT_TRUE(app->OpenFiles(paths));
    CTraceListFrame* frame = app->mainFrame()->activeListFrame();
    ASSERT_NE(frame, nullptr);
    frame->listView()->rows().selectAll();

    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<CBatchDialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "the batch dialog is not the modal window";
            if (modal) modal->close(); // never leave the test waiting
            return;
        }
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
            const QString text = box->text();
            box->setChecked(text == "Copy Current View." || text == "Calculate ORL" ||
                            dialog->minMaxSummary() == box);
        }
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    RunBatchCommand(*frame);

    EXPECT_TRUE(batch::lastBatchSettings().copyView);
    ASSERT_FALSE(prompts.empty());
    EXPECT_EQ(prompts.asked().back().icon, PromptIcon::Information);
    const TraceListRows& rows = frame->listView()->rows();
    for (size_t r = 0; r < rows.size(); ++r) {
        const CTraceListEntry* entry = rows.entryAt(r);
        EXPECT_EQ(entry->document != nullptr, entry->displayed) << r;
        if (entry->displayed) {
            EXPECT_TRUE(entry->document->isModified()) << r;
        }
    }
    app.reset();
    application().preferences = Preferences();
    batch::lastBatchSettings() = batch::BatchSettings();
}

} // namespace
} // namespace orvane
