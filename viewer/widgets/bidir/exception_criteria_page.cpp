#include "widgets/bidir/exception_criteria_page.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane {

using bidir::ExceptionCriteria;

namespace {

constexpr double kMaxPercent = 1000.0;
constexpr double kMaxReal = 1.0e6;
constexpr int kMaxWhole = 1000000;

QDoubleSpinBox* realBox(double low, double high, const QString& prefix, const QString& suffix) {
    auto* box = new QDoubleSpinBox;
    box->setRange(low, high);
    box->setDecimals(2);
    box->setPrefix(prefix);
    box->setSuffix(suffix);
    return box;
}

} // namespace

CExceptionCriteriaPage::CExceptionCriteriaPage(QWidget* parent) : QWidget(parent) {
    // Two columns keep the page within a small screen: the comparisons with
    // the primary trace on the left, the events and the rest on the right.
    auto* columns = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(layout);
    columns->addLayout(right);
    auto* primary = new QGroupBox(tr("Different than Primary"));
    auto* primaryGrid = new QGridLayout(primary);
    for (std::size_t i = 0; i < bidir::kSettingCriteria; ++i) {
        m_settings[i] = new QCheckBox(tr(bidir::kSettingCriterionLabels[i]));
        primaryGrid->addWidget(m_settings[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    layout->addWidget(primary);

    auto addRow = [this](QGridLayout* grid, const char* label, bool ExceptionCriteria::*flag,
                         std::initializer_list<QWidget*> thresholds) {
        const int row = grid->rowCount();
        auto* box = new QCheckBox(tr(label));
        m_flags.push_back({box, flag});
        grid->addWidget(box, row, 0);
        int column = 1;
        for (QWidget* threshold : thresholds)
            grid->addWidget(threshold, row, column++);
    };
    auto real = [this](double ExceptionCriteria::*member, double low, double high,
                       const QString& prefix, const QString& suffix) {
        QDoubleSpinBox* box = realBox(low, high, prefix, suffix);
        m_reals.push_back({box, member});
        return box;
    };
    auto whole = [this](int32_t ExceptionCriteria::*member, const QString& prefix) {
        auto* box = new QSpinBox;
        box->setRange(0, kMaxWhole);
        box->setPrefix(prefix);
        m_wholes.push_back({box, member});
        return box;
    };

    auto* percent = new QGroupBox(tr("Different than Primary by > X%"));
    auto* percentGrid = new QGridLayout(percent);
    addRow(percentGrid, "End Location", &ExceptionCriteria::endLocation,
           {real(&ExceptionCriteria::endLocationPrcnt, 0, kMaxPercent, "", " %")});
    addRow(percentGrid, "End-End Loss", &ExceptionCriteria::endEndLoss,
           {real(&ExceptionCriteria::endEndLossPrcnt, 0, kMaxPercent, "", " %")});
    addRow(percentGrid, "ORL", &ExceptionCriteria::orl,
           {real(&ExceptionCriteria::orlPrcnt, 0, kMaxPercent, "", " %")});
    addRow(percentGrid, "Event Location", &ExceptionCriteria::eventLoc,
           {real(&ExceptionCriteria::eventLocPrcnt, 0, kMaxPercent, "", " %"),
            real(&ExceptionCriteria::eventLocKm, 0, kMaxReal, "", " km")});
    addRow(percentGrid, "Horizontal Shift", &ExceptionCriteria::horzShift,
           {real(&ExceptionCriteria::horzShiftPrcnt, 0, kMaxPercent, "", " %")});
    layout->addWidget(percent);

    auto* events = new QGroupBox(tr("Events"));
    auto* eventGrid = new QGridLayout(events);
    addRow(eventGrid, "# Splices", &ExceptionCriteria::numSplices,
           {whole(&ExceptionCriteria::numSplicesMax, "> ")});
    addRow(eventGrid, "None", &ExceptionCriteria::none, {});
    addRow(eventGrid, "Unusual End", &ExceptionCriteria::unusualEnd, {});
    addRow(eventGrid, "User Created", &ExceptionCriteria::userCreated, {});
    addRow(eventGrid, "User Edited", &ExceptionCriteria::userEdited, {});
    addRow(eventGrid, "Loss Outside", &ExceptionCriteria::lossOutside,
           {real(&ExceptionCriteria::lossOutsideMin, -kMaxReal, kMaxReal, "", " dB ->"),
            real(&ExceptionCriteria::lossOutsideMax, -kMaxReal, kMaxReal, "", " dB")});
    addRow(eventGrid, "Loss not Splice Loss", &ExceptionCriteria::notSpliceLoss, {});
    addRow(eventGrid, "Unusual Non-End", &ExceptionCriteria::unusualNonEnd, {});
    addRow(eventGrid, "Reflective Splice", &ExceptionCriteria::reflSplice, {});
    addRow(eventGrid, "Span Loss", &ExceptionCriteria::spanLoss,
           {real(&ExceptionCriteria::spanLossValue, 0, kMaxReal, " > ", " dB/km")});
    right->addWidget(events);

    auto* misc = new QGroupBox(tr("Miscellaneous"));
    auto* miscGrid = new QGridLayout(misc);
    addRow(miscGrid, "Averages", &ExceptionCriteria::averages,
           {whole(&ExceptionCriteria::averagesMin, "< ")});
    addRow(miscGrid, "Unusual Trace", &ExceptionCriteria::unusualTrace, {});
    addRow(miscGrid, "Duplicate Waveform", &ExceptionCriteria::duplicateWaveform, {});
    right->addWidget(misc);
    layout->addStretch();
    right->addStretch();
    setCriteria(ExceptionCriteria{});
}

void CExceptionCriteriaPage::setCriteria(const ExceptionCriteria& criteria) {
    for (std::size_t i = 0; i < bidir::kSettingCriteria; ++i)
        m_settings[i]->setChecked(criteria.setting[i]);
    for (const Flag& flag : m_flags)
        flag.box->setChecked(criteria.*(flag.member));
    for (const Real& real : m_reals)
        real.box->setValue(criteria.*(real.member));
    for (const Whole& whole : m_wholes)
        whole.box->setValue(criteria.*(whole.member));
}

ExceptionCriteria CExceptionCriteriaPage::criteria() const {
    ExceptionCriteria criteria;
    for (std::size_t i = 0; i < bidir::kSettingCriteria; ++i)
        criteria.setting[i] = m_settings[i]->isChecked();
    for (const Flag& flag : m_flags)
        criteria.*(flag.member) = flag.box->isChecked();
    for (const Real& real : m_reals)
        criteria.*(real.member) = real.box->value();
    for (const Whole& whole : m_wholes)
        criteria.*(whole.member) = whole.box->value();
    return criteria;
}

} // namespace orvane
