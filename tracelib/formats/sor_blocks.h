// The standard SR-4731 blocks as fields, and the order in which those fields
// lie in a file. The same visit functions drive the parser and the writer, so
// the two cannot disagree about a field's place, width or issue.
//
// Format notes:
// - Issue 1 (map revision below 200) lacks the fields marked "issue 2" below;
//   issue-1 files from other writers also lack the block names, while ours
//   carry them (the parser skips a name that is there).
// - Fixed-width text fields (language code, units, codes) have no terminator.
// - A visitor IO supplies issue2(), u16/i16/u32/i32, chars(field, n), text,
//   count16(vector, least bytes per entry) and u16Array(vector, count).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace varnel::sor {

inline constexpr uint16_t kIssue1Revision = 100;
inline constexpr uint16_t kIssue2Revision = 200;
inline constexpr size_t kMaxPulseWidths = 10; // the record holds no more

struct GenParams {
    std::string languageCode; // 2 characters
    std::string cableID;
    std::string fiberID;
    uint16_t fiberType = 0; // issue 2; ITU-T number, 651 multimode
    uint16_t nominalWavelengthNM = 0;
    std::string originatingLocation;
    std::string terminatingLocation;
    std::string cableCode;
    std::string currentDataFlag;    // 2 characters
    int32_t userOffset = 0;         // 100 ps
    int32_t userOffsetDistance = 0; // issue 2; 0.1 distance units
    std::string operatorName;
    std::string comment;

    bool operator==(const GenParams&) const = default;
};

struct SupParams {
    std::string supplier;
    std::string mainframeID;
    std::string mainframeSN;
    std::string moduleID;
    std::string moduleSN;
    std::string softwareRevision;
    std::string other;

    bool operator==(const SupParams&) const = default;
};

struct PulseWidth {
    uint16_t nanoSec = 0;
    int32_t dataSpacing = 0; // 100 ps per 10000 points
    int32_t pointCount = 0;

    bool operator==(const PulseWidth&) const = default;
};

struct FxdParams {
    uint32_t dateTime = 0;         // seconds since 1970
    std::string distanceUnits;     // 2 characters
    uint16_t actualWavelength = 0; // 0.1 nm
    int32_t acquisitionOffset = 0;
    int32_t acquisitionOffsetDistance = 0; // issue 2
    std::vector<PulseWidth> pulseWidths;
    int32_t groupIndex = 0;   // index of refraction x 100000
    uint16_t backscatter = 0; // -0.1 dB
    int32_t averages = 0;
    uint16_t averagingTimeSec = 0; // issue 2
    int32_t acquisitionRange = 0;
    int32_t acquisitionRangeDistance = 0; // issue 2
    int32_t frontPanelOffset = 0;         // 100 ps
    uint16_t noiseFloorLevel = 0;
    uint16_t noiseFloorScaleFactor = 0;
    uint16_t powerOffsetFirstPoint = 0;
    uint16_t lossThreshold = 0;       // 0.001 dB
    uint16_t reflThreshold = 0;       // -0.001 dB
    uint16_t endOfFiberThreshold = 0; // 0.001 dB
    std::string traceType;            // issue 2; 2 characters
    std::array<int32_t, 4> window{};  // issue 2

    bool operator==(const FxdParams&) const = default;
};

struct KeyEvent {
    uint16_t number = 0;
    int32_t propagationTime = 0;      // 100 ps
    uint16_t attenuation = 0;         // 0.001 dB/km
    int16_t loss = 0;                 // 0.001 dB
    int32_t reflectance = 0;          // 0.001 dB
    std::string code;                 // 6 characters
    std::string technique;            // 2 characters
    std::array<int32_t, 5> markers{}; // issue 2; 100 ps
    std::string comment;

    bool operator==(const KeyEvent&) const = default;
};

struct KeyEvents {
    std::vector<KeyEvent> events;
    int32_t endToEndLoss = 0; // 0.001 dB
    std::array<int32_t, 2> endToEndMarkers{};
    uint16_t orl = 0; // 0.001 dB
    std::array<int32_t, 2> orlMarkers{};

    bool operator==(const KeyEvents&) const = default;
};

struct ScaleFactorBlock {
    uint16_t scaleFactor = 0; // 1000: points in 0.001 dB
    std::vector<uint16_t> points;

    bool operator==(const ScaleFactorBlock&) const = default;
};

struct DataPts {
    int32_t totalPoints = 0;
    std::vector<ScaleFactorBlock> blocks;

    bool operator==(const DataPts&) const = default;
};

