// Turning a record into the bytes of a trace file in one of the writable
// formats of the trace format table.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace orvane {

// An encoder writes into out (capacity bytes) and returns the size the whole
// file needs, also when it does not fit; 0 when it failed.
using TraceEncoder = std::function<int32_t(uint8_t* out, int32_t capacity)>;

// Runs the encoder into a buffer of firstCapacity bytes. A result larger than
// the buffer is retried once with that size + 1000 bytes; a second overflow
// is a memory failure. Returns a file status; size is the bytes to write.
int32_t encodeWithRetry(const TraceEncoder& encode, size_t firstCapacity,
                        std::vector<uint8_t>& buffer, size_t& size);

// Room of the first try: two bytes per data point and 100000 more.
size_t firstEncodingCapacity(const CT6& record);

// Encodes the record in the format of the trace format table. The native
// encoding writes the type "T6" and puts the record's own type back.
int32_t encodeTrace(CT6& record, int32_t format, std::vector<uint8_t>& buffer, size_t& size);

// What the last encodeTrace of the record in format could not hold as the
// record has it (T6_WRITE_... bits); 0 for formats not written as SR-4731.
int32_t encodingRepairs(const CT6& record, int32_t format);

} // namespace orvane
