#include "widgets/batch/template_dialogs.h"

#include "core/bidir/smart_template_settings.h"
#include "core/shell/application_state.h"
#include "core/shell/preferences_store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace orvane {

namespace {

constexpr double kMaxPercentDis = 100.0;
constexpr double kMaxAbsoluteDis = 1000.0;
constexpr double kMaxLossThres = 1.0;

QDoubleSpinBox* realBox(double low, double high, int decimals, double value) {
    auto* box = new QDoubleSpinBox;
    box->setRange(low, high);
    box->setDecimals(decimals);
    box->setValue(value);
    return box;
}

QCheckBox* checkBox(const QString& text, bool checked) {
    auto* box = new QCheckBox(text);
    box->setChecked(checked);
    return box;
}

void addButtons(QDialog* dialog, QFormLayout* form) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    form->addRow(buttons);
}

} // namespace

CApplyTemplateDialog::CApplyTemplateDialog(const FASTemplateSettings& s, QWidget* parent)
    : QDialog(parent), m_settings(s) {
    setWindowTitle(tr("Apply Splice Template"));
    auto* form = new QFormLayout(this);
    m_eventDetermination = new QComboBox;
    m_eventDetermination->addItems({tr("Template Events"), tr("Merge Template and Trace Events")});
    m_eventDetermination->setCurrentIndex(s.eventDetermination == 1 ? 1 : 0);
    form->addRow(tr("Event Determination :"), m_eventDetermination);
    m_tracePriority = checkBox(tr("Trace Priority"), s.tracePriority != 0);
    form->addRow(m_tracePriority);
    m_percentDis = realBox(0.0, kMaxPercentDis, 2, s.percentDis);
    form->addRow(tr("Percent Distance :"), m_percentDis);
    const QString unit =
        QString::fromUtf8(distanceUnitLabel(application().preferences.distanceUnits));
    m_absoluteDis = realBox(0.0, kMaxAbsoluteDis, 2, s.absoluteDis);
    form->addRow(tr("Absolute Distance (%1) :").arg(unit), m_absoluteDis);
    m_snapTo = new QComboBox;
    m_snapTo->addItems({tr("None"), tr("Snap to Template End"), tr("Snap to Trace End")});
    m_snapTo->setCurrentIndex(std::clamp(s.snapTo, 0, 2));
    form->addRow(tr("Scale :"), m_snapTo);
    m_saveTrace = checkBox(tr("Save Trace"), s.saveTrace != 0);
    form->addRow(m_saveTrace);
    addButtons(this, form);
}

FASTemplateSettings CApplyTemplateDialog::settings() const {
    FASTemplateSettings s = m_settings;
    s.eventDetermination = m_eventDetermination->currentIndex();
    s.tracePriority = m_tracePriority->isChecked() ? 1 : 0;
    s.percentDis = m_percentDis->value();
    s.absoluteDis = m_absoluteDis->value();
    s.snapTo = m_snapTo->currentIndex();
    s.saveTrace = m_saveTrace->isChecked() ? 1 : 0;
    return s;
}

CSmartTemplateDialog::CSmartTemplateDialog(const SmartTemplateSettings& s, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Smart Splice Template"));
    auto* form = new QFormLayout(this);
    m_numSplices = new QSpinBox;
    m_numSplices->setRange(1, bidir::kMaxSplicesDialog);
    m_numSplices->setValue(s.numSplices);
    form->addRow(tr("Number of Splices :"), m_numSplices);
    m_lossThres = realBox(0.0, kMaxLossThres, 3, s.lossThres);
    form->addRow(tr("Loss Threshold (dB) :"), m_lossThres);
    m_minFrequency = new QSpinBox;
    m_minFrequency->setRange(1, bidir::kMaxMinFrequency);
    m_minFrequency->setValue(s.minFrequency);
    form->addRow(tr("Minimum Frequency :"), m_minFrequency);
    m_adjustForHelix = checkBox(tr("Adjust for Helix Factor"), s.adjustForHelix != 0);
    form->addRow(m_adjustForHelix);
    m_eventFreqDist = checkBox(tr("Event Frequency Distribution"), s.eventFreqDist != 0);
    form->addRow(m_eventFreqDist);
    m_printReport = checkBox(tr("Print Report"), s.printReport != 0);
    form->addRow(m_printReport);
    addButtons(this, form);
}

SmartTemplateSettings CSmartTemplateDialog::settings() const {
    SmartTemplateSettings s;
    s.numSplices = m_numSplices->value();
    s.lossThres = m_lossThres->value();
    s.minFrequency = m_minFrequency->value();
    s.adjustForHelix = m_adjustForHelix->isChecked() ? 1 : 0;
    s.eventFreqDist = m_eventFreqDist->isChecked() ? 1 : 0;
    s.printReport = m_printReport->isChecked() ? 1 : 0;
    return s;
}

} // namespace orvane
