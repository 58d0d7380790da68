// The shared behaviour of the pulse-width, scale-factor and span arrays: each
// holds its capacity of entries, of which `count` are in use. Only the file
// readers fill more than one entry (by setting the count themselves).
#pragma once

#include "record/record_text.h"

#include <cstdint>
#include <new>
#include <vector>

namespace varnel::segments {

// Releases the array and makes room for n zeroed entries (at least one).
// Returns the capacity; 0 when the memory could not be had.
template <class Entry> int32_t initArray(std::vector<Entry>& array, int32_t& count, int32_t n) {
    releaseArray(array);
    count = 0;
    if (n <= 0) n = 1;
    try {
        array.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        releaseArray(array);
    }
    return static_cast<int32_t>(array.size());
}

// Only the first entry can be inserted; any other index leaves things as they are.
template <class Entry> int32_t insert(std::vector<Entry>& array, int32_t& count, int32_t index) {
    if (index != 0 || array.empty()) return count;
    count = 1;
    array[0] = Entry{};
    return count;
}

template <class Entry> int32_t insertDP(std::vector<Entry>& array, int32_t& count, int32_t dp) {
    if (array.empty()) return 0;
    count = 1;
    array[0] = Entry{};
    array[0].startDP = dp;
    return 0;
}

template <class Entry> void init(std::vector<Entry>& array, int32_t index) {
    if (index == 0 && !array.empty()) array[0] = Entry{};
}

// The last entry in use whose start is at or before dp (0 when none is).
template <class Entry>
int32_t indexAtDP(const std::vector<Entry>& array, int32_t count, int32_t dp) {
    int32_t last =
        count < static_cast<int32_t>(array.size()) ? count : static_cast<int32_t>(array.size());
    int32_t i = 0;
    while (i <= last - 2 && dp >= array[static_cast<size_t>(i) + 1].startDP)
        ++i;
    return i;
}

} // namespace varnel::segments
