// Keeping an SR-4731 file's own content with the record, and putting it back
// into the fields and blocks of a file written from that record.
#include "formats/sor_origin.h"

#include <algorithm>
#include <memory>

namespace sor = varnel::sor;

namespace varnel::sor {

std::string_view trimmedBlockName(std::string_view name) {
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return name;
}

namespace {

bool nameIsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), trimmedBlockName(name)) != names.end();
}

} // namespace

bool isRegeneratedBlock(std::string_view name) {
    return nameIsOneOf(name, {"Map", "DataPts", "Vosseltrak", "Cksum"});
}

bool isFieldBlock(std::string_view name) {
    return nameIsOneOf(name, {"GenParams", "SupParams", "FxdParams", "KeyEvents"});
}

} // namespace varnel::sor

namespace {

// Each listed field of `out` that still equals the baseline takes the stored value.
template <class S, class... M>
void keepFields(S& out, const S& stored, const S& baseline, M S::*... fields) {
    ((out.*fields = out.*fields == baseline.*fields ? stored.*fields : out.*fields), ...);
}

void keepGenParams(sor::GenParams& out, const sor::GenParams& s, const sor::GenParams& b) {
    using G = sor::GenParams;
    keepFields(out, s, b, &G::languageCode, &G::cableID, &G::fiberID, &G::fiberType,
               &G::nominalWavelengthNM, &G::originatingLocation, &G::terminatingLocation,
               &G::cableCode, &G::currentDataFlag, &G::userOffset, &G::userOffsetDistance,
               &G::operatorName, &G::comment);
}

void keepSupParams(sor::SupParams& out, const sor::SupParams& s, const sor::SupParams& b) {
    using P = sor::SupParams;
    keepFields(out, s, b, &P::supplier, &P::mainframeID, &P::mainframeSN, &P::moduleID,
               &P::moduleSN, &P::softwareRevision, &P::other);
}

void keepFxdParams(sor::FxdParams& out, const sor::FxdParams& s, const sor::FxdParams& b) {
    using F = sor::FxdParams;
    keepFields(out, s, b, &F::dateTime, &F::distanceUnits, &F::actualWavelength,
               &F::acquisitionOffset, &F::acquisitionOffsetDistance, &F::pulseWidths,
               &F::groupIndex, &F::backscatter, &F::averages, &F::averagingTimeSec,
               &F::acquisitionRange, &F::acquisitionRangeDistance, &F::frontPanelOffset,
               &F::noiseFloorLevel, &F::noiseFloorScaleFactor, &F::powerOffsetFirstPoint,
               &F::lossThreshold, &F::reflThreshold, &F::endOfFiberThreshold, &F::traceType,
               &F::window);
}

void keepKeyEvent(sor::KeyEvent& out, const sor::KeyEvent& s, const sor::KeyEvent& b) {
    using E = sor::KeyEvent;
    keepFields(out, s, b, &E::number, &E::propagationTime, &E::attenuation, &E::loss,
               &E::reflectance, &E::code, &E::technique, &E::markers, &E::comment);
}

// An event is the one read from the file when the baseline held an event
// at the same time that came from a stored key event; each is used once.
// An event the file did not list (the launch our analysis found) stays out
// of the file while it is as it was read.
void keepKeyEvents(sor::KeyEvents& out, const sor::KeyEvents& s, const sor::KeyEvents& b,
                   const std::vector<int32_t>& sources) {
    std::vector<bool> used(b.events.size(), false);
    std::vector<sor::KeyEvent> events;
    for (auto& event : out.events) {
        bool analysedAsRead = false;
        for (size_t k = 0; k < b.events.size() && k < sources.size(); ++k) {
            if (used[k] || b.events[k].propagationTime != event.propagationTime) continue;
            used[k] = true;
            const auto source = static_cast<size_t>(sources[k]);
            if (sources[k] >= 0 && source < s.events.size()) {
                keepKeyEvent(event, s.events[source], b.events[k]);
            } else {
                analysedAsRead = event == b.events[k];
            }
            break;
        }
        if (!analysedAsRead) events.push_back(std::move(event));
    }
    out.events = std::move(events);
    using K = sor::KeyEvents;
    keepFields(out, s, b, &K::endToEndLoss, &K::endToEndMarkers, &K::orl, &K::orlMarkers);
}

// The fields of a file without its points and without views into its bytes.
sor::SorFile fieldsOnly(const sor::SorFile& f) {
    sor::SorFile out;
    out.issue = f.issue;
    out.mapRevision = f.mapRevision;
    out.gen = f.gen;
    out.sup = f.sup;
    out.fxd = f.fxd;
    out.hasKeyEvents = f.hasKeyEvents;
    out.keyEvents = f.keyEvents;
    return out;
}

} // namespace

