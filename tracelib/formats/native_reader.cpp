// Filling the record from the items of a native file.
#include "formats/native_tags.h"
#include "record/event_element.h"

#include <algorithm>
#include <new>

using namespace varnel::native;
namespace {

// Counts above these are damage, not traces: they would only make the reader
// allocate memory that no file of the format can fill sensibly.
constexpr int32_t kMaxViews = 256;
constexpr int32_t kMaxLSASets = 256;
constexpr int32_t kMaxSegments = 4096; // pulse widths, spans, scale factors
constexpr int32_t kMaxEvents = 65535;
constexpr int32_t kMaxDataPoints = 1 << 22;

bool countInRange(int32_t count, int32_t limit) {
    return count >= 0 && count <= limit;
}

template <size_t N> bool readInts(ValueReader& v, std::array<int32_t, N>& out) {
    for (int32_t& x : out)
        if (!v.i32(x)) return false;
    return true;
}

struct DPFR {
    int32_t dp = 0;
    uint16_t fr = 0;
};

bool readDPFR(ValueReader& v, DPFR& p) {
    return v.dpfr(p.dp, p.fr);
}

template <size_t N> size_t capacityOf(const char16_t (&)[N]) {
    return N - 1;
}

} // namespace

class CT6::Native::Reader {
public:
    explicit Reader(CT6& record) : r_(record) {}

    int32_t readBlocks(std::span<const uint8_t> file, bool verifyChecksums) {
        BlockReader blocks(file, verifyChecksums);
        while (true) {
            std::span<const uint8_t> payload;
            bool atEnd = false;
            if (int32_t s = blocks.next(payload, atEnd); s != T6_FILE_OK) return s;
            if (atEnd) return T6_FILE_OK;
            if (int32_t s = readItems(payload); s != T6_FILE_OK) return s;
        }
    }

    // The steps after the end marker; status 5 when the trace lacks essentials.
    int32_t finish() {
        int32_t result = T6_FILE_OK;
        if (r_.SpanCount() < 1 || r_.SFCount() < 1 || r_.DPOCount() < 1 || r_.m_resoNominal < 1)
            result = T6_FILE_INVALID_CONTENT;
        r_.SpanCalculate();
        r_.DPWSetup(0);
        r_.m_horzShiftKM = r_.spanKMFromDPFR(r_.m_horzShiftDP, r_.m_horzShiftFR);
        r_.SetZKMDPFR(zeroKM_.dp, zeroKM_.fr);
        if (r_.m_traceType[0] == 0) r_.SetTraceType(u"T6");
        r_.ClearAllModFlags();
        return result;
    }

private:
    using Handler = int32_t (Reader::*)(uint8_t tag, ValueReader& v);

    CT6& r_;
    // Entries the next *next* item of each array fills; *current* items go
    // to the entry before.
    int32_t nextView_ = 0;
    int32_t nextLSASet_ = 0;
    int32_t nextPulseWidth_ = 0;
    int32_t nextSpan_ = 0;
    int32_t nextEvent_ = 0;
    int32_t nextScaleFactor_ = 0;
    int64_t nextPoint_ = 0; // running data-point index of tag 58; never overflows
    DPFR zeroKM_;

    int32_t readItems(std::span<const uint8_t> payload) {
        ItemReader items(payload);
        while (!items.done()) {
            Item item;
            if (int32_t s = items.next(item); s != T6_FILE_OK) return s;
            Handler h = handlers()[item.tag];
            if (!h) continue;
            ValueReader v(item.value);
            if (int32_t s = (this->*h)(item.tag, v); s != T6_FILE_OK) return s;
        }
        return T6_FILE_OK;
    }

    static const std::array<Handler, 256>& handlers();

    // The entry a *current* item refers to, or -1 when there is none in use.
    static int32_t current(int32_t next, int32_t count) {
        int32_t i = next - 1;
        return i >= 0 && i < count ? i : -1;
    }

