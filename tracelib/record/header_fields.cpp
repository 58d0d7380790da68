// The record's header field array: capacity, count, field text, save slots.
#include "record/header_fields.h"
#include "record/header_template.h"
#include "record/record_text.h"

#include <varnel/varnel.h>

#include <algorithm>
#include <array>
#include <string_view>

using namespace varnel;

namespace {

constexpr int32_t kSlotCount = 10;

bool inFields(int32_t index, int32_t count) {
    return index >= 0 && index < count;
}

} // namespace

namespace varnel {

void setHeaderFieldText(char16_t* out, int32_t length, const char16_t* text) {
    length = std::clamp(length, 0, kHdrTextChars);
    int32_t n = 0;
    if (text != nullptr) {
        for (; n < length && text[n] != 0; ++n)
            out[n] = text[n];
    }
    for (; n < length; ++n)
        out[n] = u' ';
    out[n] = 0;
}

} // namespace varnel

void CT6::HDRInit(int32_t count) {
    count = std::clamp(count, 0, kHdrMaxFields);
    if (static_cast<size_t>(count) > m_hdrFields.size()) m_hdrFields.resize(count);
    std::fill(m_hdrFields.begin(), m_hdrFields.end(), HDRField{});
    m_hdrCount = 0;
    SetModFlag(T6_MOD_HEADER_PAGES);
}

void CT6::HDRRelease() {
    releaseArray(m_hdrFields);
    m_hdrCount = 0;
}

int32_t CT6::HDRGetFldCount() const {
    return m_hdrCount;
}

int32_t CT6::HDRGetFldMaxCount() const {
    return static_cast<int32_t>(m_hdrFields.size());
}

// Files may hold any layout bytes; a field is kept (its index may matter) but
// never reaches past column 50 or past its text.
int32_t CT6::HDRAppendFld(uint8_t page, uint8_t line, uint8_t column, uint8_t length, uint8_t kind,
                          const char16_t* text) {
    if (m_hdrCount >= HDRGetFldMaxCount()) return kHdrStatusBadIndex;
    int32_t room = std::max(0, kHdrColumns - column);
    HDRField& f = m_hdrFields[m_hdrCount];
    f = {page, line, column, static_cast<uint8_t>(std::min<int32_t>(length, room)), kind, {}};
    setHeaderFieldText(f.text, f.length, text);
    ++m_hdrCount;
    SetModFlag(T6_MOD_HEADER_PAGES);
    return 0;
}

void CT6::HDRCopyFrom(const std::vector<HDRField>& fields, int32_t count) {
    count = std::min(count, static_cast<int32_t>(fields.size()));
    HDRInit(count);
    count = std::min(count, HDRGetFldMaxCount());
    std::copy_n(fields.begin(), count, m_hdrFields.begin());
    m_hdrCount = count;
}

void CT6::HDRFromT6(const CT6* other) {
    if (other == nullptr || other == this) return;
    HDRCopyFrom(other->m_hdrFields, other->m_hdrCount);
}

std::vector<CT6::HDRField>& CT6::HDRSlot(int32_t slot) {
    static std::array<std::vector<HDRField>, kSlotCount> slots;
    return slots[slot];
}

void CT6::HDRSave(int32_t slot) const {
    if (!inFields(slot, kSlotCount)) return;
    HDRSlot(slot).assign(m_hdrFields.begin(), m_hdrFields.begin() + m_hdrCount);
}

void CT6::HDRRestore(int32_t slot) {
    if (!inFields(slot, kSlotCount)) return;
    const std::vector<HDRField>& saved = HDRSlot(slot);
    HDRCopyFrom(saved, static_cast<int32_t>(saved.size()));
}

int32_t CT6::HDRGetFldInfo(int32_t index, int32_t trim, uint8_t& page, uint8_t& line,
                           uint8_t& column, uint8_t& length, uint8_t& kind, char16_t* text) const {
    if (!inFields(index, m_hdrCount)) {
        if (text != nullptr) text[0] = 0;
        return kHdrStatusBadIndex;
    }
    const HDRField& f = m_hdrFields[index];
    page = f.page;
    line = f.line;
    column = f.column;
    length = f.length;
    kind = f.kind;
    if (text == nullptr) return 0;
    int32_t n = f.length;
    while (trim != 0 && n > 0 && f.text[n - 1] == u' ')
        --n;
    std::copy_n(f.text, n, text);
    text[n] = 0;
    return 0;
}

void CT6::HDRSetFldStg(int32_t index, const char16_t* text) {
    if (!inFields(index, m_hdrCount)) return;
    HDRField& f = m_hdrFields[index];
    setHeaderFieldText(f.text, f.length, text);
    SetModFlag(T6_MOD_HEADER_PAGES);
}

void CT6::HDRSetAutoStg(int32_t kind, const char16_t* text) {
    for (int32_t i = 0; i < m_hdrCount; ++i) {
        if (m_hdrFields[i].kind == kind) HDRSetFldStg(i, text);
    }
}

int32_t CT6::HDRFindFixedStg(const char16_t* text) const {
    if (text == nullptr) return -1;
    std::u16string_view wanted = text;
    for (int32_t i = 0; i < m_hdrCount; ++i) {
        const HDRField& f = m_hdrFields[i];
        if (f.kind != kHdrKindLabel) continue;
        if (std::u16string_view(f.text).find(wanted) != std::u16string_view::npos) return i;
    }
    return -1;
}
