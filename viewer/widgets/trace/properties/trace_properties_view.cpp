#include "widgets/trace/properties/trace_properties_view.h"

#include "core/trace/events/event_dialog.h"
#include "core/trace/properties/trace_analysis_page.h"
#include "core/trace/properties/trace_parameters.h"
#include "widgets/trace/events/event_dialog_window.h"
#include "widgets/trace/properties/event_row_delegate.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The headers after the location's, one per tab stop: over the span loss
// and its dB/km, over the event loss, over the reflectance.
const char* const kHeaderTexts[] = {"Span Loss  dB/km", "Loss", "Refl."};
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Our fonts run wider for their base unit than the dialog font these stops
// were laid out for: the headers are set a little smaller to keep clear.
constexpr double kHeaderFontScale = 0.9;

// The header statics on their tab stops, in dialog units of the page's font.
QWidget* makeHeaderBar(QWidget* parent, std::array<QLabel*, 4>& labels) {
    auto* bar = new QWidget(parent);
    const QFontMetrics metrics(bar->font());
    const std::array<int, 4> stops =
        headerTabStops(dialogBaseUnit(metrics.horizontalAdvance(kLetters)));
    QFont small = bar->font();
    small.setPointSizeF(small.pointSizeF() * kHeaderFontScale);
    for (size_t i = 0; i < labels.size(); ++i) {
        labels[i] = new QLabel(i == 0 ? QString() : COrvane::tr(kHeaderTexts[i - 1]), bar);
        labels[i]->setFont(small);
        labels[i]->move(stops[i], 0);
        labels[i]->adjustSize();
    }
    bar->setFixedHeight(metrics.height() + 2);
    return bar;
}

} // namespace

