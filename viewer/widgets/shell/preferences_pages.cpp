#include "widgets/shell/preferences_pages.h"

#include "core/shell/languages.h"
#include "core/shell/preferences_edit.h"
#include "core/shell/preferences_store.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace orvane {

namespace {

constexpr double kHundredths = 100.0;
constexpr double kTenths = 10.0;

QDoubleSpinBox* spin(const NumberRange& range, double value, const char* suffix, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(range.minimum, range.maximum);
    box->setSingleStep(range.step);
    box->setDecimals(range.decimals);
    box->setValue(value);
    if (suffix) box->setSuffix(QString(" ") + suffix);
    return box;
}

QSpinBox* intSpin(const NumberRange& range, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(static_cast<int>(range.minimum), static_cast<int>(range.maximum));
    box->setValue(value);
    return box;
}

// Radio buttons in a box, ids 0..n-1, the given one checked.
QButtonGroup* radios(const QStringList& labels, int checked, QGroupBox* box,
                     Qt::Orientation orientation = Qt::Vertical) {
    auto* group = new QButtonGroup(box);
    QBoxLayout* layout = orientation == Qt::Vertical
                             ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                             : new QHBoxLayout(box);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    if (QAbstractButton* button = group->button(checked)) button->setChecked(true);
    return group;
}

QCheckBox* check(const QString& label, bool on, QWidget* parent) {
    auto* box = new QCheckBox(label, parent);
    box->setChecked(on);
    return box;
}

int rounded(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

AnalysisPage::AnalysisPage(const Preferences& p, QWidget* parent) : PreferencesPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* thresholds = new QGroupBox(tr("Thresholds"), this);
    auto* form = new QFormLayout(thresholds);
    lossThreshold = spin(kLossThresholdRange, p.lossThreshold / kHundredths, "dB", this);
    reflThreshold = spin(kReflThresholdRange, -p.reflThreshold / kTenths, "dB", this);
    fiberBreak = spin(kFiberBreakRange, p.fiberBreak / kTenths, "dB", this);
    form->addRow(tr("Event loss:"), lossThreshold);
    form->addRow(tr("Event reflectance:"), reflThreshold);
    form->addRow(tr("Fiber break:"), fiberBreak);
    layout->addWidget(thresholds);

    auto* endToEnd = new QGroupBox(tr("End-to-end loss includes"), this);
    auto* eeLayout = new QHBoxLayout(endToEnd);
    startConnector = check(tr("Start connector"), p.addStartConnEE != 0, endToEnd);
    endConnector = check(tr("End connector"), p.addEndConnEE != 0, endToEnd);
    eeLayout->addWidget(startConnector);
    eeLayout->addWidget(endConnector);
    layout->addWidget(endToEnd);

    auto* orl = new QGroupBox(tr("ORL relative to"), this);
    orlRelative = radios({tr("A cursor"), tr("Origin")}, p.orlRelOrigin, orl, Qt::Horizontal);
    layout->addWidget(orl);
    auto* refl = new QGroupBox(tr("Reflectance calculations"), this);
    reflCalculation = radios({tr("Automatic (at the A cursor)"), tr("Manual (from A to B)")},
                             p.reflCalcManual, refl, Qt::Horizontal);
    layout->addWidget(refl);

    auto* nth = new QGroupBox(tr("Force end to Nth reflection"), this);
    auto* nthForm = new QFormLayout(nth);
    nthReflection = check(tr("Enabled"), p.endNthReflOn != 0, nth);
    nthCount = intSpin(kNthReflCountRange, p.endNthReflCnt, nth);
    nthThreshold = spin(kNthReflThresholdRange, p.endNthReflThres, "dB", nth);
    nthForm->addRow(nthReflection);
    nthForm->addRow(tr("N:"), nthCount);
    nthForm->addRow(tr("Reflectance threshold:"), nthThreshold);
    layout->addWidget(nth);
    layout->addStretch();
}

void AnalysisPage::store(Preferences& p) const {
    p.lossThreshold = rounded(lossThreshold->value() * kHundredths);
    p.reflThreshold = rounded(-reflThreshold->value() * kTenths);
    p.fiberBreak = rounded(fiberBreak->value() * kTenths);
    p.addStartConnEE = startConnector->isChecked() ? 1 : 0;
    p.addEndConnEE = endConnector->isChecked() ? 1 : 0;
    p.orlRelOrigin = orlRelative->checkedId();
    p.reflCalcManual = reflCalculation->checkedId();
    p.endNthReflOn = nthReflection->isChecked() ? 1 : 0;
    p.endNthReflCnt = nthCount->value();
    p.endNthReflThres = -std::fabs(nthThreshold->value());
}

DisplayPage::DisplayPage(const Preferences& p, QWidget* parent) : PreferencesPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* batch = new QGroupBox(tr("Batch"), this);
    auto* batchForm = new QFormLayout(batch);
    batchSize = intSpin(kBatchSizeRange, p.batchSize, batch);
    keepPrimary = check(tr("Keep primary"), p.batchKeepPrimary, batch);
    batchForm->addRow(tr("Batch size:"), batchSize);
    batchForm->addRow(keepPrimary);
    layout->addWidget(batch);

