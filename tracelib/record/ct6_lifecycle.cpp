// Construction, reset, copying and release of the whole record, its file path
// and its modification flags.
#include "record/event_element.h"
#include "record/record_text.h"

#include <varnel/varnel.h>

namespace {

constexpr int32_t kDefaultViewCount = 4;
constexpr int32_t kDefaultLSASetCount = 7;
constexpr int32_t kDefaultEventCapacity = 64;
constexpr int32_t kDefaultDataPointCapacity = 16384;
constexpr int32_t kDefaultLinearScaleFactor = 1000;

} // namespace

CT6::CT6(BlankRecord) {}

CT6::CT6() {
    InitAll();
}

CT6::~CT6() {
    FreeAllArrays();
}

CT6::CT6(const CT6& other) = default;
CT6& CT6::operator=(const CT6& other) = default;

void CT6::InitAll() {
    FreeAllArrays();
    *this = CT6(BlankRecord{});
    m_viewCount = kDefaultViewCount;
    m_views.resize(kDefaultViewCount);
    m_lsaSetCount = kDefaultLSASetCount;
    m_lsaSets.resize(kDefaultLSASetCount);
    PWInitArray(1);
    SpanInitArray(1);
    SFInitArray(1);
    EVInitArray(kDefaultEventCapacity);
    DPOInitArray(kDefaultDataPointCapacity);
    m_dplScaleFactor = kDefaultLinearScaleFactor;
}

void CT6::FreeAllArrays() {
    varnel::releaseArray(m_views);
    varnel::releaseArray(m_lsaSets);
    varnel::releaseArray(m_pulseWidths);
    varnel::releaseArray(m_spans);
    varnel::releaseArray(m_events);
    HDRRelease();
    varnel::releaseArray(m_scaleFactors);
    varnel::releaseArray(m_dpo);
    varnel::releaseArray(m_nlf);
    varnel::releaseArray(m_dpw);
    varnel::releaseArray(m_dpl);
    m_pulseWidthCount = m_spanCount = m_scaleFactorCount = m_eventCount = 0;
    m_dpoCount = m_dplCount = 0;
    releaseT5Struct();
}

void* CT6::GetPtrT5Struct() const {
    return m_t5.structure;
}

void CT6::SetFilespec(const char16_t* pathAndName) {
    const size_t split = varnel::fileNameStart(pathAndName ? pathAndName : u"");
    varnel::setField(m_path, pathAndName, split);
    varnel::setField(m_filename, pathAndName ? pathAndName + split : nullptr);
}

char16_t* CT6::GetFilename(char16_t* out) const {
    return varnel::getField(out, m_filename);
}
int32_t CT6::GetFilenameLength() const {
    return static_cast<int32_t>(varnel::textLength(m_filename));
}
char16_t* CT6::GetPath(char16_t* out) const {
    return varnel::getField(out, m_path);
}
int32_t CT6::GetPathLength() const {
    return static_cast<int32_t>(varnel::textLength(m_path));
}

void CT6::ClearAllModFlags() {
    m_modFlags = 0;
}
void CT6::SetModFlag(uint32_t bits) {
    m_modFlags |= bits;
}
int32_t CT6::IsModFlagSet(uint32_t bits) const {
    return (m_modFlags & bits) != 0 ? 1 : 0;
}
