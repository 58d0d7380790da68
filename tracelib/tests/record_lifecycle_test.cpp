#include "support/record_trace.h"

#include <varnel/varnel.h>

#include <gtest/gtest.h>

#include <memory>

using varnel::test::loadPoints;
using varnel::test::ramp;
using varnel::test::str;

namespace {

char16_t buf[300];

TEST(RecordLifecycle, FreshRecordHasTheDocumentedCapacitiesAndDefaults) {
    CT6 trace;
    EXPECT_EQ(trace.PWMaxCount(), 1);
    EXPECT_EQ(trace.SpanMaxCount(), 1);
    EXPECT_EQ(trace.SFMaxCount(), 1);
    EXPECT_EQ(trace.EVMaxCount(), 64);
    EXPECT_EQ(trace.DPOMaxCount(), 16384);
    EXPECT_EQ(trace.PWCount(), 0);
    EXPECT_EQ(trace.DPOCount(), 0);
    EXPECT_EQ(trace.DPLCount(), 0);
    EXPECT_EQ(trace.DPLMaxCount(), 0);
    EXPECT_EQ(trace.GetViewMode(), 0);
    EXPECT_EQ(trace.GetPtrT5Struct(), nullptr);
    EXPECT_EQ(trace.IsModFlagSet(0xFFFFFFFF), 0);
    EXPECT_EQ(str(trace.GetManufacturer(buf)), u"");
    EXPECT_EQ(trace.GetFilenameLength(), 0);
    // Four zeroed views: each reads with the default extents.
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(trace.GetViewStartKM(i), 0.0);
        EXPECT_EQ(trace.GetViewExtentKM(i), 10.0);
        EXPECT_EQ(trace.GetViewExtentDB(i), 10.0);
    }
}

TEST(RecordLifecycle, InitAllClearsEverythingThatWasSet) {
    CT6 trace;
    loadPoints(trace, ramp(100, 20000, 10));
    trace.SetSiteA(u"North");
    trace.SetTraceTemplate(1);
    trace.SetVertShift(1.5);
    trace.SetFilespec(u"/data/a.sor");
    trace.EVInsert();
    trace.DPLInitArray(50);

    trace.InitAll();

    EXPECT_EQ(str(trace.GetSiteA(buf)), u"");
    EXPECT_EQ(trace.IsTraceTemplate(), 0);
    EXPECT_EQ(trace.GetVertShift(), 0.0);
    EXPECT_EQ(trace.GetPathLength(), 0);
    EXPECT_EQ(trace.EVCount(), 0);
    EXPECT_EQ(trace.SpanCount(), 0);
    EXPECT_EQ(trace.DPOCount(), 0);
    EXPECT_EQ(trace.DPLMaxCount(), 0);
    EXPECT_EQ(trace.DPWGetScaleFactor(), 0);
    EXPECT_EQ(trace.IsModFlagSet(0xFFFFFFFF), 0);
    EXPECT_EQ(trace.DPOMaxCount(), 16384);
}

TEST(RecordLifecycle, CopiesOwnTheirArraysAndDieIndependently) {
    auto original = std::make_unique<CT6>();
    loadPoints(*original, ramp(100, 20000, 10));
    original->SetModel(u"OTDR-9");

    CT6 copy;
    copy = *original;
    CT6 constructed(*original);
    original->DPOGetPtr(5)[0] = 1;
    original->SetModel(u"changed");
    original.reset();

    EXPECT_EQ(copy.DPOCount(), 100);
    EXPECT_EQ(*copy.DPOGetPtr(5), 20000 - 50);
    EXPECT_EQ(str(copy.GetModel(buf)), u"OTDR-9");
    EXPECT_DOUBLE_EQ(copy.GetDBAtDPFR(10, 0), constructed.GetDBAtDPFR(10, 0));
}

TEST(RecordLifecycle, SelfAssignmentKeepsTheRecord) {
    CT6 trace;
    loadPoints(trace, ramp(10, 1000, 1));
    CT6& alias = trace;
    trace = alias;
    EXPECT_EQ(trace.DPOCount(), 10);
}

TEST(FileSpec, SplitsAtTheLastSeparator) {
    CT6 trace;
    trace.SetFilespec(u"E:\\dir\\a.sor");
    EXPECT_EQ(str(trace.GetPath(buf)), u"E:\\dir\\");
    EXPECT_EQ(str(trace.GetFilename(buf)), u"a.sor");
    EXPECT_EQ(trace.GetPathLength(), 7);
    EXPECT_EQ(trace.GetFilenameLength(), 5);

    trace.SetFilespec(u"/home/u/traces/b.sor");
    EXPECT_EQ(str(trace.GetPath(buf)), u"/home/u/traces/");
    EXPECT_EQ(str(trace.GetFilename(buf)), u"b.sor");

    trace.SetFilespec(u"C:c.sor");
    EXPECT_EQ(str(trace.GetPath(buf)), u"C:");
    EXPECT_EQ(str(trace.GetFilename(buf)), u"c.sor");
}

TEST(FileSpec, ASeparatorAtTheVeryStartDoesNotSplit) {
    CT6 trace;
    trace.SetFilespec(u"a.sor");
    EXPECT_EQ(str(trace.GetPath(buf)), u"");
    EXPECT_EQ(str(trace.GetFilename(buf)), u"a.sor");
    trace.SetFilespec(u"\\a.sor");
    EXPECT_EQ(str(trace.GetPath(buf)), u"");
    EXPECT_EQ(str(trace.GetFilename(buf)), u"\\a.sor");
    trace.SetFilespec(nullptr);
    EXPECT_EQ(trace.GetPathLength(), 0);
    EXPECT_EQ(trace.GetFilenameLength(), 0);
}

TEST(FileSpec, LongPartsAreCutToTheirCapacities) {
    CT6 trace;
    std::u16string dir(300, u'd');
    std::u16string name(200, u'n');
    trace.SetFilespec((dir + u"/" + name).c_str());
    EXPECT_EQ(trace.GetPathLength(), 256);
    EXPECT_EQ(trace.GetFilenameLength(), 128);
    EXPECT_EQ(str(trace.GetFilename(buf)), std::u16string(128, u'n'));
}

TEST(ModFlags, SettingAddsBitsAndClearingRemovesAll) {
    CT6 trace;
    trace.SetModFlag(T6_MOD_SHIFT);
    trace.SetModFlag(T6_MOD_CURSORS);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_SHIFT), 1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_CURSORS | T6_MOD_ORL), 1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_ORL), 0);
    trace.ClearAllModFlags();
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_SHIFT | T6_MOD_CURSORS), 0);
}

TEST(ModFlags, EditsRaiseTheirAreaBits) {
    CT6 trace;
    loadPoints(trace, ramp(100, 20000, 10));
    trace.ClearAllModFlags();
    trace.SetVertShift(1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_SHIFT), 1);
    trace.SetViewMode(1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_VIEW_MODE), 1);
    trace.SetView(1, 0, 1, 0, 1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_VIEW), 1);
    trace.SetACursorKM(0.01);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_CURSORS), 1);
    trace.SpanSetIOR(0, 1.46);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_SPAN_IOR), 1);
    trace.SpanSetBackScatter(0, -80);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_SPAN_BACKSCATTER), 1);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_ORL), 0);
    trace.ClearAllModFlags();
    uint16_t v = 7;
    trace.DPOSetDPO(0, 1, &v);
    EXPECT_EQ(trace.IsModFlagSet(T6_MOD_DATA_POINTS), 1);
}

} // namespace