    auto* sort = new QGroupBox(tr("Sort masks"), this);
    auto* sortForm = new QFormLayout(sort);
    sortMaskName = new QLineEdit(QString::fromStdString(p.sortMaskName), sort);
    sortMaskExt = new QLineEdit(QString::fromStdString(p.sortMaskExt), sort);
    sortForm->addRow(tr("File name:"), sortMaskName);
    sortForm->addRow(tr("File extension:"), sortMaskExt);
    layout->addWidget(sort);

    auto* other = new QGroupBox(tr("Display"), this);
    auto* otherForm = new QFormLayout(other);
    highLoss = spin(kHighLossRange, p.excessiveLoss / kTenths, "dB", other);
    saveTracePrompt = check(tr("Save trace prompt"), p.saveTracePrompt, other);
    eelForced = check(tr("End-to-end loss forced"), p.eelForced != 0, other);
    otherForm->addRow(tr("High loss:"), highLoss);
    otherForm->addRow(saveTracePrompt);
    otherForm->addRow(eelForced);
    layout->addWidget(other);

    auto* atten = new QGroupBox(tr("Attenuation coefficient"), this);
    auto* attenLayout = new QHBoxLayout(atten);
    attenuation = new QButtonGroup(atten);
    auto* calculated = new QRadioButton(tr("Calculated"), atten);
    auto* fixed = new QRadioButton(tr("Fixed:"), atten);
    attenuation->addButton(calculated, 0);
    attenuation->addButton(fixed, 1);
    (p.radioDBKM ? fixed : calculated)->setChecked(true);
    fixedDBKM = spin(kFixedDBKMRange, p.dbPerKM, "dB/km", atten);
    attenLayout->addWidget(calculated);
    attenLayout->addWidget(fixed);
    attenLayout->addWidget(fixedDBKM);
    layout->addWidget(atten);

    auto* names = new QGroupBox(tr("Instrument file names"), this);
    auto* grid = new QGridLayout(names);
    fileNameSort = check(tr("Sort by file-name fields"), p.nv8fnEnabled != 0, names);
    fieldCount = intSpin({1, 6, 1, 0}, p.nv8fnFldCount, names);
    grid->addWidget(fileNameSort, 0, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Fields compared:")), 0, 3, 1, 2);
    grid->addWidget(fieldCount, 0, 5);
    grid->addWidget(new QLabel(tr("Layout:")), 1, 0);
    grid->addWidget(new QLabel(tr("Sort rank:")), 2, 0);
    for (size_t i = 0; i < fieldLayout.size(); ++i) {
        fieldLayout[i] = intSpin({0, 9, 1, 0}, p.nv8fnFormat[i], names);
        fieldRank[i] = intSpin({1, 6, 1, 0}, p.nv8fnSort[i], names);
        grid->addWidget(fieldLayout[i], 1, static_cast<int>(i) + 1);
        grid->addWidget(fieldRank[i], 2, static_cast<int>(i) + 1);
    }
    layout->addWidget(names);
    layout->addStretch();
}

std::string DisplayPage::validate() {
    for (QLineEdit* mask : {sortMaskName, sortMaskExt}) {
        if (isValidSortMask(mask->text().toStdString())) continue;
        mask->setFocus();
        mask->selectAll();
        return kSortMaskMessage;
    }
    return {};
}

void DisplayPage::store(Preferences& p) const {
    p.batchSize = batchSize->value();
    p.batchKeepPrimary = keepPrimary->isChecked();
    p.sortMaskName = sortMaskName->text().toStdString();
    p.sortMaskExt = sortMaskExt->text().toStdString();
    p.excessiveLoss = rounded(highLoss->value() * kTenths);
    p.saveTracePrompt = saveTracePrompt->isChecked();
    p.eelForced = eelForced->isChecked() ? 1 : 0;
    p.radioDBKM = attenuation->checkedId();
    p.dbPerKM = fixedDBKM->value();
    p.nv8fnEnabled = fileNameSort->isChecked() ? 1 : 0;
    p.nv8fnFldCount = fieldCount->value();
    for (size_t i = 0; i < fieldLayout.size(); ++i) {
        p.nv8fnFormat[i] = fieldLayout[i]->value();
        p.nv8fnSort[i] = fieldRank[i]->value();
    }
}

UnitsPage::UnitsPage(const Preferences& p, QWidget* parent) : PreferencesPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Distance units"), this);
    QStringList labels;
    for (int32_t unit = T6_UNIT_MI; unit <= T6_UNIT_KM; ++unit)
        labels << tr(distanceUnitWord(unit));
    units = radios(labels, p.distanceUnits, box);
    layout->addWidget(box);
    layout->addStretch();
}