    int32_t text(uint8_t tag, ValueReader& v) {
        for (const TextTag& t : kTextTags) {
            if (t.tag != tag) continue;
            (r_.*t.set)(v.str().c_str());
        }
        return T6_FILE_OK;
    }

    int32_t ints(uint8_t tag, ValueReader& v) {
        IntFields fields = findIntTag(tag)->fields(r_);
        std::array<int32_t, 6> values{};
        size_t n = 0;
        while (n < fields.size() && fields[n]) {
            if (!v.i32(values[n])) return T6_FILE_DAMAGED;
            ++n;
        }
        for (size_t i = 0; i < n; ++i)
            *fields[i] = values[i];
        return T6_FILE_OK;
    }

    int32_t path(uint8_t tag, ValueReader& v) {
        if (tag == kPath)
            v.str(r_.m_path, capacityOf(r_.m_path));
        else
            v.str(r_.m_filename, capacityOf(r_.m_filename));
        return T6_FILE_OK;
    }

    int32_t orl(uint8_t, ValueReader& v) {
        int32_t value = 0;
        DPFR a, b;
        if (!v.i32(value) || !readDPFR(v, a) || !readDPFR(v, b)) return T6_FILE_DAMAGED;
        r_.m_orl = value;
        r_.m_orlADP = a.dp;
        r_.m_orlAFR = a.fr;
        r_.m_orlBDP = b.dp;
        r_.m_orlBFR = b.fr;
        return T6_FILE_OK;
    }

    int32_t shifts(uint8_t, ValueReader& v) {
        DPFR shift;
        int32_t vert = 0;
        if (!readDPFR(v, shift) || !v.i32(vert)) return T6_FILE_DAMAGED;
        r_.m_horzShiftDP = shift.dp;
        r_.m_horzShiftFR = shift.fr;
        r_.m_vertShift = vert;
        return T6_FILE_OK;
    }

    int32_t traceFlags(uint8_t, ValueReader& v) {
        uint32_t flags = 0;
        uint32_t flags2 = 0;
        if (!v.u32(flags) || !v.u32(flags2)) return T6_FILE_DAMAGED;
        r_.m_traceFlags = flags;
        r_.m_traceFlags2 = flags2;
        return T6_FILE_OK;
    }

    int32_t viewState(uint8_t, ValueReader& v) {
        int32_t mode = 0;
        DPFR a, b;
        if (!v.i32(mode) || !readDPFR(v, a) || !readDPFR(v, b)) return T6_FILE_DAMAGED;
        r_.m_viewMode = mode;
        r_.m_cursorADP = a.dp;
        r_.m_cursorAFR = a.fr;
        r_.m_cursorBDP = b.dp;
        r_.m_cursorBFR = b.fr;
        return T6_FILE_OK;
    }

    int32_t viewCount(uint8_t, ValueReader& v) {
        int32_t count = 0;
        if (!v.i32(count) || !countInRange(count, kMaxViews)) return T6_FILE_DAMAGED;
        if (static_cast<size_t>(count) > r_.m_views.size()) r_.m_views.resize(count);
        r_.m_viewCount = count;
        return T6_FILE_OK;
    }

    int32_t viewWindow(uint8_t, ValueReader& v) {
        DPFR start, end;
        std::array<int32_t, 2> levels{};
        if (!readDPFR(v, start) || !readDPFR(v, end) || !readInts(v, levels))
            return T6_FILE_DAMAGED;
        int32_t i = nextView_++;
        if (i >= r_.m_viewCount || static_cast<size_t>(i) >= r_.m_views.size()) return T6_FILE_OK;
        ViewWindow& w = r_.m_views[static_cast<size_t>(i)];
        w = {start.dp, start.fr, end.dp, end.fr, levels[0], levels[1]};
        return T6_FILE_OK;
    }

