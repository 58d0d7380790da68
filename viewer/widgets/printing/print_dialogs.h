// The print dialogs: "Select Print/Preview Type", "Report Setup"
// and "Bi-Directional Print Setup".
#pragma once

#include "core/printing/print_choice.h"
#include "core/shell/preferences.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace orvane::printing {

class PrintSetupFields;

class CSelectPrintTypeDialog : public QDialog {
    Q_OBJECT
public:
    CSelectPrintTypeDialog(const PrintTypeState& state, const ReportPrintValues& values,
                           QWidget* parent = nullptr);

    PrintChoice choice() const;
    // The margins, colour flag and header lines as edited.
    void store(ReportPrintValues& values) const;

    QRadioButton* button(PrintChoice choice) const {
        return m_buttons[static_cast<std::size_t>(choice)];
    }
    QDoubleSpinBox* topMargin() const { return m_top; }

private:
    std::array<QRadioButton*, kPrintChoices> m_buttons{};
    QCheckBox* m_colour = nullptr;
    QDoubleSpinBox* m_top = nullptr;
    QDoubleSpinBox* m_left = nullptr;
    std::array<QLineEdit*, 3> m_headerLines{};
};

class CReportSetupDialog : public QDialog {
    Q_OBJECT
public:
    CReportSetupDialog(const ReportPrintValues& values, const Preferences& preferences,
                       bool primaryLoaded, QWidget* parent = nullptr);

    // The chosen report type code.
    int32_t reportCode() const;
    void store(ReportPrintValues& values, Preferences& preferences) const;

    QListWidget* reportList() const { return m_list; }
    PrintSetupFields* fields() const { return m_fields; }

    void accept() override;

private:
    std::vector<ReportType> m_offered;
    QLineEdit* m_cable = nullptr;
    QListWidget* m_list = nullptr;
    QCheckBox* m_ignoreConn = nullptr;
    PrintSetupFields* m_fields = nullptr;
};

class CBiDirPrintSetupDialog : public QDialog {
    Q_OBJECT
public:
    CBiDirPrintSetupDialog(const ReportPrintValues& values, const Preferences& preferences,
                           QWidget* parent = nullptr);
    void store(ReportPrintValues& values, Preferences& preferences) const;
    void accept() override;

private:
    PrintSetupFields* m_fields = nullptr;
};

} // namespace orvane::printing
