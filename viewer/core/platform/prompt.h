// Every message box of the program goes through one prompt service: the
// window layer shows a message box, tests queue answers and read back what
// was asked, the command-line tool answers by a fixed policy.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace orvane {

enum class PromptIcon { None, Information, Exclamation, Stop, Question };

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

struct Prompt {
    // What the message is about, usually a file's path: shown on its own line
    // above the text, and as "PATH: text" on a terminal. May be empty.
    std::string subject;
    // The message as the user reads it, line breaks included.
    std::string text;
    PromptIcon icon = PromptIcon::Exclamation;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    // The message reports that the operation failed (not a warning about a
    // result that is still used): a command-line run counts it as an error.
    bool failure = false;

    // Subject, a new line, then the text: the message box's whole text.
    std::string fullText() const;
};

class PromptService {
public:
    virtual ~PromptService() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
};

// The service of the running program; a headless one that answers every
// prompt with its default until the program installs its own.
PromptService& prompts();
void setPrompts(PromptService* service);

// A message with an OK button.
void tell(const std::string& subject, const std::string& text,
          PromptIcon icon = PromptIcon::Exclamation);
// A message with an OK button that reports a failed operation.
void tellFailure(const std::string& subject, const std::string& text,
                 PromptIcon icon = PromptIcon::Exclamation);
// OK/Cancel or Yes/No question: true for OK or Yes.
bool confirm(const std::string& subject, const std::string& text, PromptButtons buttons,
             PromptAnswer defaultAnswer, PromptIcon icon = PromptIcon::Question);

// The buttons' answers, first the affirmative one.
std::vector<PromptAnswer> answersOf(PromptButtons buttons);

// Installs a service for the life of the guard and restores the previous one.
class ScopedPrompts {
public:
    explicit ScopedPrompts(PromptService& service);
    ~ScopedPrompts();
    ScopedPrompts(const ScopedPrompts&) = delete;
    ScopedPrompts& operator=(const ScopedPrompts&) = delete;

private:
    PromptService* m_previous;
};

} // namespace orvane
