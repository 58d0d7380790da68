// SIGINT and SIGTERM end the program in order: the handler only writes a byte
// to a pipe; the event loop reads it and calls the given exit step, which
// closes the windows without questions and writes the settings. A save that
// is running finishes first, as everything runs on the one GUI thread.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace orvane {

class SignalExit : public QObject {
    Q_OBJECT
public:
    explicit SignalExit(std::function<void()> exitStep, QObject* parent = nullptr);
    ~SignalExit() override;

private:
    void onSignal();

    std::function<void()> m_exitStep;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace orvane
