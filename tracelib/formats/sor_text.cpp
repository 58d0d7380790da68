#include "formats/sor_text.h"

#include <varnel/text_codec.h>

namespace varnel::sor {

std::u16string fileTextToWide(std::string_view bytes) {
    std::u16string text = utf16From8Bit(bytes);
    if (text.size() > kMaxTextChars) text.resize(kMaxTextChars);
    while (!text.empty() && text.back() == u' ')
        text.pop_back();
    return text;
}

std::string wideToFileText(std::u16string_view text, size_t maxBytes) {
    return utf8FromUtf16(text, U'?', maxBytes);
}

} // namespace varnel::sor
