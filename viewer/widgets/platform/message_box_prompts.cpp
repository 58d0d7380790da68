#include "widgets/platform/message_box_prompts.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orvane {

namespace {

QMessageBox::Icon iconOf(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::None:
        return QMessageBox::NoIcon;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Ok:
        return QMessageBox::Ok;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    case PromptAnswer::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

// The core's messages in the user's language: the whole text, else its
// first line (a message followed by paths).
QString translated(const std::string& text) {
    const QString whole = QCoreApplication::translate("Messages", text.c_str());
    if (whole != QString::fromStdString(text)) return whole;
    const size_t cut = text.find('\n');
    if (cut == std::string::npos) return whole;
    const std::string head = text.substr(0, cut + 1);
    QString first = QCoreApplication::translate("Messages", head.c_str());
    if (first == QString::fromStdString(head))
        first = QCoreApplication::translate("Messages", text.substr(0, cut).c_str()) + '\n';
    return first + QString::fromStdString(text.substr(cut + 1));
}

} // namespace

PromptAnswer MessageBoxPrompts::ask(const Prompt& prompt) {
    const QString subject = QString::fromStdString(prompt.subject);
    const QString text =
        subject.isEmpty() ? translated(prompt.text) : subject + '\n' + translated(prompt.text);
    QMessageBox box(iconOf(prompt.icon), m_title, text, QMessageBox::NoButton, m_owner.data());
    const std::vector<PromptAnswer> answers = answersOf(prompt.buttons);
    for (PromptAnswer answer : answers)
        box.addButton(buttonOf(answer));
    box.setDefaultButton(buttonOf(prompt.defaultAnswer));
    // Escape gives the negative answer where there is one.
    box.setEscapeButton(buttonOf(answers.size() > 1 ? answers.back() : answers.front()));
    const int chosen = box.exec();
    for (PromptAnswer answer : answers)
        if (chosen == buttonOf(answer)) return answer;
    return answers.size() > 1 ? answers.back() : answers.front();
}

} // namespace orvane
