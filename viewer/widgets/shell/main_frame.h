// The main window: a multi-document area that holds the document windows,
// the File menu, and the placement kept in the "Main Frame" section.
#pragma once

#include <QMainWindow>

#include <functional>

class QMdiArea;

namespace orvane {

class SettingsStore;

inline constexpr char kMainFrameSection[] = "Main Frame";

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return m_mdi; }

    // File / Open: the application opens what was chosen.
    void setOpenHandler(std::function<void(const QString&)> handler) {
        m_open = std::move(handler);
    }
    // Called once the window has agreed to close, before it goes.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

    // "Maximized" ("No"/"Yes", default "Yes") and "Position" ("l,t,r,b").
    void restorePlacement(const SettingsStore& store);
    void savePlacement(SettingsStore& store) const;
    // Whether the saved placement asks for a maximised window.
    bool wantsMaximized() const { return m_maximized; }

    // Closes every document window without asking and then the main window
    // (the program ends on a signal).
    void closeWithoutQuestions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void openFiles();
    void saveActive(bool saveAs);

    QMdiArea* m_mdi;
    std::function<void(const QString&)> m_open;
    std::function<void()> m_exit;
    bool m_maximized = true;
    bool m_questions = true;
};

} // namespace orvane
