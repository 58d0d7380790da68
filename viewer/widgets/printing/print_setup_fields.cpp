#include "widgets/printing/print_setup_fields.h"

#include "core/bidir/report_print_settings.h"
#include "core/bidir/trace_name.h"
#include "core/platform/prompt.h"
#include "core/platform/text.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace orvane::printing {

namespace {

constexpr int32_t kMaxWavelengthNM = 9999;
constexpr int32_t kMaxFibersPerGroup = 9999;
constexpr int kPercentDecimals = 3;
constexpr int kLossDecimals = 3;

QDoubleSpinBox* spin(QWidget* owner, double low, double high, int decimals) {
    auto* box = new QDoubleSpinBox(owner);
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}

bool refuse(QLineEdit* field, int32_t low, int32_t high) {
    tell("", "Please enter an integer between " + std::to_string(low) + " and " +
                 std::to_string(high) + ".");
    field->setFocus();
    field->selectAll();
    return false;
}

} // namespace

QString OptionalNumberText(int32_t value) {
    return value == 0 ? QString() : QString::number(value);
}

std::optional<int32_t> OptionalNumber(const QString& text, int32_t low, int32_t high) {
    if (text.trimmed().isEmpty()) return 0;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

PrintSetupFields::PrintSetupFields(QWidget* owner) : QObject(owner), m_owner(owner) {}

void PrintSetupFields::addLimits(QFormLayout* form) {
    m_corrPercent = spin(m_owner, bidir::kMinCorrPercent, bidir::kMaxCorrPercent, kPercentDecimals);
    m_hiLossBiDir = spin(m_owner, 0.0, bidir::kMaxPassFailDB, kLossDecimals);
    m_hiLoss1Dir = spin(m_owner, 0.0, bidir::kMaxPassFailDB, kLossDecimals);
    form->addRow(tr("Correlation &% :"), m_corrPercent);
    auto* losses = new QHBoxLayout;
    losses->addWidget(new QLabel(tr("Bi-Dir "), m_owner));
    losses->addWidget(m_hiLossBiDir);
    losses->addWidget(new QLabel(tr("1-Dir "), m_owner));
    losses->addWidget(m_hiLoss1Dir);
    auto* lossLabel = new QLabel(tr("&Hi Loss : "), m_owner);
    lossLabel->setBuddy(m_hiLossBiDir);
    form->addRow(lossLabel, losses);
}

QWidget* PrintSetupFields::identificationGroup(const QString& title, bool fibersPerGroup) {
    auto* group = new QGroupBox(title, m_owner);
    auto* form = new QFormLayout;
    m_convention = new QLineEdit(group);
    m_wavelength = new QLineEdit(group);
    form->addRow(tr("File&name Convention :"), m_convention);
    form->addRow(tr("Process &Wavelength(nm) :"), m_wavelength);
    if (fibersPerGroup) {
        m_fibersPerGroup = new QLineEdit(group);
        form->addRow(tr("Fibers Per &Group :"), m_fibersPerGroup);
    }
    auto* rows = new QGridLayout;
    m_reference = new QButtonGroup(group);
    const QString names[] = {tr("&First :"), tr("&Second :")};
    rows->addWidget(new QLabel(tr("Reference"), group), 0, 0);
    rows->addWidget(new QLabel(tr("Location Code"), group), 0, 1);
    rows->addWidget(new QLabel(tr("Location Name"), group), 0, 2);
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(names[i], group);
        m_reference->addButton(radio, i);
        m_locCode[static_cast<std::size_t>(i)] = new QLineEdit(group);
        m_locName[static_cast<std::size_t>(i)] = new QLineEdit(group);
        rows->addWidget(radio, i + 1, 0);
        rows->addWidget(m_locCode[static_cast<std::size_t>(i)], i + 1, 1);
        rows->addWidget(m_locName[static_cast<std::size_t>(i)], i + 1, 2);
    }
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(form);
    layout->addLayout(rows);
    return group;
}

void PrintSetupFields::show(const ReportPrintValues& v, const Preferences& p) {
    if (m_corrPercent) {
        m_corrPercent->setValue(v.common.corrPercent);
        m_hiLossBiDir->setValue(v.common.hiLossBiDirDB);
        m_hiLoss1Dir->setValue(v.common.hiLoss1DirDB);
    }
    m_instrumentNames = p.nv8fnEnabled != 0;
    if (m_instrumentNames) {
        m_convention->setText(tr(kInstrumentConventionText));
        m_convention->setEnabled(false);
    } else {
        const QString name = QString::fromStdString(p.fileNameConv);
        m_convention->setText(
            p.fileExtConv.empty() ? name : name + "." + QString::fromStdString(p.fileExtConv));
    }
    m_wavelength->setText(OptionalNumberText(v.wavelengthNM));
    if (m_fibersPerGroup) m_fibersPerGroup->setText(OptionalNumberText(v.fibersPerGroup));
    m_reference->button(v.referenceTrace == 1 ? 1 : 0)->setChecked(true);
    m_locCode[0]->setText(QString::fromStdString(v.common.locCode1));
    m_locName[0]->setText(QString::fromStdString(v.common.loc1));
    m_locCode[1]->setText(QString::fromStdString(v.common.locCode2));
    m_locName[1]->setText(QString::fromStdString(v.common.loc2));
}

bool PrintSetupFields::validate() {
    if (!OptionalNumber(m_wavelength->text(), 1, kMaxWavelengthNM))
        return refuse(m_wavelength, 1, kMaxWavelengthNM);
    if (m_fibersPerGroup && !OptionalNumber(m_fibersPerGroup->text(), 0, kMaxFibersPerGroup))
        return refuse(m_fibersPerGroup, 0, kMaxFibersPerGroup);
    if (m_instrumentNames) return true;
    const std::optional<std::string> refusal =
        bidir::ValidateFileNameConvention(toUtf16(m_convention->text().toStdString()));
    if (!refusal) return true;
    tell("", *refusal);
    m_convention->setFocus();
    return false;
}

void PrintSetupFields::store(ReportPrintValues& v, Preferences& p) const {
    if (m_corrPercent) {
        v.common.corrPercent = m_corrPercent->value();
        v.common.hiLossBiDirDB = m_hiLossBiDir->value();
        v.common.hiLoss1DirDB = m_hiLoss1Dir->value();
    }
    v.wavelengthNM = OptionalNumber(m_wavelength->text(), 1, kMaxWavelengthNM).value_or(0);
    if (m_fibersPerGroup)
        v.fibersPerGroup =
            OptionalNumber(m_fibersPerGroup->text(), 0, kMaxFibersPerGroup).value_or(0);
    v.referenceTrace = m_reference->checkedId() == 1 ? 1 : 0;
    v.common.locCode1 = m_locCode[0]->text().toStdString();
    v.common.loc1 = m_locName[0]->text().toStdString();
    v.common.locCode2 = m_locCode[1]->text().toStdString();
    v.common.loc2 = m_locName[1]->text().toStdString();
    if (m_instrumentNames) return;
    // Kept as the two "Preferences" values, split at the '.'.
    const std::string convention = m_convention->text().toStdString();
    const std::size_t dot = convention.rfind('.');
    p.fileNameConv = dot == std::string::npos ? convention : convention.substr(0, dot);
    p.fileExtConv = dot == std::string::npos ? std::string() : convention.substr(dot + 1);
}

} // namespace orvane::printing
