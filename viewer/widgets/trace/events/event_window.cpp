#include "widgets/trace/events/event_window.h"

#include "core/trace/events/event_texts.h"
#include "core/trace/graph/graph_hints.h"
#include "core/tracelist/trace_list_doc.h"
#include "widgets/trace/events/event_dialog_window.h"
#include "widgets/trace/graph/graph_palette.h"
#include "widgets/trace/graph/trace_graph_view.h"
#include "widgets/trace/graph/trace_graph_widget.h"
#include "widgets/tracelist/trace_list_frame.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace orvane {
namespace {

constexpr int kSwatchSize = 10;
constexpr int kSwatchMargin = 4;

CTraceDoc* documentOf(graph::GraphEntry entry) {
    const auto* e = static_cast<const CTraceListEntry*>(entry);
    return e ? e->document : nullptr;
}

} // namespace

EventWindow::EventWindow(QWidget* parent)
    : QWidget(parent), m_number(new QLabel(this)), m_type(new QLabel(this)),
      m_loss(new QLabel(this)), m_refl(new QLabel(this)), m_comment(new QLabel(this)),
      m_edit(new QPushButton(tr("Edit"), this)), m_insert(new QPushButton(tr("Insert"), this)),
      m_delete(new QPushButton(tr("Delete"), this)), m_previous(new QPushButton("<<", this)),
      m_next(new QPushButton(">>", this)) {
    setFocusPolicy(Qt::StrongFocus);
    m_next->setDefault(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kSwatchSize + 2 * kSwatchMargin, kSwatchMargin, kSwatchMargin,
                             kSwatchMargin);
    grid->addWidget(m_number, 0, 0, 1, 2);
    const std::pair<const char*, QLabel*> rows[] = {
        {"Type", m_type}, {"Loss", m_loss}, {"Refl", m_refl}, {"Comment", m_comment}};
    int r = 1;
    for (const auto& [label, field] : rows) {
        grid->addWidget(new QLabel(tr(label), this), r, 0);
        grid->addWidget(field, r++, 1);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_edit, m_insert, m_delete, m_previous, m_next})
        buttons->addWidget(b);
    grid->addLayout(buttons, r, 0, 1, 2);

    for (QPushButton* b : {m_edit, m_insert, m_delete, m_previous, m_next})
        b->installEventFilter(this);
    connect(m_edit, &QPushButton::clicked, this, &EventWindow::Edit);
    connect(m_insert, &QPushButton::clicked, this, &EventWindow::Insert);
    connect(m_delete, &QPushButton::clicked, this, &EventWindow::Delete);
    connect(m_previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(+1); });
    Refill();
}

EventWindow::~EventWindow() = default;

void EventWindow::SetFrame(CTraceListFrame* frame) {
    if (frame == m_frame && (frame || !m_commands)) return;
    for (const auto& c : m_connections)
        disconnect(c);
    m_connections.clear();
    m_frame = frame;
    m_commands.reset();
    if (frame) {
        graph::CTraceGraphView* view = frame->graphView();
        m_commands = std::make_unique<EventCommands>(
            view->Graph(), documentOf,
            [this](EventDialog& dialog, const std::function<bool()>& paste) {
                CEventDialog window(dialog, paste, this);
                return window.exec() == QDialog::Accepted;
            },
            [this](HintCode code, graph::GraphEntry entry) { announce(code, entry); });
        m_connections.push_back(
            connect(view, &graph::CTraceGraphView::graphChanged, this, &EventWindow::Refill));
        m_connections.push_back(connect(view->GraphWindow(),
                                        &graph::TraceGraphWidget::editEventRequested, this,
                                        [this](graph::GraphEntry entry, int index) {
                                            if (m_commands) m_commands->Edit(entry, index);
                                            Refill();
                                        }));
    }
    Refill();
}

// The graph passes the event hints on to the trace list as its own
// notifications, which rebuild every view of the trace.
void EventWindow::announce(HintCode code, graph::GraphEntry entry) {
    if (!m_frame || !m_frame->list()) return;
    const graph::ViewRefresh refresh = graph::ReactToHint(m_frame->graphView()->Graph(), code, {});
    if (!refresh.forwardToList) return;
    auto* listEntry = const_cast<CTraceListEntry*>(static_cast<const CTraceListEntry*>(entry));
    m_frame->list()->Notify(*refresh.forwardToList, TraceEntries{listEntry});
}

void EventWindow::run(bool (EventCommands::*command)()) {
    if (m_frame && m_commands) (m_commands.get()->*command)();
    Refill();
}

void EventWindow::step(int direction) {
    if (m_frame && m_commands) m_commands->Step(direction);
    Refill();
}

void EventWindow::Edit() {
    run(static_cast<bool (EventCommands::*)()>(&EventCommands::Edit));
}
void EventWindow::Insert() {
    run(&EventCommands::Insert);
}
void EventWindow::Delete() {
    run(&EventCommands::Delete);
}

void EventWindow::Refill() {
    if (!m_frame && m_commands) m_commands.reset(); // its window has gone
    const std::optional<SelectedEvent> selected =
        m_commands ? m_commands->Selected() : std::nullopt;
    const EventWindowText text = eventWindowText(selected ? documentOf(selected->entry) : nullptr,
                                                 selected ? selected->index : -1);
    m_number->setText(tr(text.number.c_str()));
    m_type->setText(QCoreApplication::translate("DisplayStrings", text.type.c_str()));
    m_loss->setText(QString::fromStdString(text.loss));
    m_refl->setText(QString::fromStdString(text.refl));
    m_comment->setText(QString::fromStdString(text.comment));
    // Without a selection the keys still step to the primary's first event.
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_edit, m_insert, m_delete, m_previous, m_next, m_comment})
        w->setEnabled(text.selected);
    update();
}

QColor EventWindow::selectedColour() const {
    const std::optional<SelectedEvent> selected =
        m_commands ? m_commands->Selected() : std::nullopt;
    if (!selected || !m_frame) return {};
    const graph::TraceCurve* curve = m_frame->graphView()->Graph().CurveOf(selected->entry);
    return curve ? graph::GraphPalette().SlotColour(curve->Slot()) : QColor();
}

void EventWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    const QColor colour = selectedColour();
    if (!colour.isValid()) return;
    QPainter painter(this);
    const QRect number = m_number->geometry();
    painter.fillRect(QRect(kSwatchMargin, number.top() + (number.height() - kSwatchSize) / 2,
                           kSwatchSize, kSwatchSize),
                     colour);
}

// The bar's keys, wherever its focus is: on the bar itself or on one of its
// buttons (whose own arrow keys would only move the focus). Enter acts as
// ">>", the default button, unless a button has the focus.
bool EventWindow::handleKey(QKeyEvent* event, QWidget* focused) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        step(-1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_End:
    case Qt::Key_PageDown:
        step(+1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focused))
            button->click();
        else
            step(+1);
        return true;
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void EventWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event, this)) QWidget::keyPressEvent(event);
}

bool EventWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event), qobject_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