void UnitsPage::store(Preferences& p) const {
    p.distanceUnits = units->checkedId();
}

TimeDatePage::TimeDatePage(const Preferences& p, QWidget* parent) : PreferencesPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* time = new QGroupBox(tr("Time"), this);
    const bool hour24 = p.timeFormat == kTime24 || p.timeFormat == kTime24Seconds;
    clock = radios({tr("12 hour"), tr("24 hour")}, hour24 ? 1 : 0, time, Qt::Horizontal);
    seconds = check(tr("Use seconds"),
                    p.timeFormat == kTime12Seconds || p.timeFormat == kTime24Seconds, time);
    time->layout()->addWidget(seconds);
    layout->addWidget(time);
    auto* dateBox = new QGroupBox(tr("Date"), this);
    date = radios({"MM/DD/YY", "DD-MMM-YY", "DD-MMM", "MMM-YY"}, p.dateFormat, dateBox);
    layout->addWidget(dateBox);
    layout->addStretch();
}

void TimeDatePage::store(Preferences& p) const {
    const bool hour24 = clock->checkedId() == 1;
    if (hour24)
        p.timeFormat = seconds->isChecked() ? kTime24Seconds : kTime24;
    else
        p.timeFormat = seconds->isChecked() ? kTime12Seconds : kTime12;
    p.dateFormat = date->checkedId();
}

PowerMeterPage::PowerMeterPage(const Preferences& p, QWidget* parent) : PreferencesPage(parent) {
    auto* layout = new QFormLayout(this);
    decimalPlaces = new QComboBox(this);
    decimalPlaces->addItems({"1", "2", "3"});
    decimalPlaces->setCurrentIndex(p.p6DBDecimalPlaces -
                                   static_cast<int>(kDecimalPlacesRange.minimum));
    showReferences =
        check(tr("Reference values on print and export"), p.p6ShowReferences != 0, this);
    layout->addRow(tr("dB decimal places:"), decimalPlaces);
    layout->addRow(showReferences);
}

void PowerMeterPage::store(Preferences& p) const {
    p.p6DBDecimalPlaces =
        decimalPlaces->currentIndex() + static_cast<int>(kDecimalPlacesRange.minimum);
    p.p6ShowReferences = showReferences->isChecked() ? 1 : 0;
}

namespace {

QComboBox* languageList(const std::vector<Language>& languages, const std::string& current,
                        QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const Language& language : languages)
        box->addItem(QObject::tr(language.name), QString(language.code));
    const int index =
        box->findData(QString::fromStdString(current), Qt::UserRole, Qt::MatchFixedString);
    box->setCurrentIndex(index < 0 ? 0 : index);
    return box;
}

} // namespace

LanguagePage::LanguagePage(const Preferences& p, const std::string& programDirectory,
                           QWidget* parent)
    : PreferencesPage(parent) {
    auto* layout = new QFormLayout(this);
    program = languageList(availableLanguages(programDirectory, ".qm"), p.pgmLanguage, this);
    help = languageList(availableLanguages(programDirectory, ".HLP"), p.hlpLanguage, this);
    layout->addRow(tr("Program language:"), program);
    layout->addRow(tr("Help language:"), help);
    layout->addRow(new QLabel(tr("To change a language : \n    . Select a new language.\n    . "
                                 "Click OK.\n    . Exit and rerun this program."),
                              this));
}

void LanguagePage::store(Preferences& p) const {
    p.pgmLanguage = program->currentData().toString().toStdString();
    p.hlpLanguage = help->currentData().toString().toStdString();
}

} // namespace orvane
