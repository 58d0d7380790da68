#include "widgets/shell/on_screen_keyboard.h"

#include <QDir>
#include <QFileInfo>

namespace orvane {

void OnScreenKeyboard::show() {
    if (m_process.state() != QProcess::NotRunning) return;
    const QString home = qEnvironmentVariable("NORVAK8_HOME");
    if (home.isEmpty()) return;
    const QString folder = QDir(home).filePath("bin");
    const QString program = QDir(folder).filePath(kKeyboardProgram);
    if (!QFileInfo(program).isExecutable()) return;
    m_process.setWorkingDirectory(folder);
    m_process.start(program, {});
}

void OnScreenKeyboard::close() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(kKeyboardCloseWaitMs)) m_process.kill();
    m_process.waitForFinished(kKeyboardCloseWaitMs);
}

} // namespace orvane
