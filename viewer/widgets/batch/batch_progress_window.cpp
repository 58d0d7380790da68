#include "widgets/batch/batch_progress_window.h"

#include <QCoreApplication>

#include <algorithm>

namespace orvane {

void BatchProgressWindow::start(const std::string& title, int total) {
    m_dialog = std::make_unique<QProgressDialog>(QString(), QObject::tr("Cancel"), 0,
                                                 std::max(total, 1), m_owner);
    m_dialog->setWindowTitle(QString::fromStdString(title));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setValue(0);
    m_dialog->show();
    QCoreApplication::processEvents();
    m_sinceRefresh.invalidate(); // the first trace is shown at once
}

void BatchProgressWindow::step(int done, const std::string& text) {
    if (!m_dialog) return;
    if (m_sinceRefresh.isValid() && m_sinceRefresh.elapsed() < kRefreshMilliseconds) return;
    m_dialog->setLabelText(QString::fromStdString(text));
    m_dialog->setValue(done);
    QCoreApplication::processEvents();
    m_sinceRefresh.start();
}

bool BatchProgressWindow::cancelled() const {
    return m_dialog && m_dialog->wasCanceled();
}

void BatchProgressWindow::finish() {
    m_dialog.reset();
}

} // namespace orvane
