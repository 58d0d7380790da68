// Prompts as modal message boxes, owned by the main window.
#pragma once

#include "core/platform/prompt.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace orvane {

class MessageBoxPrompts : public PromptService {
public:
    explicit MessageBoxPrompts(QString title) : m_title(std::move(title)) {}

    void setOwner(QWidget* owner) { m_owner = owner; }
    PromptAnswer ask(const Prompt& prompt) override;

private:
    QString m_title;
    QPointer<QWidget> m_owner;
};

} // namespace orvane
