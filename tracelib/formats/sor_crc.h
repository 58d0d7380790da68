// Checksum of the SR-4731 "Cksum" block.
#pragma once

#include <cstdint>
#include <span>

namespace varnel::sor {

// CRC-16/XMODEM: polynomial 0x1021, most significant bit first, initial value
// 0, no final XOR. Over "abc" it is 0x9DD6.
uint16_t crc16(std::span<const uint8_t> bytes);

} // namespace varnel::sor
