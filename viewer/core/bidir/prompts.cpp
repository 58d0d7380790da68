#include "core/bidir/prompts.h"

#include <utility>

namespace orvane::bidir {

PromptRequest onceWarning(std::u16string text, std::u16string caption) {
    PromptRequest request;
    request.text = std::move(text) + kNotRepeated;
    request.caption = std::move(caption);
    return request;
}

} // namespace orvane::bidir
