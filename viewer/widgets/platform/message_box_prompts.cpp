#include "widgets/platform/message_box_prompts.h"

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

} // namespace

PromptAnswer MessageBoxPrompts::ask(const Prompt& prompt) {
    QMessageBox box(iconOf(prompt.icon), m_title, QString::fromStdString(prompt.fullText()),
                    QMessageBox::NoButton, m_owner.data());
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
