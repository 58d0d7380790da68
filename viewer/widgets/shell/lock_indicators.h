// The status line's Caps Lock, Num Lock and Scroll Lock panes. The state is
// read from the X server's keyboard indicators, again after every key and
// whenever the program is activated; where it cannot be read (no X server)
// the panes stay blank rather than guess.
#pragma once

#include <QObject>
#include <QTimer>

#include <array>
#include <optional>

class QLabel;

namespace orvane {

enum LockKey { kCapsLock, kNumLock, kScrollLock, kLockKeyCount };
using LockState = std::array<bool, kLockKeyCount>;

// Each pane's text while its lock is on, in LockKey order.
inline constexpr const char* kLockPaneTexts[] = {"CAP", "NUM", "SCRL"};
// Picks up a lock changed in another program while this one stays active.
inline constexpr int kLockPollMs = 1000;

// The indicators now; nothing where they cannot be read.
std::optional<LockState> readLockState();

class LockIndicators : public QObject {
    Q_OBJECT
public:
    LockIndicators(const std::array<QLabel*, kLockKeyCount>& panes, QObject* parent);
    ~LockIndicators() override;

    // Reads the state and writes the panes; false (panes blank) when it
    // cannot be read.
    bool refresh();
    // Writes the panes from a known state, or blanks them.
    void show(const std::optional<LockState>& state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, kLockKeyCount> m_panes;
    QTimer m_poll;
};

} // namespace orvane
