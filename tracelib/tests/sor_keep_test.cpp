// An SR-4731 file read and written back keeps what the record did not change:
// blocks we do not interpret, and every stored field left unedited.
#include "formats/sor_parse.h"
#include "formats/sor_write.h"
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

using namespace varnel;
using namespace varnel::test;

namespace {

const std::vector<uint8_t> kVendorBytes = {'V', 'e', 'n', 'd', 'o', 'r', 'X', 0, 9, 8, 7};

// A simulated trace whose end event stores no loss, with a vendor block.
struct StoredFile {
    sor::SorFile fields = simulatedSorFile(2);
    std::vector<uint8_t> bytes;

    StoredFile() {
        fields.keyEvents.events[2].loss = 0;
        sor::WriteExtras extras;
        extras.kept.push_back({"VendorX", 200, kVendorBytes});
        bytes = sor::writeFile(fields, extras);
    }
};

sor::SorFile parsed(const std::vector<uint8_t>& bytes) {
    sor::SorFile f;
    EXPECT_EQ(sor::parse(bytes, f), sor::ParseError::None);
    return f;
}

} // namespace

TEST(SorKeep, UneditedRecordWritesEveryStoredFieldAndBlockBack) {
    const StoredFile file;
    CT6 r;
    ASSERT_EQ(openSor(r, file.bytes), 0);
    const auto written = saveSor(r, 2);
    const auto back = parsed(written); // its blocks point into the written bytes
    EXPECT_EQ(back.gen, file.fields.gen);
    EXPECT_EQ(back.sup, file.fields.sup);
    EXPECT_EQ(back.fxd, file.fields.fxd);
    EXPECT_EQ(back.keyEvents, file.fields.keyEvents); // the end's loss stays 0
    bool vendorKept = false;
    for (const auto& b : back.blocks)
        vendorKept |= b.name == "VendorX" && std::equal(b.bytes.begin(), b.bytes.end(),
                                                        kVendorBytes.begin(), kVendorBytes.end());
    EXPECT_TRUE(vendorKept);
}

TEST(SorKeep, EditedEventRewritesOnlyWhatChanged) {
    const StoredFile file;
    CT6 r;
    ASSERT_EQ(openSor(r, file.bytes), 0);
    ASSERT_EQ(r.EVCount(), 3);
    r.EVSetLoss(1, 0.25);
    r.EVSetComment(2, u"far end");
    const auto back = parsed(saveSor(r, 2));
    const auto& stored = file.fields.keyEvents.events;
    ASSERT_EQ(back.keyEvents.events.size(), 3u);
    EXPECT_EQ(back.keyEvents.events[0], stored[0]);
    auto edited = stored[1];
    edited.loss = 250;
    EXPECT_EQ(back.keyEvents.events[1], edited);
    EXPECT_EQ(back.keyEvents.events[2].comment, "far end");
    EXPECT_EQ(back.keyEvents.events[2].loss, 0);
    EXPECT_EQ(back.keyEvents.events[2].code, stored[2].code);
}

TEST(SorKeep, EditedCableKeepsTheOtherStoredFields) {
    const StoredFile file;
    CT6 r;
    ASSERT_EQ(openSor(r, file.bytes), 0);
    r.SetCableID(u"CABLE-8");
    const auto back = parsed(saveSor(r, 2));
    auto expected = file.fields.gen;
    expected.cableID = "CABLE-8";
    EXPECT_EQ(back.gen, expected); // user offset distance and all
    EXPECT_EQ(back.fxd, file.fields.fxd);
}

TEST(SorKeep, AnotherIssueIsWrittenFromTheRecord) {
    const StoredFile file;
    CT6 r;
    ASSERT_EQ(openSor(r, file.bytes), 0);
    const auto back = parsed(saveSor(r, 1));
    EXPECT_EQ(back.issue, 1);
    EXPECT_EQ(back.gen.cableID, file.fields.gen.cableID);
    EXPECT_EQ(back.fxd.distanceUnits, "mt");
    EXPECT_EQ(back.keyEvents.events.at(2).loss, T6LONGRounded(r.GetThresholdBreak() * 1000));
}
