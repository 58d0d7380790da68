#include "support/native_sample.h"

#include "formats/byte_reader.h"
#include "formats/native_blocks.h"
#include "formats/native_values.h"
#include "support/implode_encoder.h"

#include <gtest/gtest.h>

#include <random>

namespace varnel::test {

Bytes Str(const std::u16string& text) {
    native::ValueWriter w;
    w.str(text);
    return Bytes(w.bytes().begin(), w.bytes().end());
}

Bytes Ints(std::initializer_list<int32_t> values) {
    Bytes b;
    ByteWriter w(b);
    for (int32_t v : values)
        w.putI32(v);
    return b;
}

Bytes DPFRBytes(int32_t dp, uint16_t fr) {
    Bytes b;
    ByteWriter w(b);
    w.putI32(dp);
    w.putU16(fr);
    return b;
}

namespace {

Bytes U16(uint16_t v) {
    Bytes b;
    ByteWriter(b).putU16(v);
    return b;
}

Bytes Real(double v) {
    native::ValueWriter w;
    w.real(v);
    return Bytes(w.bytes().begin(), w.bytes().end());
}

class SampleBuilder {
public:
    std::vector<SampleItem> items;

    void add(uint8_t tag, Bytes value) { items.push_back({tag, std::move(value)}); }
    void add(uint8_t tag, std::initializer_list<Bytes> parts) { add(tag, Concat(parts)); }
};

void addSpansAndTexts(SampleBuilder& s) {
    s.add(38, Ints({0, 1468000, -79000000}));
    s.add(39, Str(u"G.652.D"));
    s.add(40, Ints({1, 2, 3, 4, 5}));
    s.add(38, Ints({12000, 1467500, -81500000}));
    s.add(39, Str(u"G.655"));
    s.add(40, Ints({0, 0, 7})); // trailing zeros are not stored
    s.add(38, Ints({30000, 1470000, -80000000}));

    s.add(74, Str(u"/data/traces/cable 7/"));
    s.add(75, Str(u"F0001.t6"));
    const std::pair<uint8_t, std::u16string> texts[] = {
        {0, u"Brannic"},     {1, u"OTX-9"},          {2, u"OTX"},         {3, u"SM-1310/1550"},
        {4, u"SN-4471"},     {85, u"PN-100-7"},      {86, u"2023-11-02"}, {5, u"4.2.1"},
        {6, u"rev C"},       {7, u"Bellcore"},       {78, u"SR4731"},     {60, u"0042"},
        {61, u"North Hub"},  {62, u"South \u00c5s"}, {63, u"NH"}, // 64 left empty
        {65, u"Metro ring"}, {66, u"Seg 12"},        {67, u"CBL-7"},      {68, u"Fibre 2024"},
        {69, u"Acceptance"}};
    for (const auto& [tag, text] : texts)
        s.add(tag, Str(text));
}

void addAcquisition(SampleBuilder& s) {
    s.add(70, Ints({1}));
    s.add(8, Ints({131000000, 131012345}));
    s.add(73, Ints({3}));
    s.add(9, Ints({20000000}));
    s.add(11, Ints({1}));
    s.add(12, Ints({2, 1024, 30}));
    s.add(13, Ints({32500000}));
    s.add(14, Ints({2024, 3, 15, 13, 45, 30}));
    s.add(15, Ints({1710510330, -480, 1}));
    s.add(16, Ints({50000, -65000000, 3000000}));
    s.add(72, Ints({1, 2, -40000000}));
    s.add(79, Ints({10, 20, 30}));
    s.add(80, Ints({1, 1000000, 350000, 1468000, -79000000, -50000000}));
    s.add(81, Concat({Str(u"SMF"), Str(u"SC/APC"), Str(u"SN-77"), Str(u"L-1000"), Str(u""),
                      Str(u"2022-01-01"), Str(u"Launch reel 1")}));
}

void addORLAndView(SampleBuilder& s) {
    s.add(17, {Ints({-32750000}), DPFRBytes(45, 100), DPFRBytes(39000, 65535)});
    s.add(82, Ints({-7, 12, 5, 330000, 44, 38000}));
    s.add(83, Real(1.25e-3));
    s.add(84, Real(-6.5));
    s.add(18, {DPFRBytes(-100, 32768), Ints({-1500000})});
    s.add(20, Ints({T6_TRACE_ORL_AVAILABLE | T6_TRACE_ORL_REL_TO_A | T6_TRACE_TEMPLATE |
                        T6_TRACE_AB_LOCKED,
                    static_cast<int32_t>(0xDEADBEEF)}));
    s.add(71, Ints({4}));
    s.add(21, {Ints({2}), DPFRBytes(1000, 0), DPFRBytes(2500, 16384)});
    for (int i = 0; i < 4; ++i)
        s.add(22, {DPFRBytes(i * 100, 0), DPFRBytes(30000 + i, 7), Ints({-1000000 * i, 40000000})});
    s.add(23, Ints({7, 3}));
    for (int i = 0; i < 7; ++i)
        s.add(24, Ints({-i * 10, -i, i, i * 10 + 1}));
}

void addSegmentsAndEvents(SampleBuilder& s) {
    s.add(28, Ints({2}));
    s.add(29, Ints({0, 100, 1}));
    s.add(30, Ints({9}));
    s.add(29, Ints({20000, 1000, 2}));
    s.add(36, Ints({345678}));

    s.add(41, Ints({3}));
    const int32_t types[] = {0, 1, 4};
    for (int i = 0; i < 3; ++i) {
        int32_t at = 40 + i * 15000;
        s.add(42, {Ints({types[i]}), DPFRBytes(at, 1000), DPFRBytes(at + 20, 2000)});
        s.add(43,
              Ints({250000 * i, i == 1 ? -45000000 : 0,
                    static_cast<int32_t>(i == 2 ? T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_CLOSING
                                                : T6_EVFLAG_LOSS_OVER_THRESHOLD),
                    77 + i, i}));
        s.add(44, {DPFRBytes(at + 5, 3), DPFRBytes(at + 6, 4)});
        s.add(45, {DPFRBytes(-300, 10), DPFRBytes(-10, 20)});
        s.add(46, {DPFRBytes(25, 30), DPFRBytes(400, 40)});
        if (i != 0) s.add(47, Str(i == 1 ? u"connector, panel 3" : u"far end"));
        if (i == 1) s.add(48, Ints({5, 0, 0, 0, -5}));
    }
    s.add(49, U16(23456));

    s.add(50, Ints({3}));
    s.add(51, Concat({{0, 0, 0, 10, 0}, Str(u"Filename :")}));
    s.add(51, Concat({{0, 0, 11, 20, 13}, Str(u"F0001.t6")}));
    s.add(51, Concat({{0, 4, 6, 5, 2}, Str(u"AB")}));

    s.add(52, Ints({2}));
    s.add(53, Concat({Ints({0, 1000}), U16(0)}));
    s.add(54, Ints({1, 1, 1, 1, 1}));
    s.add(53, Concat({Ints({20000, 2000}), U16(45000)}));
}

void addDataPoints(SampleBuilder& s, NativeSample& sample, uint16_t zeroKMLevel) {
    s.add(56, Ints({1000}));
    s.add(57, Concat({DPFRBytes(NativeSample::kZeroKMDP, 0), U16(zeroKMLevel)}));
    s.add(76, Real(0.015625));
    s.add(77, Real(-3.0));
    for (int32_t first = 0; first < NativeSample::kPoints; first += 32) {
        Bytes value;
        ByteWriter w(value);
        w.putU32(sample.flagWords[static_cast<size_t>(first / 32)]);
        for (int32_t p = first; p < std::min(first + 32, NativeSample::kPoints); ++p)
            w.putU16(sample.points[static_cast<size_t>(p)]);
        s.add(58, value);
    }
    s.add(59, Ints({38500}));
}

} // namespace

NativeSample MakeNativeSample() {
    NativeSample sample;
    std::mt19937 random(20240315);
    for (int32_t p = 0; p < NativeSample::kPoints; ++p)
        sample.points.push_back(static_cast<uint16_t>(30000 - p / 2 + random() % 200));
    for (int32_t w = 0; w < NativeSample::kPoints / 32; ++w)
        sample.flagWords.push_back(w < 1000 ? 0 : static_cast<uint32_t>(random()));

    SampleBuilder s;
    s.add(19, Ints({1, 0, 101, 1217}));
    s.add(10, Ints({NativeSample::kResoMicroM}));
    s.add(55, Ints({NativeSample::kPoints}));
    s.add(37, Ints({3}));
    addSpansAndTexts(s);
    addAcquisition(s);
    addORLAndView(s);
    addSegmentsAndEvents(s);
    // The reader recomputes the zero-km level from the points: the working
    // value at point 40 plus the vertical shift of -1.5 dB at 1000 per dB.
    addDataPoints(s, sample, static_cast<uint16_t>(sample.points[NativeSample::kZeroKMDP] - 1500));
    sample.items = std::move(s.items);
    return sample;
}

Bytes EncodeItems(const std::vector<SampleItem>& items, const BlockOptions& options) {
    std::vector<Bytes> blocks;
    Bytes payload;
    auto flush = [&] {
        if (payload.empty()) return;
        blocks.push_back(Block(payload, options));
        payload.clear();
    };
    for (const SampleItem& item : items) {
        if (payload.size() + item.value.size() + 2 > native::kMaxStoredPayload) flush();
        Bytes framed = TaggedItem(item.tag, item.value);
        payload.insert(payload.end(), framed.begin(), framed.end());
    }
    flush();
    Bytes file(native::kMagic.begin(), native::kMagic.end());
    for (const Bytes& b : blocks)
        file.insert(file.end(), b.begin(), b.end());
    file.insert(file.end(), {0xFF, 0xFF});
    return file;
}

CT6 DecodedNativeSample() {
    CT6 r;
    Bytes file = EncodeItems(MakeNativeSample().items);
    EXPECT_EQ(r.DecompT6(file.data(), static_cast<int32_t>(file.size()), 0), 0);
    return r;
}

std::vector<SampleItem> ItemsOf(const Bytes& file) {
    std::vector<SampleItem> items;
    native::BlockReader blocks(file, true);
    while (true) {
        std::span<const uint8_t> payload;
        bool atEnd = false;
        int32_t status = blocks.next(payload, atEnd);
        EXPECT_EQ(status, 0) << "damaged native file";
        if (status != 0 || atEnd) return items;
        native::ItemReader reader(payload);
        while (!reader.done()) {
            native::Item item;
            if (reader.next(item) != 0) {
                ADD_FAILURE() << "damaged item";
                return items;
            }
            items.push_back({item.tag, Bytes(item.value.begin(), item.value.end())});
        }
    }
}

} // namespace varnel::test
