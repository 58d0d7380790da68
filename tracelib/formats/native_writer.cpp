// Encoding the record as a native file: the items in the order readers of
// the format expect them, every block stored.
#include "formats/native_tags.h"
#include "record/event_element.h"

#include <algorithm>
#include <new>
#include <string>

using namespace varnel::native;

namespace {

// Path and filename are cut so that their items stay within 254 bytes.
constexpr size_t kMaxPathChars = 125;
constexpr size_t kMaxFilenameChars = 126;

std::u16string_view trimTrailingBlanks(std::u16string_view text) {
    size_t end = text.find_last_not_of(u' ');
    return end == std::u16string_view::npos ? std::u16string_view() : text.substr(0, end + 1);
}

List5 toList5(const int32_t (&values)[5]) {
    List5 list{};
    std::copy(values, values + 5, list.begin());
    return list;
}

} // namespace

class CT6::Native::Writer {
public:
    Writer(CT6& record, BlockWriter& out, bool shortForm)
        : r_(record), out_(out), shortForm_(shortForm) {}

    void writeAll() {
        writeFormatAndSizes();
        writeSpans();
        text(kPath, r_.m_path, kMaxPathChars);
        text(kFilename, r_.m_filename, kMaxFilenameChars);
        writeHeaderTexts();
        for (uint8_t tag : {kSiteAToB, kWavelengths, kLaserCool, kRangeNominal, kFiberMode,
                            kAveraging, kDynamicRange, kTime, kTimeZone})
            ints(tag);
        if (r_.m_eventCount > 0) {
            ints(kThresholds);
            ints(kFASSettings);
        }
        ints(kLaserPower);
        if (r_.GotSTFMInfo()) writeSTFM();
        if (r_.IsORLAvailable()) writeORL();
        writeShiftsAndFlags();
        writeViews();
        writeLSASets();
        writePulseWidths();
        item(kAttenuation, ValueWriter().i32(T6LONGRounded(r_.m_attenuationDBKM * 1e6)));
        writeEvents();
        writeHeaderFields();
        writeScaleFactors();
        ints(kDataPointScaleFactor);
        item(kZeroKM, ValueWriter().dpfr(r_.m_zkmDP, r_.m_zkmFR).u16(r_.m_zkmLevel));
        item(kLinearBaseline, ValueWriter().real(r_.m_dplBaseline));
        item(kLinearReference, ValueWriter().real(r_.m_dplReference));
        writeDataPoints();
        ints(kNoiseFloor);
    }

private:
    CT6& r_;
    BlockWriter& out_;
    bool shortForm_;

    void item(uint8_t tag, const ValueWriter& value) { out_.addItem(tag, value.bytes()); }

    void ints(uint8_t tag) {
        ValueWriter v;
        for (int32_t* field : findIntTag(tag)->fields(r_))
            if (field) v.i32(*field);
        item(tag, v);
    }

    // Empty texts are left out.
    void text(uint8_t tag, std::u16string_view value, size_t maxChars = SIZE_MAX) {
        if (!value.empty()) item(tag, ValueWriter().str(value, maxChars));
    }

    void list5(uint8_t tag, const int32_t (&values)[5]) {
        ValueWriter v;
        v.list5(toList5(values));
        if (!v.empty()) item(tag, v);
    }

    void writeFormatAndSizes() {
        ValueWriter version;
        for (int32_t v : kWrittenFormatVersion)
            version.i32(v);
        item(kFormatVersion, version);
        ints(kResoNominal);
        item(kDataPointCount, ValueWriter().i32(r_.DPOCount()));
        item(kSpanCount, ValueWriter().i32(r_.SpanCount()));
    }

    void writeSpans() {
        int32_t count = std::min(r_.SpanCount(), static_cast<int32_t>(r_.m_spans.size()));
        for (int32_t i = 0; i < count; ++i) {
            const SpanEntry& s = r_.m_spans[static_cast<size_t>(i)];
            item(kSpan, ValueWriter().i32(s.startDP).i32(s.ior).i32(s.backScatter));
            text(kSpanFiberType, s.fiberType);
            list5(kSpanFurther, s.further);
        }
    }

