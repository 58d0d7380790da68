// Questions and warnings the bi-directional tools put to the user. The viewer
// answers them with message boxes, tests with scripted answers, the command
// line with a fixed policy.
#pragma once

#include <string>

namespace orvane::bidir {

enum class PromptIcon { Information, Exclamation, Stop, Question };
enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct PromptRequest {
    std::u16string text;
    std::u16string caption;
    PromptIcon icon = PromptIcon::Exclamation;
    PromptButtons buttons = PromptButtons::OkCancel;
    PromptAnswer defaultAnswer = PromptAnswer::Cancel;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const PromptRequest& request) = 0;
};

// The closing line of every warning that is shown once per run.
inline constexpr char16_t kNotRepeated[] = u"\nThis warning will not be repeated.";

// An OK/Cancel warning (exclamation, Cancel the default) shown once per run.
PromptRequest onceWarning(std::u16string text, std::u16string caption);

// True when the answer lets the run go on.
inline bool goesOn(PromptAnswer answer) {
    return answer == PromptAnswer::Ok || answer == PromptAnswer::Yes;
}

} // namespace orvane::bidir
