// The dialogs of the splice-template commands: "Apply Splice Template" edits
// the "FASTemplate" settings, "Smart Splice Template" the "SmartTemplate"
// settings.
#pragma once

#include "core/shell/preferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace orvane {

class CApplyTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CApplyTemplateDialog(const FASTemplateSettings& settings, QWidget* parent = nullptr);
    FASTemplateSettings settings() const;

private:
    FASTemplateSettings m_settings;
    QComboBox* m_eventDetermination = nullptr;
    QCheckBox* m_tracePriority = nullptr;
    QDoubleSpinBox* m_percentDis = nullptr;
    QDoubleSpinBox* m_absoluteDis = nullptr;
    QComboBox* m_snapTo = nullptr;
    QCheckBox* m_saveTrace = nullptr;
};

class CSmartTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSmartTemplateDialog(const SmartTemplateSettings& settings, QWidget* parent = nullptr);
    SmartTemplateSettings settings() const;

private:
    QSpinBox* m_numSplices = nullptr;
    QDoubleSpinBox* m_lossThres = nullptr;
    QSpinBox* m_minFrequency = nullptr;
    QCheckBox* m_adjustForHelix = nullptr;
    QCheckBox* m_eventFreqDist = nullptr;
    QCheckBox* m_printReport = nullptr;
};

} // namespace orvane
