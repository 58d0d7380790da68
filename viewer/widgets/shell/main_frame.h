// The main window: a multi-document area that holds the document windows,
// the File menu, and the placement kept in the "Main Frame" section.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>

class QMdiArea;
class QMenu;

namespace orvane {

class CTraceListFrame;
class EventWindow;
class MainBars;
class SettingsStore;
class TraceListMenu;

inline constexpr char kMainFrameSection[] = "Main Frame";

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_mdi; }

    // File / Open: the application opens what was chosen.
    void setOpenHandler(std::function<void(const QString&)> handler) {
        m_open = std::move(handler);
    }
    // Several files chosen or dropped at once: traces go into one list.
    void setOpenFilesHandler(std::function<void(const QStringList&)> handler) {
        m_openMany = std::move(handler);
    }
    // View / Display On-Screen Keyboard.
    void setKeyboardHandler(std::function<void()> handler) { m_keyboard = std::move(handler); }
    // Called once the window has agreed to close, before it goes.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

    // "Maximized" ("No"/"Yes", default "Yes") and "Position" ("l,t,r,b").
    void restorePlacement(const SettingsStore& store);
    void savePlacement(SettingsStore& store) const;
    // Whether the saved placement asks for a maximised window.
    bool wantsMaximized() const { return m_maximized; }

    MainBars* bars() const { return m_bars; }
    QMenu* fileMenu() const { return m_fileMenu; }
    EventWindow* eventWindow() const { return m_eventWindow; }
    TraceListMenu* traceListMenu() const { return m_traceMenu; }
    CTraceListFrame* activeListFrame() const;
    // A new trace list window: its graph's readout reaches the status line
    // and its selection the Trace menu.
    void addListFrame(CTraceListFrame* frame);
    // The status line's cursor readout pane.
    void SetCursorReadout(const QString& text);

    // Closes every document window without asking and then the main window
    // (the program ends on a signal).
    void closeWithoutQuestions();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void openFiles();
    void saveActive(bool saveAs);
    void createViewMenu();
    void frameActivated();

    QMdiArea* m_mdi;
    std::function<void(const QString&)> m_open;
    std::function<void()> m_exit;
    std::function<void(const QStringList&)> m_openMany;
    std::function<void()> m_keyboard;
    MainBars* m_bars = nullptr;
    QMenu* m_fileMenu = nullptr;
    EventWindow* m_eventWindow = nullptr;
    TraceListMenu* m_traceMenu = nullptr;
    QList<QAction*> m_standardActions;
    bool m_maximized = true;
    bool m_questions = true;
};

} // namespace orvane
