// The six pages of the Preferences dialog. Each page shows a copy of the
// preferences and writes its own values back; validate() names the first
// value that may not leave the page.
#pragma once

#include "core/shell/preferences.h"

#include <QWidget>

#include <array>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace orvane {

class PreferencesPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void store(Preferences& preferences) const = 0;
    // The message of the first invalid value, after giving it the focus;
    // empty when the page may be left.
    virtual std::string validate() { return {}; }
};

class AnalysisPage : public PreferencesPage {
    Q_OBJECT
public:
    explicit AnalysisPage(const Preferences& p, QWidget* parent = nullptr);
    void store(Preferences& p) const override;

    QDoubleSpinBox* lossThreshold = nullptr;
    QDoubleSpinBox* reflThreshold = nullptr;
    QDoubleSpinBox* fiberBreak = nullptr;
    QCheckBox* startConnector = nullptr;
    QCheckBox* endConnector = nullptr;
    QButtonGroup* orlRelative = nullptr;
    QButtonGroup* reflCalculation = nullptr;
    QCheckBox* nthReflection = nullptr;
    QSpinBox* nthCount = nullptr;
    QDoubleSpinBox* nthThreshold = nullptr;
};

class DisplayPage : public PreferencesPage {
    Q_OBJECT
public:
    explicit DisplayPage(const Preferences& p, QWidget* parent = nullptr);
    void store(Preferences& p) const override;
    std::string validate() override;

    QSpinBox* batchSize = nullptr;
    QCheckBox* keepPrimary = nullptr;
    QLineEdit* sortMaskName = nullptr;
    QLineEdit* sortMaskExt = nullptr;
    QDoubleSpinBox* highLoss = nullptr;
    QCheckBox* saveTracePrompt = nullptr;
    QCheckBox* eelForced = nullptr;
    QButtonGroup* attenuation = nullptr;
    QDoubleSpinBox* fixedDBKM = nullptr;
    QCheckBox* fileNameSort = nullptr;
    QSpinBox* fieldCount = nullptr;
    std::array<QSpinBox*, 6> fieldLayout{};
    std::array<QSpinBox*, 6> fieldRank{};
};

class UnitsPage : public PreferencesPage {
    Q_OBJECT
public:
    explicit UnitsPage(const Preferences& p, QWidget* parent = nullptr);
    void store(Preferences& p) const override;

    QButtonGroup* units = nullptr;
};

class TimeDatePage : public PreferencesPage {
    Q_OBJECT
public:
    explicit TimeDatePage(const Preferences& p, QWidget* parent = nullptr);
    void store(Preferences& p) const override;

    QButtonGroup* clock = nullptr;
    QCheckBox* seconds = nullptr;
    QButtonGroup* date = nullptr;
};

class PowerMeterPage : public PreferencesPage {
    Q_OBJECT
public:
    explicit PowerMeterPage(const Preferences& p, QWidget* parent = nullptr);
    void store(Preferences& p) const override;

    QComboBox* decimalPlaces = nullptr;
    QCheckBox* showReferences = nullptr;
};

class LanguagePage : public PreferencesPage {
    Q_OBJECT
public:
    LanguagePage(const Preferences& p, const std::string& programDirectory,
                 QWidget* parent = nullptr);
    void store(Preferences& p) const override;

    QComboBox* program = nullptr;
    QComboBox* help = nullptr;
};

} // namespace orvane