    void writeHeaderTexts() {
        char16_t buffer[256 + 1];
        for (const TextTag& t : kTextTags)
            text(t.tag, (r_.*t.get)(buffer));
    }

    void writeSTFM() {
        ints(kSTFMValues);
        ValueWriter v;
        for (const char16_t* s : {r_.m_stfmFiberType, r_.m_stfmConnType, r_.m_stfmSerialNum,
                                  r_.m_stfmModel, r_.m_stfmPartNum, r_.m_stfmCalDate, r_.m_stfmID})
            v.str(s);
        item(kSTFMTexts, v);
    }

    void writeORL() {
        item(kORL, ValueWriter()
                       .i32(r_.m_orl)
                       .dpfr(r_.m_orlADP, r_.m_orlAFR)
                       .dpfr(r_.m_orlBDP, r_.m_orlBFR));
        ints(kORLValues);
        item(kORLEArea, ValueWriter().real(r_.m_orlEArea));
        item(kORLAArea, ValueWriter().real(r_.m_orlAArea));
    }

    void writeShiftsAndFlags() {
        if (r_.m_horzShiftDP != 0 || r_.m_horzShiftFR != 0 || r_.m_vertShift != 0)
            item(kShifts,
                 ValueWriter().dpfr(r_.m_horzShiftDP, r_.m_horzShiftFR).i32(r_.m_vertShift));
        if (r_.m_traceFlags != 0 || r_.m_traceFlags2 != 0)
            item(kTraceFlags, ValueWriter().u32(r_.m_traceFlags).u32(r_.m_traceFlags2));
    }

    void writeViews() {
        item(kViewCount, ValueWriter().i32(r_.m_viewCount));
        item(kViewState, ValueWriter()
                             .i32(r_.m_viewMode)
                             .dpfr(r_.m_cursorADP, r_.m_cursorAFR)
                             .dpfr(r_.m_cursorBDP, r_.m_cursorBFR));
        size_t count =
            std::min(static_cast<size_t>(std::max(r_.m_viewCount, 0)), r_.m_views.size());
        for (size_t i = 0; i < count; ++i) {
            const ViewWindow& w = r_.m_views[i];
            item(kViewWindow, ValueWriter()
                                  .dpfr(w.startDP, w.startFR)
                                  .dpfr(w.endDP, w.endFR)
                                  .i32(w.startLevel)
                                  .i32(w.endLevel));
        }
    }

    void writeLSASets() {
        item(kLSASetCount, ValueWriter().i32(r_.m_lsaSetCount).i32(r_.m_lossMode));
        size_t count =
            std::min(static_cast<size_t>(std::max(r_.m_lsaSetCount, 0)), r_.m_lsaSets.size());
        for (size_t i = 0; i < count; ++i) {
            const LSACursorSet& s = r_.m_lsaSets[i];
            item(kLSASet,
                 ValueWriter().i32(s.aStartOff).i32(s.aEndOff).i32(s.bStartOff).i32(s.bEndOff));
        }
    }

    void writePulseWidths() {
        item(kPulseWidthCount, ValueWriter().i32(r_.PWCount()));
        int32_t count = std::min(r_.PWCount(), static_cast<int32_t>(r_.m_pulseWidths.size()));
        for (int32_t i = 0; i < count; ++i) {
            const PulseWidthEntry& p = r_.m_pulseWidths[static_cast<size_t>(i)];
            item(kPulseWidth, ValueWriter().i32(p.startDP).i32(p.nanoSec).i32(p.preampType));
            list5(kPulseWidthFurther, p.further);
        }
    }

    void writeEvents() {
        int32_t count = r_.EVCount();
        if (count <= 0) return;
        item(kEventCount, ValueWriter().i32(count));
        for (int32_t i = 0; i < count; ++i)
            writeEvent(*r_.eventAt(i));
        item(kLaunchIntercept, ValueWriter().u16(r_.m_launchIntercept));
    }

