// Helpers for SR-4731 tests: a fully populated set of fields, block lookup in
// written bytes, and the shared real sample files.
#pragma once

#include "formats/sor_blocks.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::test {

// Every field set to a distinct value, three key events, two pulse widths and
// `points` data points in one scale-factor block.
sor::SorFile fullSorFile(int issue, int32_t points = 100);

// fullSorFile with the points of a simulated 5 km fibre at 0.4 m resolution,
// stored as losses below 32 dB.
sor::SorFile simulatedSorFile(int issue);

// Reading and writing through the record.
int32_t openSor(CT6& r, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> saveSor(CT6& r, int32_t version);

std::vector<uint8_t> writeSor(const sor::SorFile& file, std::vector<uint8_t> native = {});

// Offset and size of a block named in the map of a written file, read
// directly from the bytes (names present, as in files we write).
struct BlockSpan {
    size_t offset = 0;
    size_t size = 0;
    size_t sizeFieldAt = 0; // where the map holds the block's size
};
BlockSpan findBlock(const std::vector<uint8_t>& file, std::string_view name);
int32_t mapBlockCount(const std::vector<uint8_t>& file);

void putI32(std::vector<uint8_t>& bytes, size_t at, int32_t v);
void putU16(std::vector<uint8_t>& bytes, size_t at, uint16_t v);
int32_t getI32(const std::vector<uint8_t>& bytes, size_t at);
uint16_t getU16(const std::vector<uint8_t>& bytes, size_t at);

std::vector<uint8_t> readFileBytes(const std::filesystem::path& path);

// The folder of real SR-4731 files, or empty when it is not there.
std::filesystem::path sorSampleDir();

} // namespace varnel::test
