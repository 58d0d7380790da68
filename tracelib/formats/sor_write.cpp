#include "formats/sor_write.h"

#include "formats/byte_reader.h"
#include "formats/sor_crc.h"

#include <string>
#include <string_view>

namespace varnel::sor {
namespace {

std::span<const uint8_t> asBytes(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Strings end with a zero and are padded to an even length: an odd-length
// string gets just the zero, an even-length one a blank and the zero.
void writeText(ByteWriter& w, std::string_view text) {
    w.putBytes(asBytes(text));
    if (text.size() % 2 == 0) w.putU8(' ');
    w.putU8(0);
}

void patchI32(std::vector<uint8_t>& out, size_t at, int32_t v) {
    for (size_t k = 0; k < 4; ++k)
        out[at + k] = static_cast<uint8_t>(uint32_t(v) >> (8 * k));
}

class FieldWriter {
public:
    FieldWriter(ByteWriter& writer, bool issue2) : w_(writer), issue2_(issue2) {}

    bool issue2() const { return issue2_; }
    void u16(uint16_t v) { w_.putU16(v); }
    void i16(int16_t v) { w_.putU16(static_cast<uint16_t>(v)); }
    void u32(uint32_t v) { w_.putU32(v); }
    void i32(int32_t v) { w_.putI32(v); }
    void text(const std::string& v) { writeText(w_, v); }

    // Exactly n bytes: cut, or padded with blanks.
    void chars(const std::string& v, size_t n) {
        std::string field = v.substr(0, n);
        field.resize(n, ' ');
        w_.putBytes(asBytes(field));
    }

    template <class V> void count16(const V& v, size_t) {
        w_.putU16(static_cast<uint16_t>(v.size()));
    }

    void u16Array(const std::vector<uint16_t>& v, int32_t) {
        for (uint16_t point : v)
            w_.putU16(point);
    }

private:
    ByteWriter& w_;
    bool issue2_;
};

enum class Block { GenParams, SupParams, FxdParams, KeyEvents, Vosseltrak, DataPts, Kept, Cksum };

struct BlockName {
    Block block;
    std::string_view name;
};

// One block as the map lists it; verbatim bytes, when there are any, stand
// for the whole block, name included.
struct PlannedBlock {
    Block block;
    std::string_view name;
    uint16_t revision;
    const RawBlock* verbatim = nullptr;
};

const RawBlock* findByName(const std::vector<RawBlock>& blocks, std::string_view name) {
    for (const auto& b : blocks) {
        if (b.name == name) return &b;
    }
    return nullptr;
}

constexpr BlockName kBlockOrder[] = {
    {Block::GenParams, "GenParams"},
    {Block::SupParams, "SupParams"},
    {Block::FxdParams, "FxdParams"},
    {Block::KeyEvents, "KeyEvents"},
    {Block::Vosseltrak, "Vosseltrak"},
    {Block::DataPts, "DataPts"},
    {Block::Kept, ""},
    {Block::Cksum, "Cksum"},
};

// Name and checksum of the "Cksum" block.
constexpr int32_t kCksumBlockBytes = 8;

class FileWriter {
public:
    FileWriter(const SorFile& file, const WriteExtras& extras)
        : file_(file), native_(extras.native), writer_(out_), io_(writer_, file.issue == 2),
          revision_(file.issue == 2 ? kIssue2Revision : kIssue1Revision) {
        for (const auto& b : kBlockOrder) {
            if (b.block == Block::KeyEvents && !file.hasKeyEvents) continue;
            if (b.block == Block::Kept) {
                for (const auto& kept : extras.kept)
                    blocks_.push_back({Block::Kept, kept.name, kept.revision, &kept});
                continue;
            }
            const RawBlock* verbatim = findByName(extras.verbatim, b.name);
            blocks_.push_back(
                {b.block, b.name, verbatim ? verbatim->revision : revision_, verbatim});
        }
    }

    std::vector<uint8_t> write() {
        out_.reserve(expectedSize());
        writeMap();
        for (size_t i = 0; i < blocks_.size(); ++i) {
            if (blocks_[i].block == Block::Cksum) {
                writeChecksum(i);
            } else {
                const size_t start = out_.size();
                writeBlock(blocks_[i]);
                patchI32(out_, sizeAt_[i], static_cast<int32_t>(out_.size() - start));
            }
        }
        return std::move(out_);
    }

private:
    size_t expectedSize() const {
        size_t bytes = 4096 + native_.size() + 128 * file_.keyEvents.events.size();
        for (const auto& b : file_.dataPts.blocks)
            bytes += 2 * b.points.size();
        for (const auto& b : blocks_)
            bytes += b.verbatim ? b.verbatim->bytes.size() : 0;
        return bytes;
    }

    // Sizes are not known yet; each is filled in once its block is written.
    void writeMap() {
        writeText(writer_, "Map");
        writer_.putU16(revision_);
        const size_t mapSizeAt = out_.size();
        writer_.putI32(0);
        writer_.putU16(static_cast<uint16_t>(blocks_.size() + 1));
        for (const auto& b : blocks_) {
            // Names of blocks kept from a file stay as that file spelled them.
            if (b.verbatim) {
                writer_.putBytes(asBytes(b.name));
                writer_.putU8(0);
            } else {
                writeText(writer_, b.name);
            }
            writer_.putU16(b.revision);
            sizeAt_.push_back(out_.size());
            writer_.putI32(0);
        }
        patchI32(out_, mapSizeAt, static_cast<int32_t>(out_.size()));
    }

    void writeBlock(const PlannedBlock& b) {
        if (b.verbatim) return writer_.putBytes(b.verbatim->bytes);
        if (b.block == Block::Vosseltrak && native_.empty()) return;
        writeText(writer_, b.name);
        switch (b.block) {
        case Block::GenParams:
            return visitGenParams(io_, file_.gen);
        case Block::SupParams:
            return visitSupParams(io_, file_.sup);
        case Block::FxdParams:
            return visitFxdParams(io_, file_.fxd);
        case Block::KeyEvents:
            return visitKeyEvents(io_, file_.keyEvents);
        case Block::Vosseltrak:
            return writer_.putBytes(native_);
        case Block::DataPts:
            return visitDataPts(io_, file_.dataPts);
        case Block::Kept:
        case Block::Cksum:
            return;
        }
    }

    // The checksum covers every byte before it, so the map must be complete
    // before it is computed.
    void writeChecksum(size_t index) {
        patchI32(out_, sizeAt_[index], kCksumBlockBytes);
        writeText(writer_, "Cksum");
        writer_.putU16(crc16(out_));
    }

    const SorFile& file_;
    std::span<const uint8_t> native_;
    std::vector<uint8_t> out_;
    ByteWriter writer_;
    FieldWriter io_;
    uint16_t revision_;
    std::vector<PlannedBlock> blocks_;
    std::vector<size_t> sizeAt_;
};

} // namespace

std::vector<uint8_t> writeFile(const SorFile& file, const WriteExtras& extras) {
    return FileWriter(file, extras).write();
}

} // namespace varnel::sor
