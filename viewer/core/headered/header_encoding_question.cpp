#include "core/headered/header_encoding_question.h"

#include "core/platform/prompt.h"
#include "core/shell/application_state.h"

namespace orvane {

std::string encodingQuestionText(const std::string& modelName) {
    std::string text = kEncodingQuestion;
    const std::string placeholder = kModelNamePlaceholder;
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + modelName.size()))
        text.replace(at, placeholder.size(), modelName);
    return text;
}

std::optional<HeaderEncoding> AskHeaderEncoding() {
    const Prompt question{"", encodingQuestionText(application().modelName), PromptIcon::Question,
                          PromptButtons::YesNoCancel, PromptAnswer::Yes};
    switch (prompts().ask(question)) {
    case PromptAnswer::Yes:
        return HEADER_ENCODING_INSTRUMENT;
    case PromptAnswer::No:
        return HEADER_ENCODING_UNICODE;
    default:
        return std::nullopt;
    }
}

} // namespace orvane
