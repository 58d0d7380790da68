// Long work reports its progress and asks whether the user cancelled. The
// window layer shows a progress dialog with Cancel and keeps painting while
// the work runs on the one user-interface thread.
#pragma once

#include <string>

namespace orvane {

class Progress {
public:
    virtual ~Progress() = default;
    virtual void start(const std::string& title, int total) = 0;
    // Done items so far, with a line about the current one.
    virtual void step(int done, const std::string& text) = 0;
    // True once the user pressed Cancel; work stops after the current item.
    virtual bool cancelled() const = 0;
    virtual void finish() = 0;
};

// Progress nobody sees, never cancelled (tests, the command-line tool).
class SilentProgress : public Progress {
public:
    void start(const std::string&, int) override {}
    void step(int, const std::string&) override {}
    bool cancelled() const override { return false; }
    void finish() override {}
};

} // namespace orvane