    int32_t lsaSetCount(uint8_t, ValueReader& v) {
        std::array<int32_t, 2> values{};
        if (!readInts(v, values) || !countInRange(values[0], kMaxLSASets)) return T6_FILE_DAMAGED;
        if (static_cast<size_t>(values[0]) > r_.m_lsaSets.size()) r_.m_lsaSets.resize(values[0]);
        r_.m_lsaSetCount = values[0];
        r_.m_lossMode = values[1];
        return T6_FILE_OK;
    }

    int32_t lsaSet(uint8_t, ValueReader& v) {
        std::array<int32_t, 4> values{};
        if (!readInts(v, values)) return T6_FILE_DAMAGED;
        int32_t i = nextLSASet_++;
        if (i >= r_.m_lsaSetCount || static_cast<size_t>(i) >= r_.m_lsaSets.size())
            return T6_FILE_OK;
        r_.m_lsaSets[static_cast<size_t>(i)] = {values[0], values[1], values[2], values[3]};
        return T6_FILE_OK;
    }

    // Re-creates a segment array for `count` entries, all of them in use.
    template <class Entry>
    int32_t segmentCount(ValueReader& v, int32_t (CT6::*init)(int32_t), std::vector<Entry>& array,
                         int32_t& inUse) {
        int32_t count = 0;
        if (!v.i32(count) || !countInRange(count, kMaxSegments)) return T6_FILE_DAMAGED;
        if ((r_.*init)(count) < std::max(count, 1)) return T6_FILE_NO_MEMORY;
        inUse = std::min(count, static_cast<int32_t>(array.size()));
        return T6_FILE_OK;
    }

    int32_t pulseWidthCount(uint8_t, ValueReader& v) {
        return segmentCount(v, &CT6::PWInitArray, r_.m_pulseWidths, r_.m_pulseWidthCount);
    }

    int32_t pulseWidth(uint8_t, ValueReader& v) {
        std::array<int32_t, 3> values{};
        if (!readInts(v, values)) return T6_FILE_DAMAGED;
        int32_t i = nextPulseWidth_++;
        if (i >= r_.m_pulseWidthCount) return T6_FILE_OK;
        PulseWidthEntry& e = r_.m_pulseWidths[static_cast<size_t>(i)];
        e.startDP = values[0];
        e.nanoSec = values[1];
        e.preampType = values[2];
        return T6_FILE_OK;
    }

    int32_t pulseWidthFurther(uint8_t, ValueReader& v) {
        int32_t i = current(nextPulseWidth_, r_.m_pulseWidthCount);
        if (i >= 0) storeList5(r_.m_pulseWidths[static_cast<size_t>(i)].further, v);
        return T6_FILE_OK;
    }

    static void storeList5(int32_t (&further)[5], ValueReader& v) {
        List5 values = v.list5();
        std::copy(values.begin(), values.end(), further);
    }

    int32_t attenuation(uint8_t, ValueReader& v) {
        int32_t value = 0;
        if (!v.i32(value)) return T6_FILE_DAMAGED;
        r_.m_attenuationDBKM = value / 1e6;
        return T6_FILE_OK;
    }

    int32_t spanCount(uint8_t, ValueReader& v) {
        return segmentCount(v, &CT6::SpanInitArray, r_.m_spans, r_.m_spanCount);
    }

    int32_t span(uint8_t, ValueReader& v) {
        std::array<int32_t, 3> values{};
        if (!readInts(v, values)) return T6_FILE_DAMAGED;
        int32_t i = nextSpan_++;
        if (i >= r_.m_spanCount) return T6_FILE_OK;
        SpanEntry& e = r_.m_spans[static_cast<size_t>(i)];
        e.startDP = values[0];
        e.ior = values[1];
        e.backScatter = values[2];
        return T6_FILE_OK;
    }

    int32_t spanFiberType(uint8_t, ValueReader& v) {
        int32_t i = current(nextSpan_, r_.m_spanCount);
        if (i >= 0) {
            SpanEntry& e = r_.m_spans[static_cast<size_t>(i)];
            v.str(e.fiberType, capacityOf(e.fiberType));
        }
        return T6_FILE_OK;
    }

