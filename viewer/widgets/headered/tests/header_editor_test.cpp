// The header template editor in the real main window, offscreen: a template
// opens from File / Open into its window, typing reaches the document, File
// / Save writes it back in its own encoding, and a new template asks.
#include "core/headered/header_doc.h"
#include "core/platform/file_chooser.h"
#include "core/platform/scripted_prompts.h"
#include "core/shell/application_state.h"
#include "widgets/headered/header_frame.h"
#include "widgets/headered/header_view.h"
#include "widgets/platform/ini_settings_store.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace orvane {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        const int key = c == '\r' ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class HeaderEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<COrvaneApp>(
            std::make_unique<IniSettingsStore>(dir.filePath("Tarvisk.ini")));
        app->InitInstance(dir.path(), false);
        prompts = std::make_unique<ScopedPrompts>(scripted);
        app->mainFrame()->resize(1024, 700);
        app->mainFrame()->show();
    }
    void TearDown() override {
        app.reset();
        application().preferences = Preferences();
    }

    CHeaderFrame* activeFrame() const {
        return qobject_cast<CHeaderFrame*>(app->mainFrame()->mdiArea()->activeSubWindow());
    }
    void runFileCommand(const QString& text) {
        for (QAction* action : app->mainFrame()->fileMenu()->actions())
            if (action->text() == text) return action->trigger();
        FAIL() << "no File command " << text.toStdString();
    }

    QTemporaryDir dir;
    std::unique_ptr<COrvaneApp> app;
    ScriptedPrompts scripted;
    std::unique_ptr<ScopedPrompts> prompts;
    ScriptedFileChooser files;
    ScopedFileChooser chooser{files};
};

TEST_F(HeaderEditorTest, OpensATemplateEditsItAndSavesItInItsOwnEncoding) {
    const QString path = dir.filePath("splice.hdr");
    writeFile(path, "Cable : <CID     >\r\nSite\x82 : @@@@@@\r\n");
    ASSERT_TRUE(app->OpenDocumentFile(path));
    CHeaderFrame* frame = activeFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "splice.hdr[*]");
    EXPECT_EQ(frame->view()->toPlainText(), "Cable : <CID     >\nSite\u00E9 : @@@@@@\n");
    EXPECT_FALSE(frame->isWindowModified());
    // A template window shows none of the trace bars.
    for (QToolBar* bar : app->mainFrame()->findChildren<QToolBar*>())
        EXPECT_FALSE(bar->windowTitle() == "Zoom" && bar->isVisible());

    frame->view()->moveCursor(QTextCursor::End);
    type(frame->view(), "Op\u00E9\r");
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(frame->document()->GetText(),
              u"Cable : <CID     >\r\nSite\u00E9 : @@@@@@\r\nOp\u00E9\r\n");

    runFileCommand("&Save");
    EXPECT_TRUE(scripted.empty());
    EXPECT_EQ(readFile(path), "Cable : <CID     >\r\nSite\x82 : @@@@@@\r\nOp\x82\r\n");
    EXPECT_FALSE(frame->isWindowModified());
}

// What follows a zero byte was never converted: an edit elsewhere keeps it.
TEST_F(HeaderEditorTest, AnEditKeepsTheBytesAfterAZeroByteAndLoneCarriageReturns) {
    const QString path = dir.filePath("zero.hdr");
    writeFile(path, QByteArray("A\rB\n\0\x82\x80", 7));
    ASSERT_TRUE(app->OpenDocumentFile(path));
    CHeaderFrame* frame = activeFrame();
    ASSERT_NE(frame, nullptr);
    frame->view()->moveCursor(QTextCursor::Start);
    type(frame->view(), "x");
    runFileCommand("&Save");
    EXPECT_EQ(readFile(path), QByteArray("xA\rB\n\0\x82\x80", 8));
}

TEST_F(HeaderEditorTest, ANewTemplateAsksForItsEncodingAndHoldsAt40960Characters) {
    runFileCommand("&New Header Template");
    CHeaderFrame* frame = activeFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Header Template1[*]");

    // A paste beyond the limit keeps what fits, a line break counting two.
    type(frame->view(), "ab\r");
    frame->view()->insertPlainText(QString(50000, 'x'));
    EXPECT_EQ(frame->document()->GetText().size(), 40960u);
    type(frame->view(), "y");
    EXPECT_EQ(frame->document()->GetText().size(), 40960u);

    scripted.queue(PromptAnswer::No);
    files.queueSave({dir.filePath("wide").toStdString(), 0});
    runFileCommand("&Save");
    ASSERT_EQ(scripted.asked().size(), 1u);
    EXPECT_EQ(scripted.asked()[0].text,
              "Save the Header Template in Brannic 77 format?\n  (No selects Unicode format.)");
    const QByteArray saved = readFile(dir.filePath("wide.HDR"));
    EXPECT_EQ(saved.size(), 2 + 2 * 40960);
    EXPECT_TRUE(saved.startsWith("\xFF\xFE"
                                 "a\0b\0\r\0\n\0x\0"));
    EXPECT_EQ(frame->windowTitle(), "wide.HDR[*]");
}

TEST_F(HeaderEditorTest, ClosingAModifiedTemplateAsksAndCancelKeepsTheWindow) {
    runFileCommand("&New Header Template");
    CHeaderFrame* frame = activeFrame();
    ASSERT_NE(frame, nullptr);
    type(frame->view(), "x");
    scripted.queue(PromptAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(scripted.texts().back(), "Save changes to Header Template1?");
    scripted.queue(PromptAnswer::No);
    EXPECT_TRUE(frame->close());
    QApplication::processEvents();
    EXPECT_EQ(app->mainFrame()->mdiArea()->subWindowList().size(), 0);
}

} // namespace
} // namespace orvane
