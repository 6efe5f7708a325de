// The driver interface's own behaviour: abstract operations, the default system colours, font
// sizes rounded to points, the library fonts, and icon strips.
#include "DriverFixture.h"

#include <cmath>
#include <limits>

namespace vandro {
namespace {

using DriverInterfaceTest = DriverTest;

template <class Call> String AbstractFailure(Call call) {
    try {
        call();
    } catch (const TNullMethodException& failure) {
        return failure.ToString();
    }
    return u"no failure";
}

TEST_F(DriverInterfaceTest, OperationsAPlatformMustSupplyRaiseTheAbstractMethodError) {
    const auto base = New<TVellumDriver>();
    const String text = u"Attempt to call abstract method";
    EXPECT_EQ(AbstractFailure([&] { base->UserName(); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->ComputerName(); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->LoadFont(u"Arial", 10, 0); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->CreateGadget(1, u"", 0, 0, 1, 1, {}, 0); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->ActiveGadget(); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->RequestColor(1, 2, 3); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->RequestFont({}); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->SetPointer(1); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->LoadIconStrip({}); }), text);
    EXPECT_EQ(AbstractFailure([&] { base->LibraryFont(0, 0, 0); }), text);
    EXPECT_EQ(AbstractFailure([] { New<TGuiFont>()->CharWidth(u'a'); }), text);
}

TEST_F(DriverInterfaceTest, TheBaseFillsTheDefaultColoursAndAnswersZero) {
    unsigned char r = 7, g = 8, b = 9;
    EXPECT_EQ(LookupColor(ColorWindowBackground, r, g, b), 0);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{240, 240, 240}));
    LookupColor(ColorGadgetBackground, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 255, 255}));
    LookupColor(ColorGadgetText, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 0}));
    LookupColor(ColorSelection, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{50, 150, 255}));
    LookupColor(ColorLinkText, r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 255}));
    r = 7, g = 8, b = 9;
    EXPECT_EQ(LookupColor(5, r, g, b), 0);
    EXPECT_EQ(LookupColor(-1, r, g, b), 0);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{7, 8, 9}));
}

TEST_F(DriverInterfaceTest, ASizeInPointsIsRoundedHalfUp) {
    driver->LoadFontWithDouble(u"Arial", 10.5, 0);
    driver->LoadFontWithDouble(u"Arial", 10.49, 0);
    driver->LoadFontWithDouble(u"Arial", -0.7, 2);
    driver->LoadFontWithDouble(u"Arial", std::numeric_limits<double>::quiet_NaN(), 0);
    driver->LoadFontWithDouble(u"Arial", 1e300, 0);
    EXPECT_EQ(driver->calls,
              (std::vector<String>{u"LoadFont(Arial, 11, 0)", u"LoadFont(Arial, 10, 0)",
                                   u"LoadFont(Arial, 0, 2)", u"LoadFont(Arial, 0, 0)",
                                   u"LoadFont(Arial, 2147483647, 0)"}));
}

TEST_F(DriverInterfaceTest, LibraryFontsLoadTheirFaceAtTheirDefaultSize) {
    EXPECT_EQ(FontName(LibraryFont(FontGui)), u"MS Shell Dlg");
    EXPECT_EQ(FontSize(LibraryFont(FontSystem)), 8.0);
    LibraryFont(FontSans, 14.0, FontBold);
    LibraryFont(FontSerif, -3);
    LibraryFont(FontScript, std::nan(""));
    LibraryFont(42);
    EXPECT_EQ(
        driver->calls,
        (std::vector<String>{u"LoadFont(MS Shell Dlg, 10, 0)", u"LoadFont(MS Shell Dlg, 8, 0)",
                             u"LoadFont(Arial, 14, 1)", u"LoadFont(Times New Roman, 11, 0)",
                             u"LoadFont(Comic Sans MS, 10, 0)", u"LoadFont(MS Shell Dlg, 10, 0)"}));
}