void CT6::SR4731Origin::keepUnedited(varnel::sor::SorFile& gathered) const {
    if (gathered.issue != stored.issue) return;
    keepGenParams(gathered.gen, stored.gen, baseline.gen);
    keepSupParams(gathered.sup, stored.sup, baseline.sup);
    keepFxdParams(gathered.fxd, stored.fxd, baseline.fxd);
    if (gathered.hasKeyEvents == baseline.hasKeyEvents) gathered.hasKeyEvents = stored.hasKeyEvents;
    keepKeyEvents(gathered.keyEvents, stored.keyEvents, baseline.keyEvents, eventSources);
}

varnel::sor::WriteExtras CT6::SR4731Origin::extras(const varnel::sor::SorFile& fields) const {
    varnel::sor::WriteExtras out;
    const bool sameIssue = fields.issue == stored.issue;
    const auto unchanged = [&](std::string_view name) {
        if (!sameIssue) return false;
        if (name == "GenParams") return fields.gen == stored.gen;
        if (name == "SupParams") return fields.sup == stored.sup;
        if (name == "FxdParams") return fields.fxd == stored.fxd;
        return fields.hasKeyEvents && stored.hasKeyEvents && fields.keyEvents == stored.keyEvents;
    };
    for (const auto& b : blocks) {
        const varnel::sor::RawBlock raw{b.name, b.revision, b.bytes};
        if (!varnel::sor::isFieldBlock(b.name)) {
            out.kept.push_back(raw);
        } else if (unchanged(varnel::sor::trimmedBlockName(b.name))) {
            out.verbatim.push_back(
                {std::string(varnel::sor::trimmedBlockName(b.name)), b.revision, b.bytes});
        }
    }
    return out;
}

namespace {

constexpr int32_t kNoSource = -1;

// For each event gathered, the stored key event at the same time, each used once.
std::vector<int32_t> eventsByTime(const sor::KeyEvents& gathered, const sor::KeyEvents& stored) {
    std::vector<int32_t> sources;
    std::vector<bool> used(stored.events.size(), false);
    for (const auto& e : gathered.events) {
        int32_t source = kNoSource;
        for (size_t k = 0; k < stored.events.size(); ++k) {
            if (used[k] || stored.events[k].propagationTime != e.propagationTime) continue;
            used[k] = true;
            source = static_cast<int32_t>(k);
            break;
        }
        sources.push_back(source);
    }
    return sources;
}

} // namespace

void CT6::SR4731::keepOrigin(CT6& r, const SorFile& f, std::vector<int32_t> eventSources,
                             const Levels& levels) {
    auto origin = std::make_shared<SR4731Origin>();
    origin->stored = fieldsOnly(f);
    origin->baseline.issue = f.issue;
    gatherFields(r, origin->baseline);
    // A record read from our own block matches the key events we wrote by time.
    if (eventSources.empty()) eventSources = eventsByTime(origin->baseline.keyEvents, f.keyEvents);
    origin->eventSources = std::move(eventSources);
    origin->points = f.dataPts;
    origin->levels = levels;
    for (const auto& b : f.blocks) {
        if (varnel::sor::isRegeneratedBlock(b.name)) continue;
        origin->blocks.push_back({b.name, b.revision, {b.bytes.begin(), b.bytes.end()}});
    }
    r.m_sr4731Origin = std::move(origin);
}

double CT6::GetStoredEndToEndLoss() const {
    if (!m_sr4731Origin) return T6_NO_VALUE;
    const auto& stored = m_sr4731Origin->stored;
    const auto& k = stored.keyEvents;
    const bool stated =
        k.endToEndLoss != 0 || k.endToEndMarkers[0] != 0 || k.endToEndMarkers[1] != 0;
    if (!stored.hasKeyEvents || !stated) return T6_NO_VALUE;
    return k.endToEndLoss / 1000.0;
}
