// The fields "Report Setup" and "Bi-Directional Print Setup" share: correlation, pass/fail losses,
// the file-name convention, the wavelength, and the two location rows with their reference-trace
// choice. Shown from and stored into "ReportPrint" and the convention preferences.
#pragma once

#include "core/printing/print_settings.h"
#include "core/shell/preferences.h"

#include <QObject>
#include <QString>

#include <array>

class QButtonGroup;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QWidget;

namespace orvane::printing {

// Shown in the convention field while the instrument's own names are used.
inline constexpr char kInstrumentConventionText[] = "Instrument file names (NV8FN)";

class PrintSetupFields : public QObject {
    Q_OBJECT
public:
    explicit PrintSetupFields(QWidget* owner);

    // Rows added to the form: correlation and losses.
    void addLimits(QFormLayout* form);
    // The trace identification group's rows (convention, wavelength, and
    // fibres per group when asked for) and the two location rows.
    QWidget* identificationGroup(const QString& title, bool fibersPerGroup);

    void show(const ReportPrintValues& values, const Preferences& preferences);
    // False (after the message, the focus on the field) when a field holds
    // a value that may not be stored.
    bool validate();
    void store(ReportPrintValues& values, Preferences& preferences) const;

    QLineEdit* convention() const { return m_convention; }
    QLineEdit* wavelength() const { return m_wavelength; }
    QLineEdit* fibersPerGroup() const { return m_fibersPerGroup; }

private:
    QWidget* m_owner;
    QDoubleSpinBox* m_corrPercent = nullptr;
    QDoubleSpinBox* m_hiLossBiDir = nullptr;
    QDoubleSpinBox* m_hiLoss1Dir = nullptr;
    QLineEdit* m_convention = nullptr;
    QLineEdit* m_wavelength = nullptr;
    QLineEdit* m_fibersPerGroup = nullptr;
    QButtonGroup* m_reference = nullptr;
    std::array<QLineEdit*, 2> m_locCode{};
    std::array<QLineEdit*, 2> m_locName{};
    bool m_instrumentNames = false;
};

// An optional whole number: "%d" when not zero, empty for zero.
QString OptionalNumberText(int32_t value);
// The field's number: 0 for an empty field, nothing outside low..high.
std::optional<int32_t> OptionalNumber(const QString& text, int32_t low, int32_t high);

} // namespace orvane::printing
