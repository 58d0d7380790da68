// Filling the record's header fields from a template, in memory or in a file.
#include "record/header_fields.h"
#include "record/header_template.h"

#include <varnel/file_io.h>
#include <varnel/varnel.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

using namespace varnel;

int32_t CT6::HDRFromTemplate(const uint8_t* bytes, int32_t length) {
    if (bytes == nullptr || length <= 0) return T6_HDR_EMPTY_TEMPLATE;
    try {
        TemplateParse parse = parseHeaderTemplate(bytes, static_cast<size_t>(length));
        if (parse.fields.empty()) return parse.status;
        int32_t count = static_cast<int32_t>(parse.fields.size());
        HDRInit(count);
        for (int32_t i = 0; i < count; ++i) {
            const TemplateField& t = parse.fields[i];
            HDRField& f = m_hdrFields[i];
            f = {t.page, t.line, t.column, t.length, t.kind, {}};
            setHeaderFieldText(f.text, f.length, t.label.c_str());
        }
        m_hdrCount = count;
        return parse.status;
    } catch (const std::bad_alloc&) {
        return T6_FILE_NO_MEMORY;
    }
}

int32_t CT6::HDRFromFile(const char16_t* path) {
    std::vector<uint8_t> bytes;
    try {
        if (int32_t status = readWholeFile(path, bytes)) return status;
    } catch (const std::bad_alloc&) {
        return T6_FILE_NO_MEMORY;
    }
    return HDRFromTemplate(bytes.data(), static_cast<int32_t>(bytes.size()));
}
