// The legacy route end to end with the converter's test double: a record is
// written in the double's toy format and read back, and every path that
// releases a T5 structure is checked against the double's buffer count.
#include "support/converter_double.h"
#include "support/scratch_file.h"
#include "support/settings_guard.h"

#include <varnel/fibre_simulator.h>
#include <varnel/t5_struct.h>
#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace varnel::test;

namespace {

constexpr int32_t kFormatT5 = 5;
constexpr int32_t kFormatGR196 = 6;
constexpr int32_t kFormatTEKWFM = 8;
constexpr int32_t kFormatR90 = 9;
constexpr size_t kToyFieldsAt = 16; // toy header: magic, kind, unit, inner size

int32_t toyInt(const std::vector<uint8_t>& file, size_t at) {
    int32_t v = 0;
    std::memcpy(&v, file.data() + at, sizeof v);
    return v;
}

std::u16string text(const char16_t* s) {
    return s;
}

class LegacyRoute : public ::testing::Test {
protected:
    void SetUp() override {
        useConverterDouble();
        liveAtStart = liveInnerBuffers();
        varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(8.0, 0.35, 12000);
        fibre.events = {{2.0, 0.3, -45.0}, {5.0, 0.12, 0.0}};
        varnel::sim::simulateFibre(fibre, source);
        source.SetModel(u"Norvak 5");
        source.SetSiteA(u"Exchange");
        source.SetSiteB(u"Cabinet 12");
        source.SetCableID(u"C-77");
        source.SetTraceTypeOrig(u"T4");
        source.SetWavelengthNominal(1550.25);
        source.SetDynamicRange(40.0);
        source.SetTimeYMDHMS(2004, 6, 21, 14, 5, 9);
        source.SetAvgComplete(512);
        source.SetThresholdLoss(0.05);
        source.EVSetComment(1, u"joint box");
        source.SpanSetFiberType(0, u"G.652");
    }

    void TearDown() override { useConverterDouble(); }

    // The source record in the toy format for the given format code.
    std::vector<uint8_t> encode(CT6& record, int32_t formatCode) {
        std::vector<uint8_t> out;
        size_t size = 0;
        EXPECT_EQ(record.CompLegacy(formatCode, out, size), 0);
        out.resize(size);
        return out;
    }

    int32_t read(CT6& record, const std::vector<uint8_t>& bytes) {
        return record.DecompLegacy(nullptr, bytes.data(), static_cast<int32_t>(bytes.size()));
    }

