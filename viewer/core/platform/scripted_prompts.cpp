#include "core/platform/scripted_prompts.h"

namespace orvane {

PromptAnswer ScriptedPrompts::ask(const Prompt& prompt) {
    m_asked.push_back(prompt);
    if (m_answers.empty()) return prompt.defaultAnswer;
    const PromptAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedPrompts::texts() const {
    std::vector<std::string> all;
    for (const Prompt& prompt : m_asked)
        all.push_back(prompt.fullText());
    return all;
}

} // namespace orvane
