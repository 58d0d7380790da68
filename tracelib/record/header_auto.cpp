// Header fields of the automatic kinds, filled from the record's own values.
#include "record/header_fields.h"
#include "record/header_template.h"
#include "record/wide_text.h"

#include <varnel/varnel.h>

#include <iterator>

using namespace varnel;

namespace {

using TextGetter = char16_t* (*)(const CT6&, char16_t*);

#define VARNEL_GETTER(name) [](const CT6& r, char16_t* out) { return r.name(out); }

// Kinds 3-19 in order; null where the text is composed below.
const TextGetter kAutoGetters[] = {
    VARNEL_GETTER(GetCableID),        VARNEL_GETTER(GetFiberNumber), VARNEL_GETTER(GetFiberMode),
    VARNEL_GETTER(GetSiteNear),       VARNEL_GETTER(GetSiteFar),     nullptr,
    VARNEL_GETTER(GetNetwork),        VARNEL_GETTER(GetSegment),     VARNEL_GETTER(GetProject),
    VARNEL_GETTER(GetTest),           VARNEL_GETTER(GetFilename),    nullptr,
    VARNEL_GETTER(GetManufacturer),   VARNEL_GETTER(GetModel),       VARNEL_GETTER(GetOpticsModule),
    VARNEL_GETTER(GetOpticsModuleSN), VARNEL_GETTER(GetSoftwareVer)};

#undef VARNEL_GETTER

static_assert(std::size(kAutoGetters) == kHdrKindLastAuto - kHdrKindFirstAuto + 1);

constexpr int32_t kKindDateTime = 8;
constexpr int32_t kKindWavelength = 14;
constexpr size_t kAutoTextCapacity = 256;

} // namespace

char16_t* CT6::HDRAutoText(int32_t kind, char16_t* out) const {
    out[0] = 0;
    if (kind < kHdrKindFirstAuto || kind > kHdrKindLastAuto) return out;
    if (kind == kKindDateTime) {
        char16_t part[kFormattedTextCapacity];
        appendTruncated(out, GetDate(part), kAutoTextCapacity);
        appendTruncated(out, u"  ", kAutoTextCapacity);
        return appendTruncated(out, GetTime(part), kAutoTextCapacity);
    }
    if (kind == kKindWavelength) return GetWavelengthNominal(out, 0);
    return kAutoGetters[kind - kHdrKindFirstAuto](*this, out);
}

void CT6::HDRInitStgs(int32_t clearDollarFlds, int32_t clearAtFlds, int32_t fromRecord) {
    char16_t text[kAutoTextCapacity + 1];
    for (int32_t i = 0; i < m_hdrCount; ++i) {
        int32_t kind = m_hdrFields[i].kind;
        if ((kind == kHdrKindDollar && clearDollarFlds == 1) ||
            (kind == kHdrKindAt && clearAtFlds == 1)) {
            HDRSetFldStg(i, u"");
        } else if (kind >= kHdrKindFirstAuto && kind <= kHdrKindLastAuto && fromRecord != 0) {
            // An empty record value keeps what the field holds; the file name
            // always follows the record.
            if (HDRAutoText(kind, text)[0] != 0 || kind == kHdrKindFilename) {
                HDRSetFldStg(i, text);
            }
        }
    }
}

void CT6::HDRInitStgs(int32_t clearAtFlds, int32_t fromRecord) {
    HDRInitStgs(1, clearAtFlds, fromRecord);
}