    CT6 source;
    int32_t liveAtStart = 0;
};

TEST_F(LegacyRoute, RoundTripKeepsTheTraceAndAttachesTheStructure) {
    std::vector<uint8_t> file = encode(source, kFormatT5);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(liveInnerBuffers(), liveAtStart) << "the save's own structure is released";

    CT6 copy;
    ASSERT_EQ(read(copy, file), 0);
    ASSERT_NE(copy.GetPtrT5Struct(), nullptr);
    EXPECT_EQ(liveInnerBuffers(), liveAtStart + 1);

    char16_t buf[64];
    EXPECT_EQ(text(copy.GetModel(buf)), u"Norvak 5");
    EXPECT_EQ(text(copy.GetSiteA(buf)), u"Exchange");
    EXPECT_EQ(text(copy.GetSiteB(buf)), u"Cabinet 12");
    EXPECT_EQ(text(copy.GetCableID(buf)), u"C-77");
    EXPECT_EQ(text(copy.GetTraceType(buf)), u"T5");
    EXPECT_EQ(text(copy.GetTraceTypeOrig(buf)), u"T4");
    EXPECT_EQ(text(copy.SpanGetFiberType(0, buf)), u"G.652");
    EXPECT_DOUBLE_EQ(copy.GetWavelengthNominal(), 1550.25);
    EXPECT_DOUBLE_EQ(copy.GetDynamicRange(), 40.0) << "range class 2: 2 x 8 + 24 dB";
    EXPECT_EQ(copy.GetTimeZoneMinutes(), -480);
    EXPECT_EQ(copy.GetTimeDST(), 1);
    EXPECT_EQ(copy.GetAvgComplete(), 512);
    EXPECT_DOUBLE_EQ(copy.GetThresholdLoss(), 0.05);
    EXPECT_DOUBLE_EQ(copy.GetResoNominalM(), source.GetResoNominalM());
    EXPECT_DOUBLE_EQ(copy.SpanGetIOR(0), source.SpanGetIOR(0));
    EXPECT_EQ(copy.PWCount(), 1);
    EXPECT_EQ(copy.SpanCount(), 1);
    EXPECT_EQ(copy.PWGetNanoSec(0), source.PWGetNanoSec(0));

    ASSERT_EQ(copy.DPOCount(), source.DPOCount());
    for (int32_t i = 0; i < source.DPOCount(); i += 97)
        ASSERT_EQ(copy.DPWGetLONG(i), source.DPWGetLONG(i)) << i;
    EXPECT_DOUBLE_EQ(copy.GetMaxKM(), source.GetMaxKM());

    ASSERT_EQ(copy.EVCount(), source.EVCount());
    for (int32_t i = 0; i < source.EVCount(); ++i) {
        EXPECT_EQ(copy.EVGetType(i), source.EVGetType(i)) << i;
        EXPECT_EQ(copy.EVGetStartDP(i), source.EVGetStartDP(i)) << i;
        EXPECT_EQ(copy.EVGetStartFR(i), source.EVGetStartFR(i)) << i;
        EXPECT_EQ(copy.EVGetEndDP(i), source.EVGetEndDP(i)) << i;
        EXPECT_DOUBLE_EQ(copy.EVGetLoss(i), source.EVGetLoss(i)) << i;
        EXPECT_DOUBLE_EQ(copy.EVGetRefl(i), source.EVGetRefl(i)) << i;
        EXPECT_EQ(copy.EVGetFlags(i), source.EVGetFlags(i)) << i;
    }
    EXPECT_EQ(text(copy.EVGetComment(1, buf)), u"joint box");
}

TEST_F(LegacyRoute, SavesEachFormatWithTheCurrentDistanceUnit) {
    SettingsGuard guard;
    T6SetCurDistUnits(1);
    for (int32_t code : {kFormatT5, kFormatGR196, kFormatTEKWFM, kFormatR90}) {
        std::vector<uint8_t> file = encode(source, code);
        ASSERT_GE(file.size(), kToyFieldsAt) << code;
        EXPECT_EQ(toyInt(file, 4), code);
        EXPECT_EQ(toyInt(file, 8), 1) << "feet";
        CT6 copy;
        ASSERT_EQ(read(copy, file), 0);
        char16_t buf[32];
        const char16_t* expected = code == kFormatT5      ? u"T5"
                                   : code == kFormatGR196 ? u"GR196"
                                   : code == kFormatR90   ? u"R90"
                                                          : u"TEK WFM";
        EXPECT_EQ(text(copy.GetTraceType(buf)), expected);
    }
    EXPECT_EQ(liveInnerBuffers(), liveAtStart);
}

TEST_F(LegacyRoute, SavingAgainStartsFromTheAttachedStructure) {
    CT6 copy;
    ASSERT_EQ(read(copy, encode(source, kFormatR90)), 0);
    void* attached = copy.GetPtrT5Struct();
    static_cast<T5Struct*>(attached)->productNumber = 7; // as only the converter knows it
    copy.SetSiteA(u"Moved");
    copy.SetModel(u"none of the names");

    std::vector<uint8_t> again = encode(copy, kFormatR90);
    EXPECT_EQ(copy.GetPtrT5Struct(), attached) << "updated in place, still attached";
    EXPECT_EQ(liveInnerBuffers(), liveAtStart + 1);
    CT6 third;
    ASSERT_EQ(read(third, again), 0);
    char16_t buf[64];
    EXPECT_EQ(text(third.GetSiteA(buf)), u"Moved");
    EXPECT_EQ(text(third.GetModel(buf)), u"Unknown") << "a model not in the table is number 0";
}

TEST_F(LegacyRoute, EveryReleasePathHandsTheInnerBufferBack) {
    std::vector<uint8_t> file = encode(source, kFormatT5);
    {
        CT6 a;
        ASSERT_EQ(read(a, file), 0);
        CT6 b = a; // copies start without the structure
        EXPECT_EQ(b.GetPtrT5Struct(), nullptr);
        b = a;
        EXPECT_EQ(liveInnerBuffers(), liveAtStart + 1);
        a.InitAll();
        EXPECT_EQ(a.GetPtrT5Struct(), nullptr);
        EXPECT_EQ(liveInnerBuffers(), liveAtStart);
        ASSERT_EQ(read(a, file), 0);
        ASSERT_EQ(read(a, file), 0) << "reading again replaces the structure";
        EXPECT_EQ(liveInnerBuffers(), liveAtStart + 1);
    }
    EXPECT_EQ(liveInnerBuffers(), liveAtStart) << "the destructor releases it";

    CT6 c;
    ASSERT_EQ(read(c, file), 0);
    c.FreeAllArrays();
    EXPECT_EQ(c.GetPtrT5Struct(), nullptr);
    EXPECT_EQ(liveInnerBuffers(), liveAtStart);
}

TEST_F(LegacyRoute, ConverterStatusesPassThroughAndLeaveNothingAttached) {
    std::vector<uint8_t> failing{'F', 'A', 'I', 'L', 77, 0, 0, 0};
    CT6 record;
    EXPECT_EQ(read(record, failing), 77);
    EXPECT_EQ(record.GetPtrT5Struct(), nullptr);
    EXPECT_EQ(liveInnerBuffers(), liveAtStart) << "the half-filled structure is released";

    std::vector<uint8_t> unknown{'J', 'U', 'N', 'K', 0, 0, 0, 0};
    EXPECT_EQ(read(record, unknown), 3) << "the double's own status for a file it does not know";
}

TEST_F(LegacyRoute, InconsistentStructuresAreRefused) {
    std::vector<uint8_t> file = encode(source, kFormatT5);
    const size_t innerAt = file.size() - static_cast<size_t>(toyInt(file, 12));
    const size_t pointCountAt = innerAt + offsetof(T5Inner, pointCount);
    int32_t tooMany = 1 << 30;
    std::vector<uint8_t> damaged = file;
    std::memcpy(damaged.data() + pointCountAt, &tooMany, sizeof tooMany);
    CT6 record;
    EXPECT_EQ(read(record, damaged), 8);
    EXPECT_EQ(record.GetPtrT5Struct(), nullptr);

    std::vector<uint8_t> noResolution = file;
    int32_t zero = 0;
    std::memcpy(noResolution.data() + kToyFieldsAt + offsetof(T5Fields, resoNominal) -
                    offsetof(T5Fields, kind),
                &zero, sizeof zero);
    EXPECT_EQ(read(record, noResolution), 5);
    EXPECT_EQ(liveInnerBuffers(), liveAtStart);
}

TEST_F(LegacyRoute, KindsOutsideTheTableReadAsUnknown) {
    std::vector<uint8_t> file = encode(source, kFormatT5);
    int32_t strangeKind = 15;
    std::memcpy(file.data() + 4, &strangeKind, sizeof strangeKind);            // the kind decoded
    std::memcpy(file.data() + kToyFieldsAt, &strangeKind, sizeof strangeKind); // its own
    CT6 record;
    ASSERT_EQ(read(record, file), 0);
    char16_t buf[32];
    EXPECT_EQ(text(record.GetTraceType(buf)), u"?");
    EXPECT_EQ(text(record.GetTraceTypeOrig(buf)), u"?");
}

TEST_F(LegacyRoute, CompT5WritesTheT5Format) {
    std::vector<uint8_t> buffer(400000);
    int32_t written = source.CompT5(buffer.data(), static_cast<int32_t>(buffer.size()));
    ASSERT_GT(written, 0);
    EXPECT_EQ(toyInt(buffer, 4), kFormatT5);
    EXPECT_EQ(source.CompT5(buffer.data(), 100), 0) << "the converter found no room";
    EXPECT_EQ(liveInnerBuffers(), liveAtStart);
}

TEST_F(LegacyRoute, ViewerStyleSaveThroughAStructureOfItsOwn) {
    void* structure = T6Malloc(T5_STRUCT_BYTES);
    std::memset(structure, 0, T5_STRUCT_BYTES);
    ASSERT_EQ(source.T6ToT5(structure), 0);
    std::vector<uint8_t> buffer(400000);
    uint8_t* cursor = buffer.data();
    int32_t room = static_cast<int32_t>(buffer.size());
    ASSERT_EQ(source.T5ToCompTraceViaT6(structure, kFormatR90, cursor, room), 0);
    EXPECT_GT(cursor - buffer.data(), 0);
    T5FreeViaT6(static_cast<T5Struct*>(structure)->inner);
    T6Free(structure);
    EXPECT_EQ(liveInnerBuffers(), liveAtStart);
}

TEST_F(LegacyRoute, WithoutTheConverterEveryEntryPointSaysSo) {
    std::vector<uint8_t> file = encode(source, kFormatT5);
    useNoConverter();
    CT6 record;
    EXPECT_EQ(read(record, file), T6_ERR_NO_LEGACY_CONVERTER);
    std::vector<uint8_t> out;
    size_t size = 0;
    EXPECT_EQ(source.CompLegacy(kFormatT5, out, size), T6_ERR_NO_LEGACY_CONVERTER);
    EXPECT_EQ(size, 0u);
    uint8_t buffer[16];
    EXPECT_EQ(source.CompT5(buffer, sizeof buffer), 0);
    void* structure = T6Malloc(T5_STRUCT_BYTES);
    std::memset(structure, 0, T5_STRUCT_BYTES);
    EXPECT_EQ(source.T6ToT5(structure), T6_ERR_NO_LEGACY_CONVERTER);
    uint8_t* cursor = buffer;
    int32_t room = sizeof buffer;
    EXPECT_EQ(source.T5ToCompTraceViaT6(structure, kFormatT5, cursor, room),
              T6_ERR_NO_LEGACY_CONVERTER);
    T6Free(structure);
}

// The same route through the file entry points, DecompFile and FileSaveAs.
class LegacyFiles : public LegacyRoute {
protected:
    std::vector<uint8_t> saveAs(const char16_t* format) {
        EXPECT_EQ(source.FileSaveAs(file.widePath().c_str(), format, 0, 0), 0);
        return file.read();
    }
    ScratchFile file{"legacy.trc"};
};

TEST_F(LegacyFiles, SavedAndOpenedThroughTheConverter) {
    std::vector<uint8_t> bytes = saveAs(u"T5");
    ASSERT_GE(bytes.size(), kToyFieldsAt);
    EXPECT_EQ(std::memcmp(bytes.data(), "TOY5", 4), 0);

    CT6 opened;
    ASSERT_EQ(opened.DecompFile(file.widePath().c_str(), 0), 0);
    char16_t buf[160];
    EXPECT_EQ(text(opened.GetTraceType(buf)), u"T5");
    EXPECT_NE(opened.GetPtrT5Struct(), nullptr);
    EXPECT_EQ(opened.IsTraceRecalled(), 1);
    EXPECT_EQ(opened.IsModFlagSet(0xFFFFFFFF), 0);
    EXPECT_GT(opened.GetFilenameLength(), 0);

    for (auto [format, code] : {std::pair{u"TEK WFM", kFormatTEKWFM}, std::pair{u"R90", kFormatR90},
                                std::pair{u"R90 Min", 10}, std::pair{u"R90 Max", 11}}) {
        EXPECT_EQ(toyInt(saveAs(format), 4), code);
    }
    EXPECT_EQ(liveInnerBuffers(), liveAtStart + 1) << "only the opened record's structure";
}

TEST_F(LegacyFiles, GR196GoesThroughTheConverterOnlyWithAnAttachedStructure) {
    std::vector<uint8_t> plain = saveAs(u"GR196");
    EXPECT_NE(std::memcmp(plain.data(), "TOY5", 4), 0) << "SR-4731 issue 1 by the library";

    saveAs(u"T5");
    CT6 opened;
    ASSERT_EQ(opened.DecompFile(file.widePath().c_str(), 0), 0);
    ASSERT_EQ(opened.FileSaveAs(file.widePath().c_str(), u"GR196", 0, 0), 0);
    std::vector<uint8_t> routed = file.read();
    ASSERT_GE(routed.size(), kToyFieldsAt);
    EXPECT_EQ(std::memcmp(routed.data(), "TOY5", 4), 0);
    EXPECT_EQ(toyInt(routed, 4), kFormatGR196);
}

TEST_F(LegacyFiles, WithoutTheConverterTheFileIsNotCalledCorrupted) {
    saveAs(u"T5");
    useNoConverter();
    CT6 opened;
    EXPECT_EQ(opened.DecompFile(file.widePath().c_str(), 0), T6_ERR_NO_LEGACY_CONVERTER);
    ScratchFile other{"never.trc"};
    EXPECT_EQ(source.FileSaveAs(other.widePath().c_str(), u"R90", 0, 0),
              T6_ERR_NO_LEGACY_CONVERTER);
    EXPECT_TRUE(other.read().empty()) << "nothing is written";
}

TEST_F(LegacyFiles, AFailedOpenKeepsNoStructure) {
    file.write({'F', 'A', 'I', 'L', 42, 0, 0, 0});
    CT6 opened;
    EXPECT_EQ(opened.DecompFile(file.widePath().c_str(), 0), 42);
    EXPECT_EQ(opened.GetPtrT5Struct(), nullptr);
    EXPECT_EQ(opened.IsTraceRecalled(), 0);
    EXPECT_EQ(liveInnerBuffers(), liveAtStart);
}

} // namespace
