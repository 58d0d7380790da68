#include "widgets/batch/batch_dialog.h"

#include "core/shell/application_state.h"
#include "core/shell/preferences_store.h"
#include "core/trace/properties/trace_parameters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

constexpr double kLongestDistance = 1e6;
constexpr double kLargestVertShiftDB = 100.0;

QDoubleSpinBox* realBox(double low, double high, int decimals) {
    auto* box = new QDoubleSpinBox;
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}

QString unitLabel() {
    return QString::fromUtf8(distanceUnitLabel(application().preferences.distanceUnits));
}

// A check box followed by its value and a unit, on one row of a grid.
void addRow(QGridLayout* grid, QCheckBox* check, QWidget* value, const QString& unit = {}) {
    const int row = grid->rowCount();
    grid->addWidget(check, row, 0);
    if (value) grid->addWidget(value, row, 1);
    if (!unit.isEmpty()) grid->addWidget(new QLabel(unit), row, 2);
}

} // namespace

CBatchDialog::CBatchDialog(const batch::BatchSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setWindowTitle(tr("Batch Trace Processing"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Please specify how the selected traces are to be processed :")));
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(reportGroup());
    left->addWidget(eventsGroup());
    columns->addLayout(left);
    columns->addWidget(traceGroup());
    layout->addLayout(columns);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBatchDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBatchDialog::reject);
    layout->addWidget(buttons);
    show(settings);
}

QWidget* CBatchDialog::reportGroup() {
    auto* group = new QGroupBox(tr("Report"));
    auto* grid = new QGridLayout(group);
    m_generateReport = new QCheckBox(tr("Generate  :"));
    grid->addWidget(m_generateReport, 0, 0);
    m_layout[batch::kLayoutOrvane] = new QRadioButton(QStringLiteral("Orvane"));
    m_layout[batch::kLayoutTessan] = new QRadioButton(QStringLiteral("Tessan"));
    grid->addWidget(m_layout[batch::kLayoutOrvane], 0, 1);
    grid->addWidget(m_layout[batch::kLayoutTessan], 0, 2);
    m_reportFolder = new QLineEdit;
    grid->addWidget(new QLabel(tr("Dir Path : ")), 1, 0);
    grid->addWidget(m_reportFolder, 1, 1, 1, 2);
    m_reportFileName = new QLineEdit;
    grid->addWidget(new QLabel(tr("Filename : ")), 2, 0);
    grid->addWidget(m_reportFileName, 2, 1, 1, 2);
    return group;
}

QWidget* CBatchDialog::eventsGroup() {
    auto* group = new QGroupBox(tr("Remove Events"));
    auto* grid = new QGridLayout(group);
    m_removeNearer = new QCheckBox(tr(" < "));
    m_nearerThan = realBox(-kLongestDistance, kLongestDistance, 4);
    addRow(grid, m_removeNearer, m_nearerThan, unitLabel() + tr(" Unshifted"));
    m_removeFarther = new QCheckBox(tr(" > "));
    m_fartherThan = realBox(-kLongestDistance, kLongestDistance, 4);
    addRow(grid, m_removeFarther, m_fartherThan, unitLabel() + tr(" Shifted"));
    m_cordsFromStart = new QCheckBox(tr("From  start :"));
    m_startCords = new QSpinBox;
    m_startCords->setRange(0, batch::kMaxPatchCords);
    addRow(grid, m_cordsFromStart, m_startCords, tr("cords"));
    m_cordsFromEnd = new QCheckBox(tr("From  end :"));
    m_endCords = new QSpinBox;
    m_endCords->setRange(0, batch::kMaxPatchCords);
    addRow(grid, m_cordsFromEnd, m_endCords, tr("cords"));
    m_calculateORL = new QCheckBox(tr("Calculate ORL"));
    m_orlRange = new QComboBox;
    m_orlRange->addItems({tr("A to B"), tr("Full Trace")});
    addRow(grid, m_calculateORL, m_orlRange);
    return group;
}

QWidget* CBatchDialog::traceGroup() {
    auto* group = new QGroupBox(tr("Traces"));
    auto* grid = new QGridLayout(group);
    m_export = new QCheckBox(tr("Export Trace Waveform into TXT File."));
    addRow(grid, m_export, nullptr);
    m_analyze = new QCheckBox(tr("Analyze."));
    addRow(grid, m_analyze, nullptr);
    m_setIOR = new QCheckBox(tr("Set  IOR  ="));
    m_ior = realBox(kLowestIOR, kHighestIOR, kIORDecimals);
    addRow(grid, m_setIOR, m_ior);
    m_setShift = new QCheckBox(tr("Set  Shift  ="));
    m_horzShift = realBox(-kLongestDistance, kLongestDistance, 4);
    addRow(grid, m_setShift, m_horzShift, unitLabel());
    m_vertShift = realBox(-kLargestVertShiftDB, kLargestVertShiftDB, 3);
    const int shiftRow = grid->rowCount() - 1;
    grid->addWidget(m_vertShift, shiftRow, 3);
    grid->addWidget(new QLabel(tr("dB")), shiftRow, 4);
    m_setBackscatter = new QCheckBox(tr("Backscatter  Coef.  ="));
    m_backscatter = realBox(kLowestBackscatter, kHighestBackscatter, 2);
    addRow(grid, m_setBackscatter, m_backscatter, tr("dB"));
    m_copyView = new QCheckBox(tr("Copy Current View."));
    addRow(grid, m_copyView, nullptr);
    m_copyHeader = new QCheckBox(tr("Copy Primary Trace Header."));
    addRow(grid, m_copyHeader, nullptr);
    m_minMaxSummary = new QCheckBox(tr("Show min/max event end distance, etc."));
    addRow(grid, m_minMaxSummary, nullptr);
    m_removeAnalysis = new QCheckBox(tr("Remove Analysis."));
    addRow(grid, m_removeAnalysis, nullptr);
    m_saveTraces = new QCheckBox(tr("Save Traces as"));
    m_saveFormat = new QComboBox;
    for (int32_t p = 1; p <= kSaveChoiceCount; ++p)
        m_saveFormat->addItem(QString::fromUtf8(saveChoiceAt(p).label), saveChoiceAt(p).code);
    addRow(grid, m_saveTraces, m_saveFormat);
    return group;
}

void CBatchDialog::show(const batch::BatchSettings& s) {
    m_generateReport->setChecked(s.generateReport);
    m_reportFolder->setText(QString::fromStdString(s.reportFolder));
    m_reportFileName->setText(QString::fromStdString(s.reportFileName));
    m_layout[s.reportLayout == batch::kLayoutTessan ? 1 : 0]->setChecked(true);
    m_removeNearer->setChecked(s.removeNearer);
    m_nearerThan->setValue(s.nearerThan);
    m_removeFarther->setChecked(s.removeFarther);
    m_fartherThan->setValue(s.fartherThan);
    m_cordsFromStart->setChecked(s.cordsFromStart);
    m_startCords->setValue(s.startCords);
    m_cordsFromEnd->setChecked(s.cordsFromEnd);
    m_endCords->setValue(s.endCords);
    m_calculateORL->setChecked(s.calculateORL);
    m_orlRange->setCurrentIndex(s.orlRange);
    m_export->setChecked(s.exportDataPoints);
    m_analyze->setChecked(s.analyze);
    m_setIOR->setChecked(s.setIOR);
    m_ior->setValue(s.ior);
    m_setShift->setChecked(s.setShift);
    m_horzShift->setValue(T6CurDistFromKM(s.horzShiftKM));
    m_vertShift->setValue(s.vertShiftDB);
    m_setBackscatter->setChecked(s.setBackscatter);
    m_backscatter->setValue(s.backscatterDB);
    m_copyView->setChecked(s.copyView);
    m_copyHeader->setChecked(s.copyHeader);
    m_minMaxSummary->setChecked(s.minMaxSummary);
    m_removeAnalysis->setChecked(s.removeAnalysis);
    m_saveTraces->setChecked(s.saveTraces);
    m_saveFormat->setCurrentIndex(std::max(savePositionOf(s.saveChoice), 1) - 1);
}

batch::BatchSettings CBatchDialog::settings() const {
    batch::BatchSettings s = m_settings;
    s.generateReport = m_generateReport->isChecked();
    s.reportFolder = m_reportFolder->text().toStdString();
    s.reportFileName = m_reportFileName->text().toStdString();
    s.reportLayout =
        m_layout[batch::kLayoutTessan]->isChecked() ? batch::kLayoutTessan : batch::kLayoutOrvane;
    s.removeNearer = m_removeNearer->isChecked();
    s.nearerThan = m_nearerThan->value();
    s.removeFarther = m_removeFarther->isChecked();
    s.fartherThan = m_fartherThan->value();
    s.cordsFromStart = m_cordsFromStart->isChecked();
    s.startCords = m_startCords->value();
    s.cordsFromEnd = m_cordsFromEnd->isChecked();
    s.endCords = m_endCords->value();
    s.calculateORL = m_calculateORL->isChecked();
    s.orlRange = m_orlRange->currentIndex();
    s.exportDataPoints = m_export->isChecked();
    s.analyze = m_analyze->isChecked();
    s.setIOR = m_setIOR->isChecked();
    s.ior = m_ior->value();
    s.setShift = m_setShift->isChecked();
    s.horzShiftKM = T6KMFromCurDist(m_horzShift->value());
    s.vertShiftDB = m_vertShift->value();
    s.setBackscatter = m_setBackscatter->isChecked();
    s.backscatterDB = m_backscatter->value();
    s.copyView = m_copyView->isChecked();
    s.copyHeader = m_copyHeader->isChecked();
    s.minMaxSummary = m_minMaxSummary->isChecked();
    s.removeAnalysis = m_removeAnalysis->isChecked();
    s.saveTraces = m_saveTraces->isChecked();
    s.saveChoice = m_saveFormat->currentData().toInt();
    return s;
}

void CBatchDialog::accept() {
    switch (batch::CheckBatchSettings(settings())) {
    case batch::SettingsCheck::Accepted:
        QDialog::accept();
        return;
    case batch::SettingsCheck::ReportFolderRefused:
        m_reportFolder->setFocus();
        return;
    case batch::SettingsCheck::Declined:
        return;
    }
}

} // namespace orvane