COrvane::COrvane(QWidget* parent) : QWidget(parent), m_tabs(new QTabWidget(this)) {
    m_tabs->addTab(makeParametersPage(), tr("Parameters"));
    m_tabs->addTab(makeAnalysisPage(), tr("Analysis"));
    m_tabs->setCurrentIndex(0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

QWidget* COrvane::makeParametersPage() {
    auto* page = new QWidget;
    m_fields = new QFormLayout;
    m_ior = new QLineEdit(page);
    m_backscatter = new QLineEdit(page);
    m_flags = new QLabel(page);
    m_flags->setWordWrap(true);
    m_apply = new QPushButton(tr("Apply"), page);
    m_restore = new QPushButton(tr("Restore"), page);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_apply);
    buttons->addWidget(m_restore);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(m_fields);
    auto* edits = new QFormLayout;
    edits->addRow(tr("Index of Refraction"), m_ior);
    edits->addRow(tr("Backscatter Coef. (dB)"), m_backscatter);
    layout->addLayout(edits);
    layout->addWidget(m_flags);
    layout->addLayout(buttons);
    layout->addStretch();
    for (QLineEdit* field : {m_ior, m_backscatter})
        connect(field, &QLineEdit::textEdited, this, [this] {
            m_apply->setEnabled(true);
            m_restore->setEnabled(true);
        });
    connect(m_apply, &QPushButton::clicked, this, &COrvane::apply);
    connect(m_restore, &QPushButton::clicked, this, &COrvane::fillParameters);
    return page;
}

QWidget* COrvane::makeAnalysisPage() {
    auto* page = new QWidget;
    auto label = [page] { return new QLabel(page); };
    m_lossThreshold = label();
    m_reflThreshold = label();
    m_breakThreshold = label();
    m_endFault = label();
    m_endToEnd = label();
    m_orl = label();
    m_position = label();
    m_comment = label();

    auto* thresholds = new QGroupBox(tr("Thresholds"), page);
    auto* t = new QFormLayout(thresholds);
    t->addRow(tr("Event Loss"), m_lossThreshold);
    t->addRow(tr("Event Reflectance"), m_reflThreshold);
    t->addRow(tr("Fiber Break"), m_breakThreshold);
    auto* summary = new QGroupBox(tr("Summary"), page);
    auto* s = new QFormLayout(summary);
    s->addRow(tr("End/Fault"), m_endFault);
    s->addRow(tr("End - End Loss"), m_endToEnd);
    s->addRow(tr("ORL"), m_orl);
    auto* eventBox = new QGroupBox(tr("Event"), page);
    auto* e = new QHBoxLayout(eventBox);
    e->addWidget(m_position);
    auto* analyze = new QPushButton(tr("Analyze"), page);
    connect(analyze, &QPushButton::clicked, this, [this] {
        if (m_analyze) m_analyze();
    });

    m_events = new QListWidget(page);
    m_events->setItemDelegate(new EventRowDelegate(m_events));
    m_events->setUniformItemSizes(false);
    connect(m_events, &QListWidget::currentRowChanged, this, &COrvane::rowSelected);
    connect(m_events, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { editRow(m_events->row(item)); });

    auto* top = new QHBoxLayout;
    top->addWidget(thresholds);
    top->addWidget(summary);
    top->addWidget(eventBox);
    top->addWidget(analyze);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(makeHeaderBar(page, m_header));
    layout->addWidget(m_events, 1);
    layout->addWidget(m_comment);
    return page;
}

CTraceDoc* COrvane::trace() const {
    return static_cast<CTraceDoc*>(document());
}

void COrvane::onUpdate(View*, const Hint& hint) {
    if (!trace()) return;
    if (hint.code == HINT_NONE || hint.code == HINT_TRACE_CHANGED ||
        hint.code == HINT_IOR_CHANGED || hint.code == HINT_HEADER) {
        refill();
        return;
    }
    if (hintRefreshesSummary(hint.code)) fillSummary();
    if (hintRefreshesHeader(hint.code)) fillHeader();
    if (hintRebuildsTable(hint.code)) fillEvents();
}

void COrvane::refill() {
    if (!trace()) return;
    fillParameters();
    fillSummary();
    fillHeader();
    fillEvents();
}

void COrvane::fillParameters() {
    const CTraceDoc& doc = *trace();
    while (m_fields->rowCount() > 0)
        m_fields->removeRow(0);
    for (const auto& [label, value] : parameterFields(doc))
        m_fields->addRow(tr(label.c_str()), new QLabel(q(value)));
    m_ior->setText(q(iorText(doc)));
    m_backscatter->setText(q(backscatterText(doc)));
    m_flags->setText(q(doc.GetTraceFlags()));
    m_apply->setEnabled(false);
    m_restore->setEnabled(false);
}

void COrvane::fillSummary() {
    const AnalysisSummary s = analysisSummary(*trace());
    m_lossThreshold->setText(q(s.lossThreshold));
    m_reflThreshold->setText(q(s.reflThreshold));
    m_breakThreshold->setText(q(s.breakThreshold));
    m_endFault->setText(q(s.endFault));
    m_endToEnd->setText(q(s.endToEndLoss));
    m_orl->setText(q(s.orl + (s.orlAToB.empty() ? "" : "  " + s.orlAToB)));
}

void COrvane::fillHeader() {
    m_header[0]->setText(q(locationHeader()).replace("Location", tr("Location")));
    m_header[0]->adjustSize();
}

void COrvane::fillEvents() {
    m_events->clear();
    for (const EventRow& row : eventRows(*trace())) {
        auto* item = new QListWidgetItem(q(row.firstLine), m_events);
        item->setData(kRowSecondLineRole, q(row.secondLine));
        item->setData(kRowIconOffsetRole, row.iconOffset);
        item->setData(kRowEventIndexRole, row.index);
    }
    m_events->setCurrentRow(-1);
    rowSelected();
}

void COrvane::rowSelected() {
    const int row = m_events->currentRow();
    m_position->setText(q(eventPositionText(row, m_events->count())));
    QListWidgetItem* item = m_events->item(row);
    m_comment->setText(item ? q(trace()->EVGetComment(item->data(kRowEventIndexRole).toInt()))
                            : QString());
}

void COrvane::editRow(int row) {
    QListWidgetItem* item = m_events->item(row);
    if (!item || !trace()) return;
    EventDialog dialog =
        EventDialog::ForEdit(*trace(), item->data(kRowEventIndexRole).toInt(), false);
    CEventDialog window(dialog, {}, this);
    if (window.exec() != QDialog::Accepted || !dialog.RecordChanged()) return;
    send(HINT_TRACES_EVENTS_EDITED);
}

void COrvane::apply() {
    if (!applyParameters(*trace(), m_ior->text().toStdString(), m_backscatter->text().toStdString(),
                         [this](HintCode h) { send(h); })) {
        fillParameters(); // the old values come back
        return;
    }
    fillParameters();
}

void COrvane::send(HintCode code) {
    if (m_notify)
        m_notify(code);
    else if (trace())
        trace()->updateAllViews(nullptr, code);
}

} // namespace orvane
