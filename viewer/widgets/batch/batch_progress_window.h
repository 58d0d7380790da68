// The progress window of the batch and template commands: the current
// trace's name, the percentage done and Cancel. The work runs on the
// user-interface thread, so each step lets the window paint and take the
// Cancel click; steps closer together than the refresh interval skip that,
// which keeps a batch of small traces as fast as without a window.
#pragma once

#include "core/platform/progress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

namespace orvane {

class BatchProgressWindow : public Progress {
public:
    // The window paints at least this often while traces go by.
    static constexpr int kRefreshMilliseconds = 50;

    explicit BatchProgressWindow(QWidget* owner) : m_owner(owner) {}
    void start(const std::string& title, int total) override;
    void step(int done, const std::string& text) override;
    bool cancelled() const override;
    void finish() override;

    QProgressDialog* dialog() const { return m_dialog.get(); }

private:
    QWidget* m_owner;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceRefresh;
};

} // namespace orvane
