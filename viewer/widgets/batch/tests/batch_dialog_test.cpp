// The batch dialog driven offscreen: its OK runs the checks, and the batch
// it sets up runs over a trace list with the progress window.
#include "core/batch/batch_run.h"
#include "core/batch/tests/batch_fixture.h"
#include "widgets/batch/batch_dialog.h"
#include "widgets/batch/batch_progress_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>
#include <fstream>

namespace orvane {
namespace {

class BatchDialogTest : public test::BatchListTest {
protected:
    static void pressOk(CBatchDialog& dialog) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
};

TEST_F(BatchDialogTest, AcceptedSettingsRunABatchWithItsReportAndSummary) {
    const TraceEntries entries =
        listed({writeFibre("a.T6", {1.0, 2.0}), writeFibre("b.T6", {3.0})});
    CBatchDialog dialog(batch::BatchSettings{});
    dialog.generateReport()->setChecked(true);
    dialog.reportFolder()->setText(QString::fromStdString(at("")));
    dialog.reportFileName()->setText("cable.txt");
    dialog.layoutButton(batch::kLayoutTessan)->setChecked(true);
    dialog.analyze()->setChecked(true);
    dialog.minMaxSummary()->setChecked(true);
    pressOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);

    const batch::BatchSettings settings = dialog.settings();
    EXPECT_EQ(settings.reportPath(), at("cable.txt"));
    EXPECT_EQ(settings.reportLayout, batch::kLayoutTessan);
    BatchProgressWindow progress(nullptr);
    const batch::BatchRun run = batch::RunBatch(*list, entries, settings, nullptr, progress);
    EXPECT_EQ(run.processed, 2);
    EXPECT_EQ(progress.dialog(), nullptr); // closed at the end
    std::ifstream report(at("cable.txt"));
    int lines = 0;
    for (std::string line; std::getline(report, line);)
        ++lines;
    EXPECT_GE(lines, 1 + 4 + 3);
    EXPECT_EQ(scripted.asked().back().icon, PromptIcon::Information);
}

TEST_F(BatchDialogTest, SaveNotConfirmedKeepsTheDialogOpen) {
    CBatchDialog dialog(batch::BatchSettings{});
    dialog.findChildren<QCheckBox*>().back()->setChecked(true); // "Save Traces as"
    scripted.queue(PromptAnswer::No);
    pressOk(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.asked()[0].text, batch::kSaveTracesQuestion);
}

} // namespace
} // namespace orvane