    void writeEvent(const EVElement& e) {
        using varnel::kSideA;
        using varnel::kSideB;
        item(kEvent, ValueWriter().i32(e.Type).dpfr(e.StartDP, e.StartFR).dpfr(e.EndDP, e.EndFR));
        item(kEventValues,
             ValueWriter().i32(e.Loss).i32(e.Refl).u32(e.Flags).i32(e.Reserved).i32(e.LossMode));
        item(kEventEdges,
             ValueWriter().dpfr(e.RiseEndDP, e.RiseEndFR).dpfr(e.FallStartDP, e.FallStartFR));
        for (int side : {kSideA, kSideB})
            item(side == kSideA ? kEventLSASideA : kEventLSASideB,
                 ValueWriter()
                     .dpfr(e.LSAStartOffDP[side], e.LSAStartOffFR[side])
                     .dpfr(e.LSAEndOffDP[side], e.LSAEndOffFR[side]));
        text(kEventComment, e.Comment);
        list5(kEventFurther, e.Further);
    }

    void writeHeaderFields() {
        int32_t count = r_.HDRGetFldCount();
        if (count <= 0) return;
        item(kHeaderFieldCount, ValueWriter().i32(count));
        for (int32_t i = 0; i < count; ++i) {
            uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
            char16_t buffer[64];
            r_.HDRGetFldInfo(i, 1, page, line, column, length, kind, buffer);
            item(kHeaderField, ValueWriter().u8(page).u8(line).u8(column).u8(length).u8(kind).str(
                                   trimTrailingBlanks(buffer)));
        }
    }

    void writeScaleFactors() {
        item(kScaleFactorCount, ValueWriter().i32(r_.SFCount()));
        int32_t count = std::min(r_.SFCount(), static_cast<int32_t>(r_.m_scaleFactors.size()));
        for (int32_t i = 0; i < count; ++i) {
            const ScaleFactorEntry& s = r_.m_scaleFactors[static_cast<size_t>(i)];
            item(kScaleFactor, ValueWriter().i32(s.startDP).i32(s.scaleFactor).u16(s.minLogValue));
            list5(kScaleFactorFurther, s.further);
        }
    }

    // The short form stops 10 points after the zero-km point.
    int32_t pointsToWrite() const {
        int32_t stored = std::min(r_.DPOCount(), static_cast<int32_t>(r_.m_dpo.size()));
        if (!shortForm_) return std::max(stored, 0);
        int64_t end = int64_t{r_.GetOnAfterZKMDP()} + 10;
        return static_cast<int32_t>(std::clamp<int64_t>(end, 0, std::max(stored, 0)));
    }

    void writeDataPoints() {
        const int32_t n = pointsToWrite();
        for (int32_t first = 0; first < n; first += kPointsPerItem) {
            size_t word = static_cast<size_t>(first / kPointsPerItem);
            ValueWriter v;
            v.u32(word < r_.m_nlf.size() ? r_.m_nlf[word] : 0);
            for (int32_t p = first; p < std::min(n, first + kPointsPerItem); ++p)
                v.u16(r_.m_dpo[static_cast<size_t>(p)]);
            item(kDataPoints, v);
        }
    }
};

int32_t CT6::CompT6Basic(uint8_t* out, int32_t capacity, int32_t /*compress*/, int32_t crc,
                         int32_t shortForm) {
    try {
        BlockWriter blocks(out, capacity > 0 ? static_cast<size_t>(capacity) : 0, crc != 0);
        Native::Writer(*this, blocks, shortForm != 0).writeAll();
        size_t total = blocks.finish();
        return total > INT32_MAX ? 0 : static_cast<int32_t>(total);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

int32_t CT6::CompT6(uint8_t* out, int32_t capacity, int32_t compress, int32_t crc) {
    return CompT6Basic(out, capacity, compress, crc, 0);
}
