#include "core/platform/headless_prompts.h"

#include "core/platform/text.h"

namespace orvane {

HeadlessPrompts::HeadlessPrompts(std::string program, HeadlessPolicy policy, std::FILE* out)
    : m_program(std::move(program)), m_policy(policy), m_out(out) {}

std::string HeadlessPrompts::line(const Prompt& prompt) const {
    std::string text = m_program + ": ";
    const std::string subject = collapseBlanks(prompt.subject);
    if (!subject.empty()) text += subject + ": ";
    if (!prompt.failure && prompt.icon == PromptIcon::Exclamation &&
        prompt.buttons == PromptButtons::Ok)
        text += "warning: ";
    return text + collapseBlanks(prompt.text);
}

PromptAnswer HeadlessPrompts::answerFor(const Prompt& prompt) const {
    const std::vector<PromptAnswer> answers = answersOf(prompt.buttons);
    switch (m_policy) {
    case HeadlessPolicy::Default:
        return prompt.defaultAnswer;
    case HeadlessPolicy::Affirmative:
        return answers.front();
    case HeadlessPolicy::Negative:
        return answers.size() > 1 ? answers.back() : answers.front();
    }
    return prompt.defaultAnswer;
}

PromptAnswer HeadlessPrompts::ask(const Prompt& prompt) {
    const PromptAnswer answer = answerFor(prompt);
    std::string text = line(prompt);
    if (prompt.buttons != PromptButtons::Ok) text += std::string(" [") + answerName(answer) + "]";
    if (m_out) std::fprintf(m_out, "%s\n", text.c_str());
    return answer;
}

const char* answerName(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Ok:
        return "OK";
    case PromptAnswer::Cancel:
        return "Cancel";
    case PromptAnswer::Yes:
        return "Yes";
    case PromptAnswer::No:
        return "No";
    case PromptAnswer::Retry:
        return "Retry";
    }
    return "?";
}

} // namespace orvane
