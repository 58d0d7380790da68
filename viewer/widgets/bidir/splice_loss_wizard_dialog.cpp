#include "widgets/bidir/splice_loss_wizard_dialog.h"

#include "core/bidir/trace_name.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"
#include "widgets/bidir/exception_criteria_page.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int kGeneralPage = 0;
constexpr int kTemplatePage = 1;
constexpr int kExceptionPage = 2;
constexpr int kAdvancedPage = 3;
constexpr double kMaxLossThres = 1.0;
constexpr double kMaxPercentDis = 200.0;
constexpr double kMaxAbsoluteDis = 1e8;

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
    return page;
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
    m_percentDis = realBox(0.0, kMaxPercentDis, 1);
    form->addRow(tr("Percent Distance :"), m_percentDis);
    m_absoluteDis = realBox(0.0, kMaxAbsoluteDis, 3);
    form->addRow(tr("Absolute Distance :"), m_absoluteDis);
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
    m_lossThres->setValue(s.smartTemplate.lossThresDB);
    m_minFrequency->setValue(s.smartTemplate.minFrequency);
    m_adjustForHelix->setChecked(s.smartTemplate.adjustForHelix);
    m_exception->setCriteria(s.criteria);
    m_eventFreqDist->setChecked(s.smartTemplate.eventFreqDist);
    m_printReport->setChecked(s.smartTemplate.printReport);
    m_percentDis->setValue(s.apply.percentDis);
    m_absoluteDis->setValue(s.apply.absoluteDisKM);
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
    s.smartTemplate.lossThresDB = m_lossThres->value();
    s.smartTemplate.minFrequency = m_minFrequency->value();
    s.smartTemplate.adjustForHelix = m_adjustForHelix->isChecked();
    s.criteria = m_exception->criteria();
    s.smartTemplate.eventFreqDist = m_eventFreqDist->isChecked();
    s.smartTemplate.printReport = m_printReport->isChecked();
    s.apply.percentDis = m_percentDis->value();
    s.apply.absoluteDisKM = m_absoluteDis->value();
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

std::optional<bidir::WizardResult> RunSpliceLossWizard(QWidget* parent, bidir::WizardTraces& traces,
                                                       bidir::WizardSettings& settings) {
    CAuto1BiDirDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    settings = dialog.settings();
    return bidir::RunSpliceLossWizard(traces, settings);
}

} // namespace orvane
