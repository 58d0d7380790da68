// Building records with header pages from template text, and reading them back.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::test {

// Template file bytes: UTF-16 little-endian with its mark.
inline std::vector<uint8_t> templateUTF16LE(std::u16string_view text) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

inline int32_t loadTemplate(CT6& record, std::u16string_view text) {
    std::vector<uint8_t> bytes = templateUTF16LE(text);
    return record.HDRFromTemplate(bytes.data(), static_cast<int32_t>(bytes.size()));
}

struct FieldInfo {
    int page = -1, line = -1, column = -1, length = -1, kind = -1;
    std::u16string text;
    int32_t status = -1;
};

inline FieldInfo fieldInfo(const CT6& record, int32_t index, int32_t trim = 0) {
    FieldInfo info;
    uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
    char16_t text[51] = {};
    info.status = record.HDRGetFldInfo(index, trim, page, line, column, length, kind, text);
    if (info.status == 0) {
        info.page = page, info.line = line, info.column = column;
        info.length = length, info.kind = kind;
    }
    info.text = text;
    return info;
}

inline std::u16string fieldText(const CT6& record, int32_t index) {
    return fieldInfo(record, index).text;
}

} // namespace varnel::test