// One block of a file as its map lists it: name, revision and bytes (the
// bytes point into the file buffer when parsed).
struct RawBlock {
    std::string name; // as the map spells it, trailing blanks included
    uint16_t revision = 0;
    std::span<const uint8_t> bytes;
};

// A whole file as the parser found it, or as the writer is to write it.
struct SorFile {
    int issue = 2;
    uint16_t mapRevision = kIssue2Revision;
    GenParams gen;
    SupParams sup;
    FxdParams fxd;
    bool hasKeyEvents = false;
    KeyEvents keyEvents;
    DataPts dataPts;
    bool hasChecksum = false;
    uint16_t checksum = 0;
    // The native record that follows the "Vosseltrak" block's name field;
    // empty when there is none. Points into the file buffer when parsed.
    std::span<const uint8_t> vosseltrak;
    // Every block of the map in file order, those read above included.
    std::vector<RawBlock> blocks;
};

template <class IO, class T> void visitGenParams(IO& io, T& g) {
    io.chars(g.languageCode, 2);
    io.text(g.cableID);
    io.text(g.fiberID);
    if (io.issue2()) io.u16(g.fiberType);
    io.u16(g.nominalWavelengthNM);
    io.text(g.originatingLocation);
    io.text(g.terminatingLocation);
    io.text(g.cableCode);
    io.chars(g.currentDataFlag, 2);
    io.i32(g.userOffset);
    if (io.issue2()) io.i32(g.userOffsetDistance);
    io.text(g.operatorName);
    io.text(g.comment);
}

template <class IO, class T> void visitSupParams(IO& io, T& s) {
    io.text(s.supplier);
    io.text(s.mainframeID);
    io.text(s.mainframeSN);
    io.text(s.moduleID);
    io.text(s.moduleSN);
    io.text(s.softwareRevision);
    io.text(s.other);
}

template <class IO, class T> void visitFxdParams(IO& io, T& f) {
    io.u32(f.dateTime);
    io.chars(f.distanceUnits, 2);
    io.u16(f.actualWavelength);
    io.i32(f.acquisitionOffset);
    if (io.issue2()) io.i32(f.acquisitionOffsetDistance);
    io.count16(f.pulseWidths, 10);
    for (auto& pw : f.pulseWidths)
        io.u16(pw.nanoSec);
    for (auto& pw : f.pulseWidths)
        io.i32(pw.dataSpacing);
    for (auto& pw : f.pulseWidths)
        io.i32(pw.pointCount);
    io.i32(f.groupIndex);
    io.u16(f.backscatter);
    io.i32(f.averages);
    if (io.issue2()) io.u16(f.averagingTimeSec);
    io.i32(f.acquisitionRange);
    if (io.issue2()) io.i32(f.acquisitionRangeDistance);
    io.i32(f.frontPanelOffset);
    io.u16(f.noiseFloorLevel);
    io.u16(f.noiseFloorScaleFactor);
    io.u16(f.powerOffsetFirstPoint);
    io.u16(f.lossThreshold);
    io.u16(f.reflThreshold);
    io.u16(f.endOfFiberThreshold);
    if (!io.issue2()) return;
    io.chars(f.traceType, 2);
    for (auto& w : f.window)
        io.i32(w);
}

template <class IO, class T> void visitKeyEvent(IO& io, T& e) {
    io.u16(e.number);
    io.i32(e.propagationTime);
    io.u16(e.attenuation);
    io.i16(e.loss);
    io.i32(e.reflectance);
    io.chars(e.code, 6);
    io.chars(e.technique, 2);
    if (io.issue2()) {
        for (auto& m : e.markers)
            io.i32(m);
    }
    io.text(e.comment);
}

// Bytes of the shortest event of issue 1: fixed fields and an empty comment.
inline constexpr size_t kMinKeyEventBytes = 23;

template <class IO, class T> void visitKeyEvents(IO& io, T& k) {
    io.count16(k.events, kMinKeyEventBytes);
    for (auto& e : k.events)
        visitKeyEvent(io, e);
    io.i32(k.endToEndLoss);
    for (auto& m : k.endToEndMarkers)
        io.i32(m);
    io.u16(k.orl);
    for (auto& m : k.orlMarkers)
        io.i32(m);
}

template <class IO, class T> void visitDataPts(IO& io, T& d) {
    io.i32(d.totalPoints);
    io.count16(d.blocks, 6);
    for (auto& b : d.blocks) {
        auto count = static_cast<int32_t>(b.points.size());
        io.i32(count);
        io.u16(b.scaleFactor);
        io.u16Array(b.points, count);
    }
}

} // namespace varnel::sor
