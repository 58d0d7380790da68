// The instrument's 8-bit character set. Templates (and power-meter files)
// written on the instrument hold these bytes; on this side they are
// Windows-1252 text. Characters the other side lacks become '?'.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace orvane {

using CharsetTable = std::array<uint8_t, 256>;

const CharsetTable& instrumentToWindowsTable();
const CharsetTable& windowsToInstrumentTable();

// Converts in place up to the first 0 byte; the bytes after it stay as
// they are.
void instrumentToWindows(std::span<uint8_t> bytes);
void windowsToInstrument(std::span<uint8_t> bytes);

} // namespace orvane
