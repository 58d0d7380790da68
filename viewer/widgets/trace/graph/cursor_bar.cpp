#include "widgets/trace/graph/cursor_bar.h"

#include "core/trace/graph/measurement.h"
#include "widgets/trace/graph/graph_thumbnail.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace orvane::graph {
namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CursorBar::CursorBar(TraceGraph& graph, QWidget* parent) : QWidget(parent), m_graph(graph) {
    auto* readouts = new QGridLayout;
    auto addRow = [&](int row, const QString& label, QLabel*& value) {
        readouts->addWidget(new QLabel(label, this), row, 0);
        value = new QLabel(QStringLiteral("N/A"), this);
        value->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.0000 km")));
        readouts->addWidget(value, row, 1);
    };
    addRow(0, tr("A:"), m_a);
    addRow(1, tr("B:"), m_b);
    addRow(2, tr("AB:"), m_ab);

    m_lossModes = new QComboBox(this);
    for (const LossModeChoice& choice : kLossModeList)
        m_lossModes->addItem(QCoreApplication::translate("DisplayStrings", choice.label));
    m_orl = new QPushButton(tr("ORL"), this);
    m_primaryLoss = new QLabel(this);
    m_secondLoss = new QLabel(this);
    m_compare = new QLabel(this);
    m_reflectance = new QLabel(this);
    auto* measurement = new QGridLayout;
    measurement->addWidget(m_lossModes, 0, 0);
    measurement->addWidget(m_orl, 0, 1);
    measurement->addWidget(m_primaryLoss, 1, 0);
    measurement->addWidget(m_secondLoss, 1, 1);
    measurement->addWidget(m_compare, 2, 0);
    measurement->addWidget(m_reflectance, 2, 1);

    m_thumbnail = new GraphThumbnail(graph, this);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(readouts);
    layout->addLayout(measurement, 1);
    layout->addWidget(m_thumbnail);

    connect(m_lossModes, &QComboBox::activated, this, [this](int position) {
        if (position < 0 || position >= static_cast<int>(kLossModeList.size())) return;
        m_graph.SetLossMode(kLossModeList[static_cast<size_t>(position)].recordMode);
    });
    connect(m_orl, &QPushButton::clicked, this, &CursorBar::orlRequested);
    RefreshReadouts();
}

void CursorBar::RefreshReadouts() {
    const MeasurementReadout& r = m_graph.Readout();
    m_a->setText(Text(r.aText));
    m_b->setText(Text(r.bText));
    m_ab->setText(Text(r.abText));
    RefreshMeasurement();
}

void CursorBar::RefreshMeasurement() {
    const MeasurementReadout& r = m_graph.Readout();
    {
        QSignalBlocker block(m_lossModes);
        m_lossModes->setCurrentIndex(ListPositionOfLossMode(m_graph.LossMode()));
    }
    m_orl->setEnabled(m_graph.LossMode() == T6_LOSS_ORL);
    m_primaryLoss->setText(Text(r.primaryText));
    m_secondLoss->setText(Text(r.secondText));
    m_compare->setText(r.compareLabel.empty() ? QString()
                                              : Text(r.compareLabel) + QStringLiteral(": ") +
                                                    Text(r.compareText).trimmed());
    m_reflectance->setText(Text(r.reflectanceText));
}

} // namespace orvane::graph
