#include "widgets/printing/print_dialogs.h"

#include "widgets/printing/print_setup_fields.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane::printing {

namespace {

constexpr double kMaxTopMarginInch = 6.0;
constexpr double kMaxLeftMarginInch = 4.0;
constexpr int kMarginDecimals = 2;

const char* const kChoiceCaptions[kPrintChoices] = {
    "Current &View", "&Batch Print", "&Frame Print", "Bi-&Directional Print", "&Report",
};

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QDoubleSpinBox* marginBox(QWidget* parent, double high, double inches) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0.0, high);
    box->setDecimals(kMarginDecimals);
    box->setSingleStep(0.1);
    box->setValue(inches);
    return box;
}

} // namespace

CSelectPrintTypeDialog::CSelectPrintTypeDialog(const PrintTypeState& state,
                                               const ReportPrintValues& values, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Select Print/Preview Type"));
    auto* group = new QGroupBox(tr("Print/Preview What?"), this);
    auto* radios = new QVBoxLayout(group);
    for (std::size_t i = 0; i < kPrintChoices; ++i) {
        m_buttons[i] = new QRadioButton(tr(kChoiceCaptions[i]), group);
        m_buttons[i]->setEnabled(state.enabled[i]);
        radios->addWidget(m_buttons[i]);
    }
    button(state.initial)->setChecked(true);

    m_colour = new QCheckBox(tr("&Waveform in Color."), this);
    m_colour->setChecked(values.waveformInColor);
    m_top = marginBox(this, kMaxTopMarginInch, values.common.topMarginInch);
    m_left = marginBox(this, kMaxLeftMarginInch, values.common.leftMarginInch);
    auto* form = new QFormLayout;
    form->addRow(m_colour);
    form->addRow(tr("&Top Margin Offset : "), m_top);
    form->addRow(tr("&Left Margin Offset : "), m_left);
    for (std::size_t i = 0; i < m_headerLines.size(); ++i) {
        m_headerLines[i] =
            new QLineEdit(QString::fromStdString(values.common.headerLines[i]), this);
        form->addRow(i == 0 ? tr("&Header Lines :") : QString(), m_headerLines[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(form);
    layout->addWidget(okCancel(this));
}

PrintChoice CSelectPrintTypeDialog::choice() const {
    for (std::size_t i = 0; i < kPrintChoices; ++i)
        if (m_buttons[i]->isChecked()) return static_cast<PrintChoice>(i);
    return PrintChoice::CurrentView;
}

void CSelectPrintTypeDialog::store(ReportPrintValues& values) const {
    values.waveformInColor = m_colour->isChecked();
    values.common.topMarginInch = MarginInches(MarginStoredForm(m_top->value()));
    values.common.leftMarginInch = MarginInches(MarginStoredForm(m_left->value()));
    for (std::size_t i = 0; i < m_headerLines.size(); ++i)
        values.common.headerLines[i] = m_headerLines[i]->text().toStdString();
}

CReportSetupDialog::CReportSetupDialog(const ReportPrintValues& values,
                                       const Preferences& preferences, bool primaryLoaded,
                                       QWidget* parent)
    : QDialog(parent), m_offered(OfferedReportTypes(primaryLoaded)) {
    setWindowTitle(tr("Report Setup"));
    m_fields = new PrintSetupFields(this);
    auto* form = new QFormLayout;
    m_cable = new QLineEdit(QString::fromStdString(values.common.cable), this);
    form->addRow(tr("C&able :"), m_cable);
    m_fields->addLimits(form);
    m_list = new QListWidget(this);
    for (const ReportType& type : m_offered)
        m_list->addItem(tr(bidir::reportKindInfo(type.kind).choice));
    m_list->setCurrentRow(static_cast<int>(InitialReportEntry(m_offered, values.type)));
    form->addRow(tr("&Report Type"), m_list);
    m_ignoreConn = new QCheckBox(tr("&Ignore Patch Cord Connector"), this);
    m_ignoreConn->setChecked(values.common.ignoreConn);
    form->addRow(m_ignoreConn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_fields->identificationGroup(
        tr("Trace Selection/Identification from Selected Traces"), true));
    layout->addWidget(okCancel(this));
    m_fields->show(values, preferences);
}

int32_t CReportSetupDialog::reportCode() const {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_offered.size())) return m_offered.front().code;
    return m_offered[static_cast<std::size_t>(row)].code;
}

void CReportSetupDialog::store(ReportPrintValues& values, Preferences& preferences) const {
    values.common.cable = m_cable->text().toStdString();
    values.common.ignoreConn = m_ignoreConn->isChecked();
    values.type = reportCode();
    m_fields->store(values, preferences);
}

void CReportSetupDialog::accept() {
    if (m_fields->validate()) QDialog::accept();
}

CBiDirPrintSetupDialog::CBiDirPrintSetupDialog(const ReportPrintValues& values,
                                               const Preferences& preferences, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Bi-Directional Print Setup"));
    m_fields = new PrintSetupFields(this);
    auto* form = new QFormLayout;
    m_fields->addLimits(form);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_fields->identificationGroup(QString(), false));
    layout->addWidget(okCancel(this));
    m_fields->show(values, preferences);
}

void CBiDirPrintSetupDialog::store(ReportPrintValues& values, Preferences& preferences) const {
    m_fields->store(values, preferences);
}

void CBiDirPrintSetupDialog::accept() {
    if (m_fields->validate()) QDialog::accept();
}

} // namespace orvane::printing
