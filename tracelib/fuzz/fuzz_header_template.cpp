// Any bytes must parse to a status, with every field inside the page geometry,
// and whatever a record then holds must read back within its buffers. The same
// bytes also serve as raw field layouts, as a damaged trace file could carry.
#include "record/header_template.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace varnel;

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

void checkParse(const TemplateParse& parse) {
    check(parse.status == kHdrOK ||
          (parse.status >= T6_HDR_FIELD_CUT && parse.status <= T6_HDR_EMPTY_TEMPLATE));
    check(parse.fields.size() <= static_cast<size_t>(kHdrMaxFields));
    check(parse.fields.empty() == (parse.status == T6_HDR_EMPTY_TEMPLATE));
    for (const TemplateField& f : parse.fields) {
        check(f.page < kHdrMaxPages && f.line < kHdrLinesPerPage);
        check(f.length > 0 && f.column + f.length <= kHdrColumns);
        check(f.kind <= kHdrKindLastAuto);
        check(f.label.size() <= f.length);
    }
}

// Reads every page, line and field; the buffers have a guard after the line.
void readBack(CT6& record) {
    std::vector<char16_t> text(kHdrColumns + 2, u'#');
    // Damaged layouts name pages and lines up to 255; a few past the geometry
    // are enough, since no page or line number indexes anything.
    int32_t pages = std::min(record.HDRGetNumPages(), kHdrMaxPages + 1);
    for (int32_t page = 0; page < pages + 1; ++page) {
        int32_t lines = 0, first = 0, last = 0;
        record.HDRGetPageInfo(page, lines, first, last);
        int32_t position = first;
        for (int32_t line = 0; line < std::min(lines, kHdrLinesPerPage) + 1; ++line) {
            record.HDRGetPageLine(page, line, position, text.data());
            check(text[kHdrColumns] == 0 && text[kHdrColumns + 1] == u'#');
        }
    }
    for (int32_t i = -1; i <= record.HDRGetFldCount(); ++i) {
        uint8_t page, line, column, length, kind;
        record.HDRGetFldInfo(i, i & 1, page, line, column, length, kind, text.data());
        check(text[kHdrColumns + 1] == u'#');
    }
    record.HDRInitStgs(1, 1, 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkParse(parseHeaderTemplate(data, size));

    // Records are costly to build and the field capacity they keep between
    // inputs changes nothing below, so two serve every input.
    static CT6 record;
    static CT6 damaged;
    record.HDRInit(0);
    record.HDRFromTemplate(data, static_cast<int32_t>(size));
    readBack(record);

    constexpr size_t kLayoutBytes = 6; // page, line, column, length, kind, one text character
    damaged.HDRInit(static_cast<int32_t>(size / kLayoutBytes));
    for (size_t i = 0; i + kLayoutBytes <= size; i += kLayoutBytes) {
        const char16_t text[] = {static_cast<char16_t>(data[i + 5] + 1), u'x', 0};
        damaged.HDRAppendFld(data[i], data[i + 1], data[i + 2], data[i + 3], data[i + 4], text);
    }
    readBack(damaged);
    return 0;
}
