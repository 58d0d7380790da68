#include "formats/ferrowin.h"

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

} // namespace
