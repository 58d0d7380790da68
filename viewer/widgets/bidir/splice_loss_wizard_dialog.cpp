#include "widgets/bidir/splice_loss_wizard_dialog.h"

#include "core/bidir/trace_name.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "widgets/bidir/exception_criteria_page.h"

#include <varnel/varnel.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

constexpr int kGeneralPage = 0;
constexpr int kTemplatePage = 1;
constexpr int kExceptionPage = 2;
constexpr int kAdvancedPage = 3;
constexpr double kMaxLossThres = 1.0;
constexpr double kMaxPercentDis = 200.0;
constexpr double kMaxAbsoluteDis = 1e8;
// The event determination choices in the order of their stored values.
constexpr const char* kEventDeterminations[] = {"Template", "Merge"};
constexpr int kMergeChoice = 1;
// The scale modes in the order of their stored values.
constexpr const char* kScaleModes[] = {"None", "Snap to Template End", "Snap to Trace End"};

QDoubleSpinBox* realBox(double low, double high, int decimals) {
    auto* box = new QDoubleSpinBox;
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}

// A page: its form and, below it, "Restore Defaults".
QWidget* withRestore(QWidget* content, QObject* owner, const std::function<void()>& restore) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(content);
    auto* button = new QPushButton(QObject::tr("Restore Defaults"));
    QObject::connect(button, &QPushButton::clicked, owner, restore);
    layout->addWidget(button, 0, Qt::AlignRight);
    return page;
}

} // namespace

