// CBatchDialog: "Batch Trace Processing", the settings of one batch run. It
// opens with the previous run's settings; OK runs the core's checks and
// confirmations and stays open when one of them says no.
#pragma once

#include "core/batch/batch_settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace orvane {

class CBatchDialog : public QDialog {
    Q_OBJECT
public:
    explicit CBatchDialog(const batch::BatchSettings& settings, QWidget* parent = nullptr);

    // The controls' values; the horizontal shift in kilometres.
    batch::BatchSettings settings() const;

    QCheckBox* generateReport() const { return m_generateReport; }
    QLineEdit* reportFolder() const { return m_reportFolder; }
    QLineEdit* reportFileName() const { return m_reportFileName; }
    QCheckBox* analyze() const { return m_analyze; }
    QCheckBox* minMaxSummary() const { return m_minMaxSummary; }
    QRadioButton* layoutButton(int layout) const { return m_layout[layout]; }

    void accept() override;

private:
    QWidget* reportGroup();
    QWidget* eventsGroup();
    QWidget* traceGroup();
    void show(const batch::BatchSettings& s);

    batch::BatchSettings m_settings;
    QCheckBox* m_generateReport = nullptr;
    QLineEdit* m_reportFolder = nullptr;
    QLineEdit* m_reportFileName = nullptr;
    QRadioButton* m_layout[2] = {};
    QCheckBox* m_removeNearer = nullptr;
    QDoubleSpinBox* m_nearerThan = nullptr;
    QCheckBox* m_removeFarther = nullptr;
    QDoubleSpinBox* m_fartherThan = nullptr;
    QCheckBox* m_cordsFromStart = nullptr;
    QSpinBox* m_startCords = nullptr;
    QCheckBox* m_cordsFromEnd = nullptr;
    QSpinBox* m_endCords = nullptr;
    QCheckBox* m_calculateORL = nullptr;
    QComboBox* m_orlRange = nullptr;
    QCheckBox* m_export = nullptr;
    QCheckBox* m_analyze = nullptr;
    QCheckBox* m_setIOR = nullptr;
    QDoubleSpinBox* m_ior = nullptr;
    QCheckBox* m_setShift = nullptr;
    QDoubleSpinBox* m_horzShift = nullptr;
    QDoubleSpinBox* m_vertShift = nullptr;
    QCheckBox* m_setBackscatter = nullptr;
    QDoubleSpinBox* m_backscatter = nullptr;
    QCheckBox* m_copyView = nullptr;
    QCheckBox* m_copyHeader = nullptr;
    QCheckBox* m_minMaxSummary = nullptr;
    QCheckBox* m_removeAnalysis = nullptr;
    QCheckBox* m_saveTraces = nullptr;
    QComboBox* m_saveFormat = nullptr;
};

} // namespace orvane
