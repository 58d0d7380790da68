// The header template editor's codes, limits and texts.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

// How a template is stored; a new template has none until its first save.
using HeaderEncoding = int32_t;
inline constexpr HeaderEncoding HEADER_ENCODING_NONE = 0;
inline constexpr HeaderEncoding HEADER_ENCODING_INSTRUMENT = 1; // 8-bit instrument characters
inline constexpr HeaderEncoding HEADER_ENCODING_UNICODE = 2;    // UTF-16 LE after FF FE

// The two bytes that mark a UTF-16 little-endian template.
inline constexpr uint8_t kUnicodeMarkFirst = 0xFF;
inline constexpr uint8_t kUnicodeMarkSecond = 0xFE;
inline constexpr size_t kUnicodeMarkSize = 2;

// An 8-bit template is read and encoded into this many bytes at most; the
// editor holds this many characters at most.
inline constexpr size_t kHeaderTemplateLimit = 40960;
// A Unicode template is read up to the same number of characters, so that
// whatever the editor saved opens again whole.
inline constexpr size_t kUnicodeTemplateReadLimit = kUnicodeMarkSize + 2 * kHeaderTemplateLimit;

inline constexpr char kHeaderTemplateFilter[] = "Header Templates (*.hdr)";
inline constexpr char kHeaderTemplateExtension[] = ".HDR";

// The encoding question; every placeholder is replaced by the model name.
inline constexpr char kEncodingQuestion[] =
    "Save the Header Template in Norvak4 format?\n  (No selects Unicode format.)";
inline constexpr char kModelNamePlaceholder[] = "Norvak4";

// The framework's reports for a template file.
inline constexpr char kHeaderFailedToOpen[] = "Failed to open document.";
inline constexpr char kHeaderFailedToSave[] = "Failed to save document.";
// %1: the document's name.
inline constexpr char kHeaderSaveChangesQuestion[] = "Save changes to %1?";

} // namespace orvane