    int32_t spanFurther(uint8_t, ValueReader& v) {
        int32_t i = current(nextSpan_, r_.m_spanCount);
        if (i >= 0) storeList5(r_.m_spans[static_cast<size_t>(i)].further, v);
        return T6_FILE_OK;
    }

    int32_t scaleFactorCount(uint8_t, ValueReader& v) {
        return segmentCount(v, &CT6::SFInitArray, r_.m_scaleFactors, r_.m_scaleFactorCount);
    }

    int32_t scaleFactor(uint8_t, ValueReader& v) {
        std::array<int32_t, 2> values{};
        uint16_t minLog = 0;
        if (!readInts(v, values) || !v.u16(minLog)) return T6_FILE_DAMAGED;
        int32_t i = nextScaleFactor_++;
        if (i >= r_.m_scaleFactorCount) return T6_FILE_OK;
        ScaleFactorEntry& e = r_.m_scaleFactors[static_cast<size_t>(i)];
        e.startDP = values[0];
        e.scaleFactor = values[1];
        e.minLogValue = minLog;
        return T6_FILE_OK;
    }

    int32_t scaleFactorFurther(uint8_t, ValueReader& v) {
        int32_t i = current(nextScaleFactor_, r_.m_scaleFactorCount);
        if (i >= 0) storeList5(r_.m_scaleFactors[static_cast<size_t>(i)].further, v);
        return T6_FILE_OK;
    }

    int32_t eventCount(uint8_t, ValueReader& v) {
        int32_t count = 0;
        if (!v.i32(count) || !countInRange(count, kMaxEvents)) return T6_FILE_DAMAGED;
        if (r_.EVInitArray(count) < count) return T6_FILE_NO_MEMORY;
        r_.m_eventCount = count;
        return T6_FILE_OK;
    }

    // The event the latest tag-42 item filled, or null.
    EVElement* currentEvent() {
        int32_t i = current(nextEvent_, r_.m_eventCount);
        return i >= 0 ? r_.eventAt(i) : nullptr;
    }

    int32_t event(uint8_t, ValueReader& v) {
        int32_t type = 0;
        DPFR start, end;
        if (!v.i32(type) || !readDPFR(v, start) || !readDPFR(v, end)) return T6_FILE_DAMAGED;
        int32_t i = nextEvent_++;
        if (i >= r_.m_eventCount) return T6_FILE_OK;
        EVElement& e = *r_.eventAt(i);
        e.Type = type;
        e.StartDP = start.dp;
        e.StartFR = start.fr;
        e.EndDP = end.dp;
        e.EndFR = end.fr;
        return T6_FILE_OK;
    }

    int32_t eventValues(uint8_t, ValueReader& v) {
        std::array<int32_t, 5> values{};
        if (!readInts(v, values)) return T6_FILE_DAMAGED;
        if (EVElement* e = currentEvent()) {
            e->Loss = values[0];
            e->Refl = values[1];
            e->Flags = static_cast<uint32_t>(values[2]);
            e->Reserved = values[3];
            e->LossMode = values[4];
        }
        return T6_FILE_OK;
    }

    int32_t eventEdges(uint8_t, ValueReader& v) {
        DPFR riseEnd, fallStart;
        if (!readDPFR(v, riseEnd) || !readDPFR(v, fallStart)) return T6_FILE_DAMAGED;
        if (EVElement* e = currentEvent()) {
            e->RiseEndDP = riseEnd.dp;
            e->RiseEndFR = riseEnd.fr;
            e->FallStartDP = fallStart.dp;
            e->FallStartFR = fallStart.fr;
        }
        return T6_FILE_OK;
    }

