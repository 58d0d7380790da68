// Header templates: the text in which a user draws header pages, decoded from
// its file bytes and cut into fields. Works without a record so that it can be
// tested and fuzzed on its own; CT6::HDRFromTemplate copies the result in.
//
// Template syntax, one token per field:
//   line feed             ends a line; the 19th of a page also ends the page
//   form feed or ".P"     ends the page (ignored at the very start of a page)
//   carriage return       ignored
//   tab                   a blank
//   run of '$' / '@'      a user-text field (kind 1 / 2) as wide as the run
//   "<" + code            an automatic field (kinds 3-19, codes below) that
//                         extends over the blanks after it and over one
//                         closing '>' when there is one
//   anything else         a label (kind 0) up to the next marker or line end
#pragma once

#include <varnel/codes.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

inline constexpr int32_t kHdrMaxPages = 20;
inline constexpr int32_t kHdrLinesPerPage = 19;
inline constexpr int32_t kHdrColumns = 50;
inline constexpr int32_t kHdrMaxFields = 288;
inline constexpr int32_t kHdrTextChars = 50;

inline constexpr int32_t kHdrKindLabel = 0;
inline constexpr int32_t kHdrKindDollar = 1;
inline constexpr int32_t kHdrKindAt = 2;
inline constexpr int32_t kHdrKindFirstAuto = 3;
inline constexpr int32_t kHdrKindFilename = 13;
inline constexpr int32_t kHdrKindLastAuto = 19;

// Template parse statuses.
inline constexpr int32_t kHdrOK = 0;

// One field as the template lays it out. Marker fields carry no text (the
// record fills them with blanks); labels carry their characters, already cut
// to the field's length.
struct TemplateField {
    uint8_t page = 0;
    uint8_t line = 0;
    uint8_t column = 0;
    uint8_t length = 0;
    uint8_t kind = 0;
    std::u16string label;
};

struct TemplateParse {
    int32_t status = kHdrOK;
    std::vector<TemplateField> fields;
};

// The three-letter code of an automatic kind (3-19), or nullptr.
const char16_t* autoFieldCode(int32_t kind);

// Bytes to UTF-16 by the first two bytes: FF FE little-endian, FE FF
// big-endian (a trailing odd byte is dropped), anything else 8-bit text, UTF-8
// when valid and Windows-1252 otherwise. The text ends at its first NUL.
std::u16string decodeTemplateText(const uint8_t* bytes, size_t length);

// Cuts decoded template text into fields. The status is 1004 when no field
// was made, whatever else happened.
TemplateParse tokenizeTemplate(std::u16string_view text);

// DecodeTemplateText followed by TokenizeTemplate.
TemplateParse parseHeaderTemplate(const uint8_t* bytes, size_t length);

} // namespace varnel
