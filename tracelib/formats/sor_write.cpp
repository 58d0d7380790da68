#include "formats/sor_write.h"

#include "formats/sor_crc.h"
#include "formats/sor_cursor.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel::sor {
namespace {

// Strings end with a zero and are padded to an even length: an odd-length
// string gets just the zero, an even-length one a blank and the zero.
void writeText(ByteSink& s, std::string_view text) {
    s.bytes(text);
    if (text.size() % 2 == 0) s.bytes(std::string_view(" ", 1));
    s.bytes(std::string_view("\0", 1));
}

class FieldWriter {
public:
    FieldWriter(ByteSink& sink, bool issue2) : s_(sink), issue2_(issue2) {}

    bool issue2() const { return issue2_; }
    void u16(uint16_t v) { s_.u16(v); }
    void i16(int16_t v) { s_.i16(v); }
    void u32(uint32_t v) { s_.u32(v); }
    void i32(int32_t v) { s_.i32(v); }
    void text(const std::string& v) { writeText(s_, v); }

    // Exactly n bytes: cut, or padded with blanks.
    void chars(const std::string& v, size_t n) {
        std::string field = v.substr(0, n);
        field.resize(n, ' ');
        s_.bytes(field);
    }

    template <class V> void count16(const V& v, size_t) { s_.u16(static_cast<uint16_t>(v.size())); }

    void u16Array(const std::vector<uint16_t>& v, int32_t) {
        std::vector<uint8_t> bytes(v.size() * 2);
        for (size_t i = 0; i < v.size(); ++i) {
            bytes[2 * i] = static_cast<uint8_t>(v[i]);
            bytes[2 * i + 1] = static_cast<uint8_t>(v[i] >> 8);
        }
        s_.bytes(bytes);
    }

private:
    ByteSink& s_;
    bool issue2_;
};

enum class Block { GenParams, SupParams, FxdParams, KeyEvents, Vosseltrak, DataPts, Cksum };

struct BlockName {
    Block block;
    std::string_view name;
};

constexpr BlockName kBlockOrder[] = {
    {Block::GenParams, "GenParams"},   {Block::SupParams, "SupParams"},
    {Block::FxdParams, "FxdParams"},   {Block::KeyEvents, "KeyEvents"},
    {Block::Vosseltrak, "Vosseltrak"}, {Block::DataPts, "DataPts"},
    {Block::Cksum, "Cksum"},
};

// Name and checksum of the "Cksum" block.
constexpr int32_t kCksumBlockBytes = 8;

class FileWriter {
public:
    FileWriter(const SorFile& file, std::span<const uint8_t> native, uint8_t* out, size_t capacity)
        : file_(file), native_(native), sink_(out, capacity), io_(sink_, file.issue == 2),
          revision_(file.issue == 2 ? kIssue2Revision : kIssue1Revision) {
        for (const auto& b : kBlockOrder) {
            if (b.block != Block::KeyEvents || file.hasKeyEvents) blocks_.push_back(b);
        }
    }

    size_t write() {
        writeMap();
        for (size_t i = 0; i < blocks_.size(); ++i) {
            if (blocks_[i].block == Block::Cksum) {
                writeChecksum(i);
            } else {
                const size_t start = sink_.size();
                writeBlock(blocks_[i]);
                sink_.patchI32(sizeAt_[i], static_cast<int32_t>(sink_.size() - start));
            }
        }
        return sink_.size();
    }

private:
    // Sizes are not known yet; each is filled in once its block is written.
    void writeMap() {
        writeText(sink_, "Map");
        sink_.u16(revision_);
        const size_t mapSizeAt = sink_.size();
        sink_.i32(0);
        sink_.u16(static_cast<uint16_t>(blocks_.size() + 1));
        for (const auto& b : blocks_) {
            writeText(sink_, b.name);
            sink_.u16(revision_);
            sizeAt_.push_back(sink_.size());
            sink_.i32(0);
        }
        sink_.patchI32(mapSizeAt, static_cast<int32_t>(sink_.size()));
    }

    void writeBlock(const BlockName& b) {
        if (b.block == Block::Vosseltrak && native_.empty()) return;
        writeText(sink_, b.name);
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
            return sink_.bytes(native_);
        case Block::DataPts:
            return visitDataPts(io_, file_.dataPts);
        case Block::Cksum:
            return;
        }
    }

    // The checksum covers every byte before it, so the map must be complete
    // before it is computed.
    void writeChecksum(size_t index) {
        sink_.patchI32(sizeAt_[index], kCksumBlockBytes);
        writeText(sink_, "Cksum");
        sink_.u16(crc16(sink_.stored()));
    }

    const SorFile& file_;
    std::span<const uint8_t> native_;
    ByteSink sink_;
    FieldWriter io_;
    uint16_t revision_;
    std::vector<BlockName> blocks_;
    std::vector<size_t> sizeAt_;
};

} // namespace

size_t writeFile(const SorFile& file, std::span<const uint8_t> native, uint8_t* out,
                 size_t capacity) {
    return FileWriter(file, native, out, capacity).write();
}

} // namespace varnel::sor
