#include "formats/sor_parse.h"

#include "formats/sor_cursor.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace varnel::sor {
namespace {

constexpr size_t kMinProbeBytes = 300;
constexpr size_t kProbeWindow = 250;
constexpr uint16_t kMaxRevision = 300;
constexpr std::string_view kMapName{"Map\0", 4};
constexpr size_t kVosseltrakNameBytes = 12; // "Vosseltrak", a blank and a zero

bool contains(std::span<const uint8_t> bytes, std::string_view text) {
    const auto* begin = reinterpret_cast<const char*>(bytes.data());
    return std::string_view(begin, bytes.size()).find(text) != std::string_view::npos;
}

bool startsWithMapName(std::span<const uint8_t> file) {
    return file.size() >= kMapName.size() &&
           std::equal(kMapName.begin(), kMapName.end(), file.begin());
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

struct BlockEntry {
    std::string name;    // without trailing blanks
    std::string mapName; // as the map spells it
    uint16_t revision = 0;
    size_t offset = 0;
    size_t size = 0;
};

class FieldReader {
public:
    FieldReader(BlockCursor& cursor, bool issue2) : c_(cursor), issue2_(issue2) {}

    bool issue2() const { return issue2_; }
    void u16(uint16_t& v) { v = c_.u16(); }
    void i16(int16_t& v) { v = c_.i16(); }
    void u32(uint32_t& v) { v = c_.u32(); }
    void i32(int32_t& v) { v = c_.i32(); }
    void chars(std::string& v, size_t n) { v = trimmed(c_.chars(n)); }
    void text(std::string& v) { v = trimmed(c_.text()); }

    // Refuses counts whose entries cannot fit in what is left of the block,
    // so a damaged count never allocates more than the file could describe.
    template <class V> void count16(V& v, size_t minEntryBytes) {
        size_t n = c_.u16();
        if (n * minEntryBytes > c_.remaining()) {
            c_.markOverrun();
            n = 0;
        }
        v.resize(n);
    }

    void u16Array(std::vector<uint16_t>& v, int32_t count) {
        if (count < 0) {
            c_.markOverrun();
            return;
        }
        const auto bytes = c_.take(static_cast<size_t>(count) * 2);
        v.resize(bytes.size() / 2);
        for (size_t i = 0; i < v.size(); ++i) {
            v[i] = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
    }

private:
    BlockCursor& c_;
    bool issue2_;
};

constexpr std::string_view kMapBlock{"Map"};

ParseError stopAt(ParseStop& stop, std::string_view block, size_t offset, ParseError error) {
    stop.block = block;
    stop.offset = offset;
    return error;
}

ParseError readMap(std::span<const uint8_t> file, uint16_t& revision,
                   std::vector<BlockEntry>& blocks, ParseStop& stop) {
    BlockCursor c(file);
    if (startsWithMapName(file)) c.take(kMapName.size());
    revision = c.u16();
    const int32_t mapSize = c.i32();
    const uint16_t count = c.u16();
    for (int i = 1; i < count && !c.overrun(); ++i) {
        BlockEntry entry;
        entry.mapName = c.text();
        entry.name = trimmed(entry.mapName);
        entry.revision = c.u16();
        const int32_t size = c.i32();
        if (size < 0) {
            return stopAt(stop, kMapBlock, file.size() - c.remaining(),
                          ParseError::BlockOutsideFile);
        }
        entry.size = static_cast<size_t>(size);
        blocks.push_back(std::move(entry));
    }
    const size_t mapEnd = file.size() - c.remaining();
    if (c.overrun() || mapSize < 0 || static_cast<size_t>(mapSize) < mapEnd ||
        static_cast<size_t>(mapSize) > file.size()) {
        return stopAt(stop, kMapBlock, mapEnd, ParseError::MapOverrun);
    }
    size_t offset = static_cast<size_t>(mapSize);
    for (auto& b : blocks) {
        if (b.size > file.size() - offset) {
            return stopAt(stop, b.name, offset, ParseError::BlockOutsideFile);
        }
        b.offset = offset;
        offset += b.size;
    }
    stop.offset = offset;
    return ParseError::None;
}

const BlockEntry* findBlock(const std::vector<BlockEntry>& blocks, std::string_view name) {
    const auto it = std::find_if(blocks.begin(), blocks.end(),
                                 [&](const BlockEntry& b) { return b.name == name; });
    return it == blocks.end() ? nullptr : &*it;
}

// Issue 2 puts the block's name first; issue 1 does not, except in files we
// wrote ourselves, so there the name is skipped only when it is present.
template <class Visit, class Fields>
bool readBlock(std::span<const uint8_t> file, const BlockEntry& block, bool issue2, Visit visit,
               Fields& fields, ParseStop& stop) {
    BlockCursor c(file.subspan(block.offset, block.size));
    if (issue2 || c.startsWithText(block.name)) c.text();
    FieldReader io(c, issue2);
    visit(io, fields);
    if (!c.overrun()) return true;
    stopAt(stop, block.name, block.offset + block.size - c.remaining(), ParseError::BlockOverrun);
    return false;
}

struct Checksum {
    uint16_t value = 0;
};

// The first of the blocks every file needs that is not in the map.
std::string_view missingBlock(const std::vector<BlockEntry>& blocks) {
    for (const std::string_view name : {"GenParams", "SupParams", "FxdParams", "DataPts"})
        if (!findBlock(blocks, name)) return name;
    return {};
}

ParseError readBlocks(std::span<const uint8_t> file, const std::vector<BlockEntry>& blocks,
                      SorFile& out, ParseStop& stop) {
    if (const auto missing = missingBlock(blocks); !missing.empty()) {
        return stopAt(stop, missing, stop.offset, ParseError::MissingBlock);
    }
    const auto* gen = findBlock(blocks, "GenParams");
    const auto* sup = findBlock(blocks, "SupParams");
    const auto* fxd = findBlock(blocks, "FxdParams");
    const auto* data = findBlock(blocks, "DataPts");

    const bool issue2 = out.issue == 2;
    const auto visitKeys = [](FieldReader& io, KeyEvents& k) { visitKeyEvents(io, k); };
    const auto visitSum = [](FieldReader& io, Checksum& s) { io.u16(s.value); };
    bool ok =
        readBlock(file, *gen, issue2, visitGenParams<FieldReader, GenParams>, out.gen, stop) &&
        readBlock(file, *sup, issue2, visitSupParams<FieldReader, SupParams>, out.sup, stop) &&
        readBlock(file, *fxd, issue2, visitFxdParams<FieldReader, FxdParams>, out.fxd, stop) &&
        readBlock(file, *data, issue2, visitDataPts<FieldReader, DataPts>, out.dataPts, stop);
    if (const auto* keys = findBlock(blocks, "KeyEvents"); ok && keys) {
        out.hasKeyEvents = true;
        ok = readBlock(file, *keys, issue2, visitKeys, out.keyEvents, stop);
    }
    if (const auto* sum = findBlock(blocks, "Cksum"); ok && sum) {
        Checksum checksum;
        ok = readBlock(file, *sum, issue2, visitSum, checksum, stop);
        out.hasChecksum = ok;
        out.checksum = checksum.value;
    }
    if (!ok) return ParseError::BlockOverrun;

    for (const auto& b : blocks)
        out.blocks.push_back({b.mapName, b.revision, file.subspan(b.offset, b.size)});

    const auto* native = findBlock(blocks, "Vosseltrak");
    if (native && native->size > kVosseltrakNameBytes) {
        out.vosseltrak = file.subspan(native->offset + kVosseltrakNameBytes,
                                      native->size - kVosseltrakNameBytes);
    }
    return ParseError::None;
}

ParseError checkPointCounts(const SorFile& f) {
    int64_t sum = 0;
    for (const auto& b : f.dataPts.blocks)
        sum += static_cast<int64_t>(b.points.size());
    if (f.dataPts.totalPoints < 1 || sum != f.dataPts.totalPoints) {
        return ParseError::BadPointCount;
    }
    for (const auto& pw : f.fxd.pulseWidths) {
        if (pw.pointCount < 0) return ParseError::BadPulseWidthPoints;
    }
    return ParseError::None;
}

// Everything later steps divide by, or count with, must be sound.
ParseError checkFields(SorFile& f) {
    if (f.fxd.pulseWidths.empty()) return ParseError::NoPulseWidth;
    if (f.fxd.pulseWidths.size() > kMaxPulseWidths) f.fxd.pulseWidths.resize(kMaxPulseWidths);
    if (f.fxd.pulseWidths[0].dataSpacing <= 0) return ParseError::BadDataSpacing;
    if (f.fxd.groupIndex <= 0) return ParseError::BadGroupIndex;
    // Some instruments store the offset negative; its size is what counts.
    f.fxd.frontPanelOffset =
        f.fxd.frontPanelOffset == INT32_MIN ? INT32_MAX : std::abs(f.fxd.frontPanelOffset);
    return checkPointCounts(f);
}

} // namespace

Probe probe(std::span<const uint8_t> file) {
    if (file.size() < kMinProbeBytes) return {};
    const size_t start = startsWithMapName(file) ? kMapName.size() : 0;
    const auto revision = static_cast<uint16_t>(file[start] | (file[start + 1] << 8));
    if (revision >= kMaxRevision) return {};
    const auto window = file.subspan(start + 2, std::min(kProbeWindow, file.size() - start - 2));
    if (!contains(window, "GenParams") || !contains(window, "SupParams") ||
        !contains(window, "FxdParams")) {
        return {};
    }
    Probe result;
    result.version = revision >= kIssue2Revision ? 2 : 1;
    if (contains(window, "KVRParams")) result.blockMark = 1;
    if (contains(window, "Vosseltrak")) result.blockMark = 2;
    return result;
}

namespace {

// The block whose values a failed check found unsound.
std::string_view checkedBlock(ParseError error) {
    return error == ParseError::BadPointCount ? "DataPts" : "FxdParams";
}

} // namespace

ParseError parse(std::span<const uint8_t> file, SorFile& out, ParseStop& stop) {
    std::vector<BlockEntry> blocks;
    out = SorFile{};
    stop = ParseStop{};
    if (const auto error = readMap(file, out.mapRevision, blocks, stop);
        error != ParseError::None) {
        return error;
    }
    out.issue = out.mapRevision >= kIssue2Revision ? 2 : 1;
    if (const auto error = readBlocks(file, blocks, out, stop); error != ParseError::None) {
        return error;
    }
    const auto error = checkFields(out);
    if (error == ParseError::None) return error;
    const auto block = checkedBlock(error);
    return stopAt(stop, block, findBlock(blocks, block)->offset, error);
}

ParseError parse(std::span<const uint8_t> file, SorFile& out) {
    ParseStop stop;
    return parse(file, out, stop);
}

} // namespace varnel::sor
