// Prompts for tests: answers are queued beforehand, every prompt is kept.
// A prompt with no queued answer gets its default.
#pragma once

#include "core/platform/prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace orvane {

class ScriptedPrompts : public PromptService {
public:
    PromptAnswer ask(const Prompt& prompt) override;

    void queue(PromptAnswer answer) { m_answers.push_back(answer); }
    const std::vector<Prompt>& asked() const { return m_asked; }
    // The full texts of every prompt so far, in order.
    std::vector<std::string> texts() const;
    bool empty() const { return m_asked.empty(); }
    void clear() { m_asked.clear(); }
    size_t unusedAnswers() const { return m_answers.size(); }

private:
    std::deque<PromptAnswer> m_answers;
    std::vector<Prompt> m_asked;
};

} // namespace orvane
