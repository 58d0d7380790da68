// A native file that fills every part of the record, written item by item in
// the writer's order so that decoding and re-encoding it must give the same
// items back; and helpers to take native files apart into their items.
#pragma once

#include "support/native_file_builder.h"

#include <varnel/varnel.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::test {

struct SampleItem {
    uint8_t tag;
    Bytes value;
    bool operator==(const SampleItem&) const = default;
};

// The sample's values, for checks through the record's accessors.
struct NativeSample {
    static constexpr int32_t kPoints = 40000;
    static constexpr int32_t kZeroKMDP = 40;
    static constexpr int32_t kResoMicroM = 2500000; // 2.5 m
    std::vector<uint16_t> points;
    std::vector<uint32_t> flagWords;
    std::vector<SampleItem> items;
};

NativeSample MakeNativeSample();

// The sample decoded into a record; fails the current test when it does not decode.
CT6 DecodedNativeSample();

// Frames items into blocks, split before 9994 payload bytes: stored, or
// imploded with the given options.
Bytes EncodeItems(const std::vector<SampleItem>& items, const BlockOptions& options = {});

// Every item of a native file in order; fails the current test on damage.
std::vector<SampleItem> ItemsOf(const Bytes& file);

// Value builders for items.
Bytes Str(const std::u16string& text);
Bytes Ints(std::initializer_list<int32_t> values);
Bytes DPFRBytes(int32_t dp, uint16_t fr);

} // namespace varnel::test