    int32_t eventLSA(uint8_t tag, ValueReader& v) {
        DPFR start, end;
        if (!readDPFR(v, start) || !readDPFR(v, end)) return T6_FILE_DAMAGED;
        if (EVElement* e = currentEvent()) {
            int side = tag == kEventLSASideA ? varnel::kSideA : varnel::kSideB;
            e->LSAStartOffDP[side] = start.dp;
            e->LSAStartOffFR[side] = start.fr;
            e->LSAEndOffDP[side] = end.dp;
            e->LSAEndOffFR[side] = end.fr;
        }
        return T6_FILE_OK;
    }

    int32_t eventComment(uint8_t, ValueReader& v) {
        if (EVElement* e = currentEvent()) v.str(e->Comment, varnel::kEventCommentCapacity);
        return T6_FILE_OK;
    }

    int32_t eventFurther(uint8_t, ValueReader& v) {
        if (EVElement* e = currentEvent()) storeList5(e->Further, v);
        return T6_FILE_OK;
    }

    int32_t launchIntercept(uint8_t, ValueReader& v) {
        uint16_t value = 0;
        if (!v.u16(value)) return T6_FILE_DAMAGED;
        r_.m_launchIntercept = value;
        return T6_FILE_OK;
    }

    int32_t headerFieldCount(uint8_t, ValueReader& v) {
        int32_t count = 0;
        if (!v.i32(count) || count < 0) return T6_FILE_DAMAGED;
        r_.HDRInit(count);
        return T6_FILE_OK;
    }

    // Fields beyond the capacity that tag 50 made are dropped by the append.
    int32_t headerField(uint8_t, ValueReader& v) {
        std::array<uint8_t, 5> layout{};
        for (uint8_t& b : layout)
            if (!v.u8(b)) return T6_FILE_DAMAGED;
        r_.HDRAppendFld(layout[0], layout[1], layout[2], layout[3], layout[4], v.str().c_str());
        return T6_FILE_OK;
    }

    int32_t dataPointCount(uint8_t, ValueReader& v) {
        int32_t count = 0;
        if (!v.i32(count) || !countInRange(count, kMaxDataPoints)) return T6_FILE_DAMAGED;
        if (r_.DPOInitArray(count) < count) return T6_FILE_NO_MEMORY;
        r_.DPOSetCount(count);
        return T6_FILE_OK;
    }

    int32_t zeroKM(uint8_t, ValueReader& v) {
        DPFR point;
        uint16_t level = 0;
        if (!readDPFR(v, point) || !v.u16(level)) return T6_FILE_DAMAGED;
        zeroKM_ = point;
        r_.m_zkmLevel = level;
        return T6_FILE_OK;
    }

    // Points past the count (and so past the array) are dropped; the running
    // index moves on all the same, as the file's layout says where it is.
    int32_t dataPoints(uint8_t, ValueReader& v) {
        uint32_t flags = 0;
        if (!v.u32(flags)) return T6_FILE_DAMAGED;
        const int64_t count =
            std::min<int64_t>(r_.DPOCount(), static_cast<int64_t>(r_.m_dpo.size()));
        const size_t word = static_cast<size_t>(nextPoint_ / kPointsPerItem);
        if (nextPoint_ < count && word < r_.m_nlf.size()) r_.m_nlf[word] = flags;
        uint16_t value = 0;
        for (int32_t k = 0; k < kPointsPerItem && v.u16(value); ++k, ++nextPoint_)
            if (nextPoint_ < count) r_.m_dpo[static_cast<size_t>(nextPoint_)] = value;
        return T6_FILE_OK;
    }

    int32_t linear(uint8_t tag, ValueReader& v) {
        double value = 0;
        if (!v.real(value)) return T6_FILE_OK;
        if (tag == kLinearBaseline)
            r_.DPLSetBaseline(value);
        else
            r_.DPLSetReference(value);
        return T6_FILE_OK;
    }

