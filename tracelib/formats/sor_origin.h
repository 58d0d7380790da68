// What the record keeps of the SR-4731 file it was read from, so that writing
// it back loses nothing that was not edited: the blocks we do not interpret,
// the standard fields exactly as stored, and the offset of the levels.
//
// A field is taken as unedited when the record still gives the value it gave
// right after reading (the baseline); then the stored value is written, not
// the record's rendering of it. A standard block whose every field is
// unedited is written as its original bytes.
#pragma once

#include "formats/sor_record.h"
#include "formats/sor_write.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct CT6::SR4731Origin {
    struct Block {
        std::string name; // as the map spells it
        uint16_t revision = 0;
        std::vector<uint8_t> bytes;
    };

    varnel::sor::SorFile stored;   // as read, without points or block views
    varnel::sor::SorFile baseline; // as gathered from the record just after reading
    // For each event of the baseline, the stored key event it came from, or
    // SR4731::kNoKeyEvent.
    std::vector<int32_t> eventSources;
    std::vector<Block> blocks; // every block but the regenerated ones, in file order
    // The points as stored, and the scale they were read on: a point whose
    // level the record kept is written back as it was.
    varnel::sor::DataPts points;
    CT6::SR4731::Levels levels;

    // Stored values for the fields of `gathered` that the record did not
    // change since reading; only for a file of the issue that was read.
    void keepUnedited(varnel::sor::SorFile& gathered) const;
    // The original bytes of the standard blocks that `fields` leaves as
    // stored, and every block we do not interpret.
    varnel::sor::WriteExtras extras(const varnel::sor::SorFile& fields) const;
};

namespace varnel::sor {

// Blocks the writer always writes afresh: the map's own, the data points,
// the embedded record and the checksum.
bool isRegeneratedBlock(std::string_view name);
// The standard blocks whose fields the record holds.
bool isFieldBlock(std::string_view name);
// A block's name without the trailing blanks some maps give it.
std::string_view trimmedBlockName(std::string_view name);

} // namespace varnel::sor
