#include "core/platform/prompt.h"

#include "core/platform/headless_prompts.h"

#include <algorithm>

namespace orvane {

namespace {

PromptService& fallback() {
    static HeadlessPrompts headless("orvane");
    return headless;
}

PromptService*& current() {
    static PromptService* service = &fallback();
    return service;
}

} // namespace

std::string Prompt::fullText() const {
    return subject.empty() ? text : subject + "\n" + text;
}

PromptService& prompts() {
    return *current();
}

void setPrompts(PromptService* service) {
    current() = service ? service : &fallback();
}

void tell(const std::string& subject, const std::string& text, PromptIcon icon) {
    prompts().ask({subject, text, icon, PromptButtons::Ok, PromptAnswer::Ok});
}

void tellFailure(const std::string& subject, const std::string& text, PromptIcon icon) {
    prompts().ask({subject, text, icon, PromptButtons::Ok, PromptAnswer::Ok, true});
}

bool confirm(const std::string& subject, const std::string& text, PromptButtons buttons,
             PromptAnswer defaultAnswer, PromptIcon icon) {
    const PromptAnswer answer = prompts().ask({subject, text, icon, buttons, defaultAnswer});
    return answer == PromptAnswer::Ok || answer == PromptAnswer::Yes;
}

std::vector<PromptAnswer> answersOf(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::Ok:
        return {PromptAnswer::Ok};
    case PromptButtons::OkCancel:
        return {PromptAnswer::Ok, PromptAnswer::Cancel};
    case PromptButtons::YesNo:
        return {PromptAnswer::Yes, PromptAnswer::No};
    case PromptButtons::YesNoCancel:
        return {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Cancel};
    case PromptButtons::RetryCancel:
        return {PromptAnswer::Retry, PromptAnswer::Cancel};
    }
    return {PromptAnswer::Ok};
}

ScopedPrompts::ScopedPrompts(PromptService& service) : m_previous(&prompts()) {
    setPrompts(&service);
}

ScopedPrompts::~ScopedPrompts() {
    setPrompts(m_previous);
}

} // namespace orvane
