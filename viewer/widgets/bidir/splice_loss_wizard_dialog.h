// CAuto1BiDirDialog: the splice-loss wizards' four pages ("General",
// "Template", "Exception", "Advanced"), each with "Restore Defaults", and
// the finish button "Run". The processing is the core's.
#pragma once

#include "core/bidir/splice_loss_wizard.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace orvane {

class CExceptionCriteriaPage;

class CAuto1BiDirDialog : public QDialog {
    Q_OBJECT
public:
    CAuto1BiDirDialog(const bidir::WizardSettings& settings, QWidget* parent = nullptr);

    // The pages' values over the settings given.
    bidir::WizardSettings settings() const;

    QTabWidget* tabs() const { return m_tabs; }
    QLineEdit* convention() const { return m_convention; }
    QPushButton* runButton() const { return m_run; }

    // Run: the convention is checked first (its message, and the dialog stays).
    void accept() override;

private:
    QWidget* generalPage();
    QWidget* printerBox();
    QWidget* locationBox();
    QWidget* templatePage();
    QWidget* advancedPage();
    void show(const bidir::WizardSettings& settings);
    void restoreDefaults(int page);
    void onTabChanged(int index);
    bool conventionAccepted();

    bidir::WizardSettings m_settings;
    QTabWidget* m_tabs = nullptr;
    int m_current = 0;
    QCheckBox* m_steps[4] = {};
    QLineEdit* m_convention = nullptr;
    QLineEdit* m_cable = nullptr;
    QSpinBox* m_numSplices = nullptr;
    QDoubleSpinBox* m_corrPercent = nullptr;
    QDoubleSpinBox* m_hiLossBiDir = nullptr;
    QDoubleSpinBox* m_hiLoss1Dir = nullptr;
    QCheckBox* m_ignoreConn = nullptr;
    QLineEdit* m_headerLines[3] = {};
    QDoubleSpinBox* m_topMargin = nullptr;
    QDoubleSpinBox* m_leftMargin = nullptr;
    QLineEdit* m_locCode[2] = {};
    QLineEdit* m_locName[2] = {};
    QDoubleSpinBox* m_lossThres = nullptr;
    QSpinBox* m_minFrequency = nullptr;
    QCheckBox* m_adjustForHelix = nullptr;
    CExceptionCriteriaPage* m_exception = nullptr;
    QCheckBox* m_eventFreqDist = nullptr;
    QCheckBox* m_printReport = nullptr;
    QComboBox* m_eventDetermination = nullptr;
    QCheckBox* m_tracePriority = nullptr;
    QDoubleSpinBox* m_percentDis = nullptr;
    QDoubleSpinBox* m_absoluteDis = nullptr;
    QComboBox* m_scaleMode = nullptr;
    QPushButton* m_run = nullptr;
};

} // namespace orvane
