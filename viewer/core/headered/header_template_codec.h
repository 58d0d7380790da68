// A header template file's bytes and the editor's text: UTF-16 after the
// mark FF FE, else the instrument's 8-bit characters.
#pragma once

#include "core/headered/header_constants.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct HeaderTemplateText {
    std::u16string text;
    HeaderEncoding encoding = HEADER_ENCODING_NONE;
};

// The bytes read from a template file (more than a template holds are
// ignored). Nothing is refused: any bytes are some text.
HeaderTemplateText decodeHeaderTemplate(std::span<const uint8_t> bytes);

// The file's bytes for the text: 8-bit instrument characters (at most
// kHeaderTemplateLimit of them), otherwise the mark and UTF-16 LE. No
// terminator either way.
std::vector<uint8_t> encodeHeaderTemplate(std::u16string_view text, HeaderEncoding encoding);

// Windows-1252 bytes for the text; a character the code page lacks is '?'.
std::string windows1252FromUtf16(std::u16string_view text);

} // namespace orvane