    int32_t stfmTexts(uint8_t, ValueReader& v) {
        static constexpr SetText kSetters[] = {&CT6::SetSTFMFiberType, &CT6::SetSTFMConnType,
                                               &CT6::SetSTFMSerialNum, &CT6::SetSTFMModel,
                                               &CT6::SetSTFMPartNum,   &CT6::SetSTFMCalDate,
                                               &CT6::SetSTFMID};
        for (SetText set : kSetters)
            (r_.*set)(v.str().c_str());
        return T6_FILE_OK;
    }

    int32_t orlArea(uint8_t tag, ValueReader& v) {
        double& area = tag == kORLEArea ? r_.m_orlEArea : r_.m_orlAArea;
        v.real(area);
        return T6_FILE_OK;
    }
};

const std::array<CT6::Native::Reader::Handler, 256>& CT6::Native::Reader::handlers() {
    static const std::array<Handler, 256> table = [] {
        std::array<Handler, 256> t{};
        for (const TextTag& text : kTextTags)
            t[text.tag] = &Reader::text;
        for (const IntTag& i : kIntTags)
            t[i.tag] = &Reader::ints;
        t[kPath] = t[kFilename] = &Reader::path;
        t[kORL] = &Reader::orl;
        t[kShifts] = &Reader::shifts;
        t[kTraceFlags] = &Reader::traceFlags;
        t[kViewState] = &Reader::viewState;
        t[kViewCount] = &Reader::viewCount;
        t[kViewWindow] = &Reader::viewWindow;
        t[kLSASetCount] = &Reader::lsaSetCount;
        t[kLSASet] = &Reader::lsaSet;
        t[kPulseWidthCount] = &Reader::pulseWidthCount;
        t[kPulseWidth] = &Reader::pulseWidth;
        t[kPulseWidthFurther] = &Reader::pulseWidthFurther;
        t[kAttenuation] = &Reader::attenuation;
        t[kSpanCount] = &Reader::spanCount;
        t[kSpan] = &Reader::span;
        t[kSpanFiberType] = &Reader::spanFiberType;
        t[kSpanFurther] = &Reader::spanFurther;
        t[kEventCount] = &Reader::eventCount;
        t[kEvent] = &Reader::event;
        t[kEventValues] = &Reader::eventValues;
        t[kEventEdges] = &Reader::eventEdges;
        t[kEventLSASideA] = t[kEventLSASideB] = &Reader::eventLSA;
        t[kEventComment] = &Reader::eventComment;
        t[kEventFurther] = &Reader::eventFurther;
        t[kLaunchIntercept] = &Reader::launchIntercept;
        t[kHeaderFieldCount] = &Reader::headerFieldCount;
        t[kHeaderField] = &Reader::headerField;
        t[kScaleFactorCount] = &Reader::scaleFactorCount;
        t[kScaleFactor] = &Reader::scaleFactor;
        t[kScaleFactorFurther] = &Reader::scaleFactorFurther;
        t[kDataPointCount] = &Reader::dataPointCount;
        t[kZeroKM] = &Reader::zeroKM;
        t[kDataPoints] = &Reader::dataPoints;
        t[kLinearBaseline] = t[kLinearReference] = &Reader::linear;
        t[kSTFMTexts] = &Reader::stfmTexts;
        t[kORLEArea] = t[kORLAArea] = &Reader::orlArea;
        return t;
    }();
    return table;
}

int32_t CT6::DecompT6(const uint8_t* bytes, int32_t length, int32_t crcFlag) {
    if (!bytes || length < 0 || !T6IsT6(bytes, length)) return T6_FILE_DAMAGED;
    try {
        InitAll();
        Native::Reader reader(*this);
        int32_t result = reader.readBlocks({bytes, static_cast<size_t>(length)}, crcFlag != 0);
        if (result != T6_FILE_OK) {
            ClearAllModFlags();
            return result;
        }
        return reader.finish();
    } catch (const std::bad_alloc&) {
        ClearAllModFlags();
        return T6_FILE_NO_MEMORY;
    }
}
