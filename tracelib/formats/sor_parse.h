// Recognising an SR-4731 file and parsing its block map and standard blocks.
#pragma once

#include "formats/sor_blocks.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace varnel::sor {

struct Probe {
    int version = 0;   // 0 not SR-4731, else the issue, 1 or 2
    int blockMark = 0; // 0, 1 a "KVRParams" block, 2 a "Vosseltrak" block
};

// Decides from the first bytes whether a file is SR-4731; never fails.
Probe probe(std::span<const uint8_t> file);

// Each way a file can fail to parse; all of them are status 8 to callers.
enum class ParseError {
    None,
    MapOverrun,         // the map is cut short or claims more bytes than the file has
    BlockOutsideFile,   // a block size is negative or reaches past the file's end
    MissingBlock,       // no GenParams, SupParams, FxdParams or DataPts block
    BlockOverrun,       // a field of a block reads past the block's end
    NoPulseWidth,       // FxdParams lists no pulse width
    BadDataSpacing,     // data spacing of the first pulse width is not positive
    BadGroupIndex,      // group index not positive
    BadPointCount,      // no points, or the total disagrees with the scale-factor blocks
    BadPulseWidthPoints // a pulse width claims a negative number of points
};

// Parses the map and every block the reader uses. On success `out` holds the
// fields, cut to what the record can take (at most 10 pulse widths), with
// every divisor of the later conversions checked to be positive; its
// `vosseltrak` span points into `file`.
ParseError parse(std::span<const uint8_t> file, SorFile& out);

// Where a failed parse stopped: the block ("Map" for the block map) and the
// file offset of the field it could not read, or of the block whose check
// failed.
struct ParseStop {
    std::string block;
    size_t offset = 0;
};
ParseError parse(std::span<const uint8_t> file, SorFile& out, ParseStop& stop);

} // namespace varnel::sor
