// Reading the header fields back as pages of text lines.
#include "record/header_fields.h"
#include "record/header_template.h"

#include <varnel/varnel.h>

#include <algorithm>

using namespace varnel;

int32_t CT6::HDRGetNumPages() const {
    if (m_hdrCount == 0) return 0;
    return m_hdrFields[m_hdrCount - 1].page + 1;
}

int32_t CT6::HDRGetPageInfo(int32_t page, int32_t& lines, int32_t& first, int32_t& last) const {
    first = -1;
    last = -1;
    lines = 0;
    for (int32_t i = 0; i < m_hdrCount; ++i) {
        if (m_hdrFields[i].page != page) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (last < 0) return kHdrStatusNoField;
    lines = m_hdrFields[last].line + 1;
    return 0;
}

// Fields are in page and line order, so one caller walking a page line by
// line passes `position` back in and each call starts where the last ended.
int32_t CT6::HDRGetPageLine(int32_t page, int32_t line, int32_t& position, char16_t* text) const {
    if (text != nullptr) {
        std::fill_n(text, kHdrColumns, u' ');
        text[kHdrColumns] = 0;
    }
    int32_t i = std::max(position, 0);
    while (i < m_hdrCount && m_hdrFields[i].page != page)
        ++i;
    if (i >= m_hdrCount) return kHdrStatusNoField;
    while (i < m_hdrCount && m_hdrFields[i].page == page && m_hdrFields[i].line < line)
        ++i;
    if (i >= m_hdrCount || m_hdrFields[i].page != page) return kHdrStatusLineAfterPage;
    for (; i < m_hdrCount && m_hdrFields[i].page == page && m_hdrFields[i].line == line; ++i) {
        const HDRField& f = m_hdrFields[i];
        int32_t n = std::clamp(kHdrColumns - f.column, 0, static_cast<int32_t>(f.length));
        if (text != nullptr && n > 0) std::copy_n(f.text, n, text + f.column);
        position = i;
    }
    return 0;
}
