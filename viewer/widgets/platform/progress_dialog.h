// Progress of long work in a modal dialog with Cancel. Each step lets the
// event loop run, so that the windows keep painting.
#pragma once

#include "core/platform/progress.h"

#include <QProgressDialog>

#include <memory>

namespace orvane {

class ProgressDialog : public Progress {
public:
    explicit ProgressDialog(QWidget* owner) : m_owner(owner) {}
    void start(const std::string& title, int total) override;
    void step(int done, const std::string& text) override;
    bool cancelled() const override;
    void finish() override;

private:
    QWidget* m_owner;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace orvane
