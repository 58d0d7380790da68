// The instrument's on-screen keyboard, a program of its own in the
// installation's "bin" folder ($NORVAK8_HOME). Started once; closed with the
// main window.
#pragma once

#include <QProcess>

namespace orvane {

inline constexpr char kKeyboardProgram[] = "SWKBD.EXE";
inline constexpr int kKeyboardCloseWaitMs = 100;

class OnScreenKeyboard {
public:
    ~OnScreenKeyboard() { close(); }
    // Nothing happens when it still runs, or when the folder or the program
    // is missing.
    void show();
    // Asks it to end, waits briefly, then ends it.
    void close();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

private:
    QProcess m_process;
};

} // namespace orvane
