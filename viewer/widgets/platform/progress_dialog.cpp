#include "widgets/platform/progress_dialog.h"

#include <QCoreApplication>

namespace orvane {

void ProgressDialog::start(const std::string& title, int total) {
    m_dialog = std::make_unique<QProgressDialog>(QString::fromStdString(title),
                                                 QObject::tr("Cancel"), 0, total, m_owner);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(300);
    m_dialog->setValue(0);
}

void ProgressDialog::step(int done, const std::string& text) {
    if (!m_dialog) return;
    m_dialog->setLabelText(QString::fromStdString(text));
    m_dialog->setValue(done);
    QCoreApplication::processEvents();
}

bool ProgressDialog::cancelled() const {
    return m_dialog && m_dialog->wasCanceled();
}

void ProgressDialog::finish() {
    m_dialog.reset();
}

} // namespace orvane
