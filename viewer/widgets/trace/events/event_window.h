// The event window: the docking bar that shows the graph's selected event
// and carries Edit, Insert, Delete and the "<<" / ">>" steps. It works on the
// graph of the active trace list window.
#pragma once

#include "core/trace/events/event_commands.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace orvane {

class CTraceListFrame;

class EventWindow : public QWidget {
    Q_OBJECT
public:
    explicit EventWindow(QWidget* parent = nullptr);
    ~EventWindow() override;

    // The trace list window whose graph the commands act on; null for none.
    void SetFrame(CTraceListFrame* frame);
    EventCommands* Commands() const { return m_commands.get(); }
    void Refill();
    // Event / Edit, Insert and Delete (also the buttons).
    void Edit();
    void Insert();
    void Delete();

    QLabel* numberLine() const { return m_number; }
    QLabel* typeText() const { return m_type; }
    QLabel* lossText() const { return m_loss; }
    QLabel* reflText() const { return m_refl; }
    QLabel* commentText() const { return m_comment; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void run(bool (EventCommands::*command)());
    void step(int direction);
    // True when the key is the bar's own.
    bool handleKey(QKeyEvent* event, QWidget* focused);
    void announce(HintCode code, graph::GraphEntry entry);
    QColor selectedColour() const;

    QPointer<CTraceListFrame> m_frame;
    std::unique_ptr<EventCommands> m_commands;
    QLabel* m_number;
    QLabel* m_type;
    QLabel* m_loss;
    QLabel* m_refl;
    QLabel* m_comment;
    QPushButton* m_edit;
    QPushButton* m_insert;
    QPushButton* m_delete;
    QPushButton* m_previous;
    QPushButton* m_next;
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace orvane
