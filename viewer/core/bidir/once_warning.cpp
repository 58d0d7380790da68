#include "core/bidir/once_warning.h"

#include "core/platform/prompt.h"

namespace orvane::bidir {

bool confirmOnce(const std::string& subject, const std::string& text) {
    return confirmOkCancel(subject, text + kNotRepeated);
}

bool confirmOkCancel(const std::string& subject, const std::string& text) {
    return confirm(subject, text, PromptButtons::OkCancel, PromptAnswer::Cancel,
                   PromptIcon::Exclamation);
}

} // namespace orvane::bidir