TEST_F(DriverInterfaceTest, TheMonospacedFontFallsBackWhenTheFaceIsSubstituted) {
    EXPECT_EQ(FontName(LibraryFont(FontMonospaced, 0, 0)), u"Consolas");
    EXPECT_EQ(driver->calls, (std::vector<String>{u"LoadFont(Consolas, 10, 0)"}));
    driver->calls.clear();
    driver->missingFace = u"Consolas";
    const Ref<TGuiFont> font = LibraryFont(FontMonospaced, 0, 0);
    EXPECT_EQ(FontName(font), u"Courier New");
    EXPECT_EQ(FontSize(font), 10.0);
    EXPECT_EQ(driver->calls,
              (std::vector<String>{u"LoadFont(Consolas, 10, 0)", u"LoadFont(Courier New, 10, 0)"}));
}

TEST_F(DriverInterfaceTest, LoadGuiFontAddsTheStyleBitsOfItsSwitches) {
    const Ref<TGuiFont> font = LoadGuiFont(u"Arial", 9.5, 1, 0, 1, 0);
    EXPECT_EQ(FontStyle(font), FontBold | FontUnderline);
    LoadGuiFont(u"Arial", 9.0, 0, 7, 0, -1);
    EXPECT_EQ(driver->calls,
              (std::vector<String>{u"LoadFont(Arial, 10, 5)", u"LoadFont(Arial, 9, 10)"}));
}

class IconStripTest : public DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        strip = New<TIconStrip>();
        strip->pixmap = TPixmap::Create(48, 16, 6, 4);
        for (int x = 0; x < 48; ++x)
            for (int y = 0; y < 16; ++y)
                strip->pixmap->WritePixel(x, y, static_cast<int>(0xFF000000u) | (x << 8) | y);
        strip->count = 3;
    }
    void TearDown() override {
        strip = nullptr;
        DriverTest::TearDown();
    }
    Ref<TIconStrip> strip;
};

TEST_F(IconStripTest, AnIconIsTheSquareAtItsIndexSharingThePixels) {
    const Ref<TPixmap> icon = IconStripPixmap(strip, 2);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, 16);
    EXPECT_EQ(icon->height, 16);
    EXPECT_EQ(icon->ReadPixel(0, 0), strip->pixmap->ReadPixel(32, 0));
    EXPECT_EQ(icon->ReadPixel(15, 15), strip->pixmap->ReadPixel(47, 15));
    icon->WritePixel(1, 1, 0);
    EXPECT_EQ(strip->pixmap->ReadPixel(33, 1), 0);
}

TEST_F(IconStripTest, ANegativeIndexIsASeparateCopyOfTheWholeStrip) {
    const Ref<TPixmap> whole = strip->ExtractIconPixmap(-1);
    ASSERT_NE(whole, nullptr);
    EXPECT_NE(whole, strip->pixmap);
    EXPECT_EQ(whole->width, 48);
    EXPECT_EQ(whole->ReadPixel(47, 15), strip->pixmap->ReadPixel(47, 15));
    whole->WritePixel(0, 0, 0);
    EXPECT_NE(strip->pixmap->ReadPixel(0, 0), 0);
}

TEST_F(IconStripTest, AMapWithoutAByteToShowCutsNoStripWhateverWidthItClaims) {
    const auto formatless = TPixmap::Create(0x7FFFFFFF, 1, 0, 4);
    EXPECT_EQ(TIconStrip::Create(formatless), nullptr);
    EXPECT_FALSE(strip->Cut(TPixmap::Create(32, 16, 0, 4)));
    EXPECT_EQ(strip->count, 3);
    EXPECT_TRUE(strip->Cut(TPixmap::Create(32, 16, 1, 4)));
    EXPECT_EQ(strip->count, 2);
}

TEST_F(IconStripTest, AnIndexAtOrPastTheCountHasNoIcon) {
    EXPECT_EQ(strip->ExtractIconPixmap(3), nullptr);
    EXPECT_EQ(strip->ExtractIconPixmap(1000), nullptr);
    EXPECT_EQ(IconStripPixmap(nullptr, 0), nullptr);
}

} // namespace
} // namespace vandro
