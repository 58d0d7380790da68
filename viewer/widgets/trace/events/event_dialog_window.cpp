#include "widgets/trace/events/event_dialog_window.h"

#include "core/platform/text.h"
#include "core/trace/events/event_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace orvane {
namespace {

QString distanceUnitLabel() {
    return QString::fromStdString(textOf([](char16_t* b) {
        b[0] = 0;
        return T6AddUnitsDist(b);
    }));
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    return layout;
}

// The title's leading words in the user's language; the number and the
// document name stay.
QString translatedTitle(const std::string& title) {
    QString text = QString::fromStdString(title);
    for (const char* words : {"Insert Event ", "Edit Event "})
        if (text.startsWith(words))
            return CEventDialog::tr(words) + text.mid(static_cast<int>(std::strlen(words)));
    return text;
}

// "Splice Loss, User Edited": the loss mode is a library display string.
QString translatedOrigin(const std::string& origin) {
    QStringList parts = QString::fromStdString(origin).split(QStringLiteral(", "));
    if (!parts.isEmpty())
        parts[0] = QCoreApplication::translate("DisplayStrings", parts[0].toUtf8().constData());
    for (qsizetype i = 1; i < parts.size(); ++i)
        parts[i] = CEventDialog::tr(parts[i].toUtf8().constData());
    return parts.join(QStringLiteral(", "));
}

} // namespace

CEventDialog::CEventDialog(EventDialog& dialog, std::function<bool()> paste, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_pasteMeasurement(std::move(paste)),
      m_type(new QComboBox(this)), m_start(new QLineEdit(this)), m_end(new QLineEdit(this)),
      m_loss(new QLineEdit(this)), m_saturated(new QCheckBox(tr("Saturated"), this)),
      m_refl(new QLineEdit(this)), m_origin(new QLineEdit(this)), m_comment(new QLineEdit(this)),
      m_paste(new QPushButton(tr("Paste"), this)) {
    setWindowTitle(translatedTitle(dialog.Title()));
    m_origin->setReadOnly(true);
    for (int32_t type : dialog.TypeChoices())
        m_type->addItem(QCoreApplication::translate("DisplayStrings", eventTypeName(type)), type);

    auto* form = new QFormLayout;
    form->addRow(tr("Type"), m_type);
    form->addRow(tr("Distance"), row({m_start, new QLabel("->", this), m_end,
                                      new QLabel(distanceUnitLabel(), this)}));
    form->addRow(tr("Loss"), row({m_loss, new QLabel(tr("dB"), this), m_saturated}));
    form->addRow(tr("Reflectance"), row({m_refl, new QLabel(tr("dB"), this), m_origin}));
    form->addRow(tr("Comment"), m_comment);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(m_paste, QDialogButtonBox::ActionRole);
    m_paste->setEnabled(dialog.PasteAllowed());
    form->addRow(buttons);
    setLayout(form);

    connect(buttons, &QDialogButtonBox::accepted, this, &CEventDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEventDialog::reject);
    connect(m_paste, &QPushButton::clicked, this, [this] {
        takeValues();
        if (m_pasteMeasurement && m_pasteMeasurement()) showValues();
    });
    connect(m_type, &QComboBox::currentIndexChanged, this, [this] {
        m_refl->setEnabled(m_type->currentData().toInt() != T6_EVENT_NON_REFLECTIVE);
    });
    showValues();
}

void CEventDialog::showValues() {
    const EventValues& v = m_dialog.values;
    m_type->setCurrentIndex(std::max(0, m_type->findData(v.type)));
    m_start->setText(QString::fromStdString(v.start));
    m_end->setText(QString::fromStdString(v.end));
    m_loss->setText(QString::fromStdString(v.loss));
    m_refl->setText(QString::fromStdString(v.refl));
    m_refl->setEnabled(m_dialog.ReflectanceEnabled());
    m_saturated->setChecked(v.saturated);
    m_comment->setText(QString::fromStdString(v.comment));
    m_origin->setText(translatedOrigin(m_dialog.OriginText()));
}

void CEventDialog::takeValues() {
    EventValues& v = m_dialog.values;
    v.type = m_type->currentData().toInt();
    v.start = m_start->text().toStdString();
    v.end = m_end->text().toStdString();
    v.loss = m_loss->text().toStdString();
    v.refl = m_refl->text().toStdString();
    v.saturated = m_saturated->isChecked();
    v.comment = m_comment->text().toStdString();
}

void CEventDialog::accept() {
    takeValues();
    const bool closes = m_dialog.Ok();
    showValues(); // the end may have moved with the start
    if (closes) QDialog::accept();
}

} // namespace orvane
