// The exception criteria as four groups of check boxes with their
// thresholds; the wizard's Exception page.
#pragma once

#include "core/bidir/exception_criteria.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace orvane {

class CExceptionCriteriaPage : public QWidget {
    Q_OBJECT
public:
    explicit CExceptionCriteriaPage(QWidget* parent = nullptr);

    void setCriteria(const bidir::ExceptionCriteria& criteria);
    bidir::ExceptionCriteria criteria() const;

private:
    // A criterion's flag and its thresholds, bound to the criteria's members.
    struct Flag {
        QCheckBox* box;
        bool bidir::ExceptionCriteria::*member;
    };
    struct Real {
        QDoubleSpinBox* box;
        double bidir::ExceptionCriteria::*member;
    };
    struct Whole {
        QSpinBox* box;
        int32_t bidir::ExceptionCriteria::*member;
    };

    std::array<QCheckBox*, bidir::kSettingCriteria> m_settings{};
    std::vector<Flag> m_flags;
    std::vector<Real> m_reals;
    std::vector<Whole> m_wholes;
};

} // namespace orvane