CAuto1BiDirDialog::CAuto1BiDirDialog(const bidir::WizardSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setWindowTitle(settings.oneDirectional
                       ? tr("Automatic 1-Directional Splice Loss Summary Wizard")
                       : tr("Automatic Bi-Directional Splice Loss Summary Wizard"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_exception = new CExceptionCriteriaPage;
    m_tabs->addTab(withRestore(generalPage(), this, [this] { restoreDefaults(kGeneralPage); }),
                   tr("General"));
    m_tabs->addTab(withRestore(templatePage(), this, [this] { restoreDefaults(kTemplatePage); }),
                   tr("Template"));
    m_tabs->addTab(withRestore(m_exception, this, [this] { restoreDefaults(kExceptionPage); }),
                   tr("Exception"));
    m_tabs->addTab(withRestore(advancedPage(), this, [this] { restoreDefaults(kAdvancedPage); }),
                   tr("Advanced"));
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    m_run = buttons->addButton(tr("Run"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CAuto1BiDirDialog::onTabChanged);
    show(settings);
}

QWidget* CAuto1BiDirDialog::generalPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    const char* steps[4] = {"Exception Report", "Build Smart Splice Template(s)",
                            "Apply Smart Splice Template(s)", "Splice Loss Summary Report"};
    for (int i = 0; i < 4; ++i) {
        m_steps[i] = new QCheckBox(tr(steps[i]));
        form->addRow(m_steps[i]);
    }
    m_convention = new QLineEdit;
    form->addRow(tr("Filename Convention :"), m_convention);
    m_cable = new QLineEdit;
    form->addRow(tr("Cable :"), m_cable);
    m_numSplices = new QSpinBox;
    m_numSplices->setRange(1, bidir::kMaxSplicesWizard);
    form->addRow(tr("Number of Splices :"), m_numSplices);
    m_corrPercent = realBox(bidir::kMinCorrPercent, bidir::kMaxCorrPercent, 3);
    form->addRow(tr("Correlation % :"), m_corrPercent);
    m_hiLossBiDir = realBox(0.0, bidir::kMaxPassFailDB, 3);
    form->addRow(tr("Pass/Fail Loss : Bi-Dir :"), m_hiLossBiDir);
    m_hiLoss1Dir = realBox(0.0, bidir::kMaxPassFailDB, 3);
    form->addRow(tr("1-Dir :"), m_hiLoss1Dir);
    m_ignoreConn = new QCheckBox(tr("Ignore Patch Cord Connector"));
    form->addRow(m_ignoreConn);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(printerBox());
    boxes->addWidget(locationBox(), 0, Qt::AlignTop);
    form->addRow(boxes);
    return page;
}

QWidget* CAuto1BiDirDialog::printerBox() {
    auto* box = new QGroupBox(tr("Printer Parameters"));
    auto* form = new QFormLayout(box);
    for (int i = 0; i < 3; ++i) {
        m_headerLines[i] = new QLineEdit;
        form->addRow(tr("Header Line %1 :").arg(i + 1), m_headerLines[i]);
    }
    m_topMargin = realBox(0.0, bidir::kMaxTopMarginInch, 2);
    form->addRow(tr("Top Margin Offset (in) :"), m_topMargin);
    m_leftMargin = realBox(0.0, bidir::kMaxLeftMarginInch, 2);
    form->addRow(tr("Left Margin Offset (in) :"), m_leftMargin);
    return box;
}

QWidget* CAuto1BiDirDialog::locationBox() {
    auto* box = new QGroupBox(tr("Location Information"));
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Code")), 0, 1);
    grid->addWidget(new QLabel(tr("Location")), 0, 2);
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(new QLabel(QString::number(i + 1)), i + 1, 0);
        m_locCode[i] = new QLineEdit;
        m_locName[i] = new QLineEdit;
        grid->addWidget(m_locCode[i], i + 1, 1);
        grid->addWidget(m_locName[i], i + 1, 2);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* CAuto1BiDirDialog::templatePage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_lossThres = realBox(0.0, kMaxLossThres, 3);
    form->addRow(tr("Loss Threshold (dB) :"), m_lossThres);
    m_minFrequency = new QSpinBox;
    m_minFrequency->setRange(1, bidir::kMaxMinFrequency);
    form->addRow(tr("Minimum Frequency :"), m_minFrequency);
    m_adjustForHelix = new QCheckBox(tr("Adjust for Helix Factor"));
    form->addRow(m_adjustForHelix);
    return page;
}

QWidget* CAuto1BiDirDialog::advancedPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_eventFreqDist = new QCheckBox(tr("Event Frequency Distribution"));
    form->addRow(m_eventFreqDist);
    m_printReport = new QCheckBox(tr("Print Report"));
    form->addRow(m_printReport);
    m_eventDetermination = new QComboBox;
    for (const char* choice : kEventDeterminations)
        m_eventDetermination->addItem(tr(choice));
    form->addRow(tr("Event Determination :"), m_eventDetermination);
    m_tracePriority = new QCheckBox(tr("Trace Priority"));
    form->addRow(m_tracePriority);
    m_percentDis = realBox(0.0, kMaxPercentDis, 1);
    form->addRow(tr("Percent Distance :"), m_percentDis);
    m_absoluteDis = realBox(0.0, kMaxAbsoluteDis, 3);
    form->addRow(tr("Absolute Distance :"), m_absoluteDis);
    m_scaleMode = new QComboBox;
    for (const char* choice : kScaleModes)
        m_scaleMode->addItem(tr(choice));
    form->addRow(tr("Scale Mode :"), m_scaleMode);
    // The run itself always uses the template's events snapped to each trace's end.
    form->addRow(new QLabel(tr("While the wizard runs: Template Events, Snap to Trace End.")));
    return page;
}

void CAuto1BiDirDialog::show(const bidir::WizardSettings& s) {
    const bool steps[4] = {s.exceptReport, s.buildTemplates, s.applyTemplates, s.summaryReport};
    for (int i = 0; i < 4; ++i)
        m_steps[i]->setChecked(steps[i]);
    m_convention->setText(QString::fromStdString(toUtf8(s.convention)));
    m_cable->setText(QString::fromStdString(s.report.cable));
    m_numSplices->setValue(s.smartTemplate.numSplices);
    m_corrPercent->setValue(s.report.corrPercent);
    m_hiLossBiDir->setValue(s.report.hiLossBiDirDB);
    m_hiLoss1Dir->setValue(s.report.hiLoss1DirDB);
    m_ignoreConn->setChecked(s.report.ignoreConn);
    for (int i = 0; i < 3; ++i)
        m_headerLines[i]->setText(QString::fromStdString(s.report.headerLines[i]));
    m_topMargin->setValue(s.report.topMarginInch);
    m_leftMargin->setValue(s.report.leftMarginInch);
    m_locCode[0]->setText(QString::fromStdString(s.report.locCode1));
    m_locName[0]->setText(QString::fromStdString(s.report.loc1));
    m_locCode[1]->setText(QString::fromStdString(s.report.locCode2));
    m_locName[1]->setText(QString::fromStdString(s.report.loc2));
    m_lossThres->setValue(s.smartTemplate.lossThresDB);
    m_minFrequency->setValue(s.smartTemplate.minFrequency);
    m_adjustForHelix->setChecked(s.smartTemplate.adjustForHelix);
    m_exception->setCriteria(s.criteria);
    m_eventFreqDist->setChecked(s.smartTemplate.eventFreqDist);
    m_printReport->setChecked(s.smartTemplate.printReport);
    m_eventDetermination->setCurrentIndex(s.apply.merge ? kMergeChoice : 0);
    m_tracePriority->setChecked(s.apply.tracePriority);
    m_percentDis->setValue(s.apply.percentDis);
    m_absoluteDis->setValue(T6CurDistFromKM(s.apply.absoluteDisKM)); // display unit
    m_scaleMode->setCurrentIndex(
        std::clamp(s.apply.snapTo, bidir::kSnapNone, bidir::kSnapToTraceEnd));
}

void CAuto1BiDirDialog::restoreDefaults(int page) {
    const bidir::WizardSettings defaults;
    bidir::WizardSettings shown = settings();
    switch (page) {
    case kGeneralPage:
        shown.exceptReport = shown.buildTemplates = shown.applyTemplates = shown.summaryReport =
            true;
        shown.report.cable = defaults.report.cable;
        shown.report.corrPercent = defaults.report.corrPercent;
        shown.report.hiLossBiDirDB = defaults.report.hiLossBiDirDB;
        shown.report.hiLoss1DirDB = defaults.report.hiLoss1DirDB;
        shown.report.ignoreConn = defaults.report.ignoreConn;
        shown.report.headerLines = defaults.report.headerLines;
        shown.report.topMarginInch = defaults.report.topMarginInch;
        shown.report.leftMarginInch = defaults.report.leftMarginInch;
        shown.report.locCode1 = defaults.report.locCode1;
        shown.report.loc1 = defaults.report.loc1;
        shown.report.locCode2 = defaults.report.locCode2;
        shown.report.loc2 = defaults.report.loc2;
        shown.smartTemplate.numSplices = defaults.smartTemplate.numSplices;
        break;
    case kTemplatePage:
        shown.smartTemplate.lossThresDB = defaults.smartTemplate.lossThresDB;
        shown.smartTemplate.minFrequency = defaults.smartTemplate.minFrequency;
        shown.smartTemplate.adjustForHelix = defaults.smartTemplate.adjustForHelix;
        break;
    case kExceptionPage:
        shown.criteria = defaults.criteria;
        break;
    case kAdvancedPage:
        shown.smartTemplate.eventFreqDist = defaults.smartTemplate.eventFreqDist;
        shown.smartTemplate.printReport = defaults.smartTemplate.printReport;
        shown.apply = defaults.apply;
        break;
    default:
        return;
    }
    show(shown);
}

bidir::WizardSettings CAuto1BiDirDialog::settings() const {
    bidir::WizardSettings s = m_settings;
    s.exceptReport = m_steps[0]->isChecked();
    s.buildTemplates = m_steps[1]->isChecked();
    s.applyTemplates = m_steps[2]->isChecked();
    s.summaryReport = m_steps[3]->isChecked();
    s.convention = toUtf16(m_convention->text().toStdString());
    s.report.cable = m_cable->text().toStdString();
    s.smartTemplate.numSplices = m_numSplices->value();
    s.report.corrPercent = m_corrPercent->value();
    s.report.hiLossBiDirDB = m_hiLossBiDir->value();
    s.report.hiLoss1DirDB = m_hiLoss1Dir->value();
    s.report.ignoreConn = m_ignoreConn->isChecked();
    for (int i = 0; i < 3; ++i)
        s.report.headerLines[i] = m_headerLines[i]->text().toStdString();
    s.report.topMarginInch = m_topMargin->value();
    s.report.leftMarginInch = m_leftMargin->value();
    s.report.locCode1 = m_locCode[0]->text().toStdString();
    s.report.loc1 = m_locName[0]->text().toStdString();
    s.report.locCode2 = m_locCode[1]->text().toStdString();
    s.report.loc2 = m_locName[1]->text().toStdString();
    s.smartTemplate.lossThresDB = m_lossThres->value();
    s.smartTemplate.minFrequency = m_minFrequency->value();
    s.smartTemplate.adjustForHelix = m_adjustForHelix->isChecked();
    s.criteria = m_exception->criteria();
    s.smartTemplate.eventFreqDist = m_eventFreqDist->isChecked();
    s.smartTemplate.printReport = m_printReport->isChecked();
    s.apply.merge = m_eventDetermination->currentIndex() == kMergeChoice;
    s.apply.tracePriority = m_tracePriority->isChecked();
    s.apply.percentDis = m_percentDis->value();
    s.apply.absoluteDisKM = T6KMFromCurDist(m_absoluteDis->value());
    s.apply.snapTo = m_scaleMode->currentIndex();
    return s;
}

bool CAuto1BiDirDialog::conventionAccepted() {
    const std::optional<std::string> refusal =
        bidir::ValidateFileNameConvention(toUtf16(m_convention->text().toStdString()));
    if (!refusal) return true;
    tell("", *refusal, PromptIcon::Exclamation);
    return false;
}

void CAuto1BiDirDialog::onTabChanged(int index) {
    // Leaving the General page checks the convention; a refused one keeps it.
    if (m_current == kGeneralPage && index != kGeneralPage && !conventionAccepted()) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(kGeneralPage);
        return;
    }
    m_current = index;
}

void CAuto1BiDirDialog::accept() {
    if (!conventionAccepted()) {
        m_tabs->setCurrentIndex(kGeneralPage);
        return;
    }
    QDialog::accept();
}

} // namespace orvane
