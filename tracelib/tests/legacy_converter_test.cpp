#include "support/converter_double.h"

#include "formats/legacy_t5.h"
#include "record/ferrowin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LegacyConverter, LoadsTheDoubleByPathAndResolvesEveryExport) {
    varnel::ferrowin::useLibraryForTesting(VARNEL_FERROWIN_DOUBLE);
    const varnel::ferrowin::Exports* converter = varnel::ferrowin::exports();
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(std::u16string(converter->productNames[0]), u"Unknown");
    EXPECT_EQ(std::u16string(converter->productNames[T5_PRODUCT_NAME_COUNT - 1]), u"Last");
    void* inner = converter->t5Malloc(16);
    ASSERT_NE(inner, nullptr);
    varnel::ferrowin::release(inner);
}

TEST(LegacyConverter, AbsentConverterGivesNoExports) {
    varnel::ferrowin::useLibraryForTesting(nullptr);
    EXPECT_EQ(varnel::ferrowin::exports(), nullptr);
    varnel::ferrowin::useLibraryForTesting("/no/such/libFerrowin.so");
    EXPECT_EQ(varnel::ferrowin::exports(), nullptr);
    varnel::ferrowin::release(nullptr);
}

TEST(LegacyConverter, TraceKindNames) {
    using varnel::legacy::traceKindFromName;
    using varnel::legacy::traceKindName;
    EXPECT_EQ(std::u16string(traceKindName(1)), u"T1");
    EXPECT_EQ(std::u16string(traceKindName(6)), u"GR196");
    EXPECT_EQ(std::u16string(traceKindName(8)), u"TEK WFM");
    EXPECT_EQ(std::u16string(traceKindName(14)), u"T6");
    for (int32_t other : {0, 15, -1, 1000})
        EXPECT_EQ(std::u16string(traceKindName(other)), u"?") << other;
    for (int32_t kind = 1; kind <= 14; ++kind)
        EXPECT_EQ(traceKindFromName(traceKindName(kind)), kind);
    EXPECT_EQ(traceKindFromName(u"SR4731"), 0);
    EXPECT_EQ(traceKindFromName(nullptr), 0);
}

TEST(LegacyConverter, StructureReleaseHandsTheInnerBufferBack) {
    varnel::test::useConverterDouble();
    const auto* converter = varnel::ferrowin::exports();
    ASSERT_NE(converter, nullptr);
    const int32_t liveBefore = varnel::test::liveInnerBuffers();
    T5Struct* t5 = varnel::legacy::newStructure();
    ASSERT_NE(t5, nullptr);
    EXPECT_EQ(t5->inner, nullptr);
    EXPECT_EQ(t5->reserved[sizeof t5->reserved - 1], 0) << "zero-filled";
    t5->inner = static_cast<T5Inner*>(converter->t5Malloc(sizeof(T5Inner)));
    EXPECT_EQ(varnel::test::liveInnerBuffers(), liveBefore + 1);
    varnel::legacy::releaseStructure(t5);
    EXPECT_EQ(varnel::test::liveInnerBuffers(), liveBefore);
    varnel::legacy::releaseStructure(nullptr);
}

} // namespace
