// Fonts as the platform loads them: whole points in the font's size, the character height
// measured from the size as it was asked for.
#include "HeadlessFixture.h"

#include <limits>

namespace vandro {
namespace {

using FontTest = HeadlessTest;

int PixelHeight(const Ref<TGuiFont>& font) { return Cast<THeadlessFont>(font)->PixelHeight(); }

TEST_F(FontTest, AFractionalSizeKeepsItsWholePointsButMeasuresFromTheFraction) {
    const Ref<TGuiFont> font = LoadGuiFont(u"Arial", 8.9);
    EXPECT_EQ(FontSize(font), 8.0);
    // 8.9 * 96 / 72 + 0.5 is 12.37; eight points alone would be 11.
    EXPECT_EQ(PixelHeight(font), 12);
    // 8.6 * 96 / 72 + 0.5 is 11.97; nine points would be 12.
    EXPECT_EQ(PixelHeight(LoadGuiFont(u"Arial", 8.6)), 11);
    EXPECT_EQ(FontSize(LoadGuiFont(u"Arial", 10.5)), 10.0);
    EXPECT_EQ(FontSize(LibraryFont(FontSystem, 9.75)), 9.0);
}

TEST_F(FontTest, WholePointsMeasureAtNinetySixDotsPerInch) {
    EXPECT_EQ(PixelHeight(LoadGuiFont(u"Arial", 12)), 16);
    EXPECT_EQ(PixelHeight(LibraryFont(FontSans, 9)), 12);
    EXPECT_EQ(PixelHeight(LibraryFont(FontSystem)), 11);
}

TEST_F(FontTest, SizesThatAreNoNumberOrOutOfRangeStayMeasurable) {
    const Ref<TGuiFont> none = LoadGuiFont(u"Arial", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(FontSize(none), 0.0);
    EXPECT_EQ(PixelHeight(none), 0);
    EXPECT_EQ(PixelHeight(LoadGuiFont(u"Arial", -3.5)), 0);
    const Ref<TGuiFont> huge = LoadGuiFont(u"Arial", 1e300);
    EXPECT_EQ(FontSize(huge), 2147483647.0);
    EXPECT_EQ(PixelHeight(huge), 2147483647);
}

} // namespace
} // namespace vandro
