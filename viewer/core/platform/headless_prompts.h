// Prompts without a window: each message is printed to stderr as
// "PROGRAM: SUBJECT: text" (its lines joined by blanks), and each question
// gets the answer of the policy, printed after it.
#pragma once

#include "core/platform/prompt.h"

#include <cstdio>
#include <string>

namespace orvane {

enum class HeadlessPolicy {
    // The prompt's own default: the safe choice the caller named (a save
    // question's default keeps the old file, a "go on?" its caller's choice).
    Default,
    // The affirmative button (OK, Yes, Retry): for scripts run with --yes.
    Affirmative,
    // The negative button (Cancel, No): never overwrites, never deletes.
    Negative,
};

class HeadlessPrompts : public PromptService {
public:
    explicit HeadlessPrompts(std::string program, HeadlessPolicy policy = HeadlessPolicy::Default,
                             std::FILE* out = stderr);

    PromptAnswer ask(const Prompt& prompt) override;

    // The line printed for a prompt, without its answer.
    std::string line(const Prompt& prompt) const;
    PromptAnswer answerFor(const Prompt& prompt) const;

private:
    std::string m_program;
    HeadlessPolicy m_policy;
    std::FILE* m_out;
};

const char* answerName(PromptAnswer answer);

} // namespace orvane
