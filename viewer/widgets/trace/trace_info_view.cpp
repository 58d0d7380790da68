#include "widgets/trace/trace_info_view.h"

#include "core/trace/trace_doc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace orvane {

namespace {

constexpr int kHeaderColumns = 3; // pairs of label and value

const QStringList kEventColumns = {"#", "Type",  "Location",  "Span Loss", "dB/km",  "Loss",
                                   "",  "Refl.", "Cum. Loss", "Flags",     "Comment"};

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

std::vector<std::pair<const char*, std::string>> headerValues(const CTraceDoc& t) {
    std::string pulses;
    for (int32_t i = 0; i < t.record().PWCount(); ++i)
        pulses += (i ? ", " : "") + t.PWGetPW(i, true);
    return {
        {"Instrument", t.GetModel()},
        {"Wavelength", t.GetWavelengthNominal(true)},
        {"Fiber Type", t.GetFiberMode()},
        {"Pulse Width", pulses},
        {"Range", t.GetRangeNominal(true)},
        {"Resolution", t.GetResoNominal(true)},
        {"Index of Refraction", t.SpanGetIOR()},
        {"Backscatter Coef.", t.SpanGetBackScatter(true)},
        {"Averages", t.GetAvgCompleteType()},
        {"Date", t.GetDate()},
        {"Time", t.GetTime()},
        {"Trace Type", t.GetTraceType()},
        {"Loss Threshold", t.GetThresholdLoss(true)},
        {"Refl. Threshold", t.GetThresholdRefl(true)},
        {"Fiber Break", t.GetThresholdBreak(true)},
    };
}

} // namespace

TraceInfoView::TraceInfoView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* headerBox = new QGroupBox(tr("Header"), this);
    m_header = new QGridLayout(headerBox);
    m_header->setHorizontalSpacing(12);
    layout->addWidget(headerBox);

    m_events = new QTableWidget(0, static_cast<int>(kEventColumns.size()), this);
    m_events->setHorizontalHeaderLabels(kEventColumns);
    m_events->verticalHeader()->hide();
    m_events->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_events->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_events->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_events, 1);

    m_summary = new QLabel(this);
    layout->addWidget(m_summary);
}

void TraceInfoView::refill() {
    const auto* trace = dynamic_cast<const CTraceDoc*>(document());
    if (!trace) return;
    fillHeader(*trace);
    fillEvents(*trace);
    fillSummary(*trace);
}

void TraceInfoView::fillHeader(const CTraceDoc& trace) {
    while (QLayoutItem* item = m_header->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto values = headerValues(trace);
    for (size_t i = 0; i < values.size(); ++i) {
        const int row = static_cast<int>(i) / kHeaderColumns;
        const int column = 2 * (static_cast<int>(i) % kHeaderColumns);
        auto* label = new QLabel(tr(values[i].first) + ":");
        auto* value = new QLabel(q(values[i].second));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        m_header->addWidget(label, row, column);
        m_header->addWidget(value, row, column + 1);
    }
}

void TraceInfoView::fillEvents(const CTraceDoc& t) {
    const int32_t count = t.record().EVCount();
    m_events->setRowCount(count > 1 ? count - 1 : 0);
    for (int32_t i = 1; i < count; ++i) {
        std::string mark;
        const std::string loss = t.EVGetLossFlagged(i, false, mark);
        const std::vector<std::string> cells = {
            std::to_string(i),
            t.EVGetTypeChar(i),
            t.EVGetStart(i, false),
            t.EVGetSpanLoss(i, false),
            t.EVGetSpanLossDBKM(i, false),
            eventLossHidden(t.record(), i) ? std::string() : loss,
            mark,
            t.EVGetReflFlagged(i, false),
            t.EVGetCumLoss(i, false),
            t.EVGetFlagsText(i),
            t.EVGetComment(i),
        };
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(q(cells[c]));
            if (c < cells.size() - 1) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_events->setItem(i - 1, static_cast<int>(c), item);
        }
    }
    m_events->resizeColumnsToContents();
}

void TraceInfoView::fillSummary(const CTraceDoc& t) {
    std::string aToB;
    const std::string orl = t.GetORL(true, aToB);
    const int32_t count = t.record().EVCount();
    const std::string end = count > 0 ? t.EVGetStart(count - 1, true) : "??";
    m_summary->setText(tr("End/Fault: %1    End - End Loss: %2    ORL: %3")
                           .arg(q(end), q(t.GetEndToEndLoss(true)), q(orl + " " + aToB).trimmed()));
}

} // namespace orvane
