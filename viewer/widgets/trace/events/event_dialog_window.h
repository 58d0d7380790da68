// CEventDialog: the "Edit Event" dialog. It shows an EventDialog's fields,
// hands them back on OK and Paste, and stays open while OK is refused.
#pragma once

#include "core/trace/events/event_dialog.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvane {

class CEventDialog : public QDialog {
    Q_OBJECT
public:
    CEventDialog(EventDialog& dialog, std::function<bool()> paste, QWidget* parent = nullptr);

    QComboBox* typeList() const { return m_type; }
    QLineEdit* startField() const { return m_start; }
    QLineEdit* endField() const { return m_end; }
    QLineEdit* lossField() const { return m_loss; }
    QLineEdit* reflField() const { return m_refl; }
    QLineEdit* commentField() const { return m_comment; }
    QPushButton* pasteButton() const { return m_paste; }

    void accept() override;

private:
    void showValues();
    void takeValues();

    EventDialog& m_dialog;
    std::function<bool()> m_pasteMeasurement;
    QComboBox* m_type;
    QLineEdit* m_start;
    QLineEdit* m_end;
    QLineEdit* m_loss;
    QCheckBox* m_saturated;
    QLineEdit* m_refl;
    QLineEdit* m_origin;
    QLineEdit* m_comment;
    QPushButton* m_paste;
};

} // namespace orvane
