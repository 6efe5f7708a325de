// The driver's services alike on every platform: the five system colours come from the platform
// and any other index is left to the program; the system font is a face with whole points that
// takes the size and style asked for, as every font keeps the whole points of its size, its
// style bits and the face the platform substitutes; the user's and computer's names are the
// platform's; icon strips cut their square icons, and canvases take the default graphics flags.
#include "PlatformFixture.h"

#include "gui/CanvasPainter.h"
#include "gui/DriverFunctions.h"
#include "gui/VellumDriver.h"
#include "gui/WindowFunctions.h"
#include "runtime/Boxed.h"
#include "runtime/Exceptions.h"

#include <climits>
#include <cmath>

namespace vandro {
namespace {

using ServicesTest = PlatformTest;

// The colour of the index as red + (green << 8) + (blue << 16), and the answer.
int Looked(int index, int& answer) {
    unsigned char red = 7, green = 8, blue = 9;
    answer = LookupColor(index, red, green, blue);
    return red + (green << 8) + (blue << 16);
}

TEST_F(ServicesTest, TheFiveSystemColoursComeFromThePlatformAndOtherIndexesAreLeftAlone) {
    int answer = -1;
    for (int index = ColorWindowBackground; index <= ColorLinkText; ++index) {
        Looked(index, answer);
        EXPECT_EQ(answer, 1) << "index " << index;
    }
    // Text can be read on the gadgets' ground.
    EXPECT_NE(Looked(ColorGadgetText, answer), Looked(ColorGadgetBackground, answer));
    for (int index : {5, -1, 255}) {
        EXPECT_EQ(Looked(index, answer), 7 + (8 << 8) + (9 << 16)) << "index " << index;
        EXPECT_EQ(answer, 0);
    }
}

TEST_F(ServicesTest, TheSystemFontHasWholePointsAndTakesTheSizeAndStyleAskedFor) {
    const auto font = LibraryFont(FontSystem);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(FontName(font).empty());
    EXPECT_GT(FontSize(font), 0.0);
    EXPECT_EQ(FontSize(font), std::floor(FontSize(font)));
    EXPECT_EQ(FontStyle(font), 0);
    const auto asked = LibraryFont(FontSystem, 12.5, 1 | 2);
    EXPECT_EQ(FontName(asked), FontName(font));
    EXPECT_EQ(FontSize(asked), 12.0);
    EXPECT_EQ(FontStyle(asked), 1 | 2);
    EXPECT_EQ(FontSize(LoadGuiFont(u"Arial", 8.9)), 8.0);
    EXPECT_EQ(FontSize(LibraryFont(FontSans, 36.0)), 36.0);
}

TEST_F(ServicesTest, OnlyTheIndexesFromZeroToFourAreColours) {
    int answer = -1;
    const int first = Looked(ColorWindowBackground, answer);
    EXPECT_EQ(answer, 1);
    Looked(ColorLinkText, answer);
    EXPECT_EQ(answer, 1);
    for (int index : {ColorLinkText + 1, ColorWindowBackground - 1, INT_MAX, INT_MIN}) {
        EXPECT_EQ(Looked(index, answer), 7 + (8 << 8) + (9 << 16)) << "index " << index;
        EXPECT_EQ(answer, 0) << "index " << index;
    }
    // Asking again gives the same colour.
    EXPECT_EQ(Looked(ColorWindowBackground, answer), first);
}

TEST_F(ServicesTest, EachSwitchOfALoadedFontSetsItsStyleBit) {
    EXPECT_EQ(FontStyle(LoadGuiFont(u"Arial", 10)), 0);
    EXPECT_EQ(FontStyle(LoadGuiFont(u"Arial", 10, 1)), FontBold);
    EXPECT_EQ(FontStyle(LoadGuiFont(u"Arial", 10, 0, 1)), FontItalic);
    EXPECT_EQ(FontStyle(LoadGuiFont(u"Arial", 10, 0, 0, 1)), FontUnderline);
    EXPECT_EQ(FontStyle(LoadGuiFont(u"Arial", 10, 0, 0, 0, 1)), FontStrikethrough);
    // Any nonzero switch is on.
    EXPECT_EQ(FontStyle(LoadGuiFont(u"Arial", 10, 5, -1, 2, 9)),
              FontBold | FontItalic | FontUnderline | FontStrikethrough);
    const auto styled = LibraryFont(FontSans, 10, FontUnderline | FontStrikethrough);
    EXPECT_EQ(FontStyle(styled), FontUnderline | FontStrikethrough);
}

TEST_F(ServicesTest, ALibraryFontTakesItsKindsDefaultSizeForNoSize) {
    const std::initializer_list<std::pair<int, double>> kinds{
        {FontGui, 10},   {FontMonospaced, 10}, {FontSans, 10},
        {FontSerif, 11}, {FontScript, 10},     {9, 10}};
    for (const auto& [kind, points] : kinds)
        for (double size : {0.0, -3.0, std::nan("")}) {
            const auto font = LibraryFont(kind, size, FontItalic);
            EXPECT_EQ(FontSize(font), points) << "kind " << kind << " size " << size;
            EXPECT_EQ(FontStyle(font), FontItalic);
        }
    for (const auto& [kind, points] : kinds)
        EXPECT_EQ(FontSize(LibraryFont(kind, 13.0)), 13.0) << "kind " << kind;
    // The system font has the platform's own size.
    const double own = FontSize(LibraryFont(FontSystem, 0));
    EXPECT_GT(own, 0.0);
    for (double size : {-1.0, std::nan("")})
        EXPECT_EQ(FontSize(LibraryFont(FontSystem, size)), own) << "size " << size;
}

TEST_F(ServicesTest, ALibraryFontIsTheFaceItsKindNames) {
    EXPECT_EQ(FontName(LibraryFont(FontSans)), FontName(LoadGuiFont(u"Arial", 10)));
    EXPECT_EQ(FontName(LibraryFont(FontSerif)), FontName(LoadGuiFont(u"Times New Roman", 11)));
    EXPECT_EQ(FontName(LibraryFont(FontScript)), FontName(LoadGuiFont(u"Comic Sans MS", 10)));
    EXPECT_EQ(FontName(LibraryFont(FontGui)), FontName(LoadGuiFont(u"MS Shell Dlg", 10)));
    EXPECT_EQ(FontName(LibraryFont(9)), FontName(LibraryFont(FontGui)));
    // Consolas where the platform has it, else what it has for Courier New.
    const String consolas = FontName(LoadGuiFont(u"Consolas", 10));
    EXPECT_EQ(FontName(LibraryFont(FontMonospaced)),
              consolas == u"Consolas" ? consolas : FontName(LoadGuiFont(u"Courier New", 10)));
}

TEST_F(ServicesTest, AFaceThePlatformLacksAnswersItsSubstituteInTheSizeAndStyleAsked) {
    const auto missing = LoadGuiFont(u"Kartenspiel Zierschrift", 15.5, 1, 1);
    EXPECT_NE(FontName(missing), u"Kartenspiel Zierschrift");
    EXPECT_FALSE(FontName(missing).empty());
    EXPECT_EQ(FontName(LoadGuiFont(u"Keine Solche Schrift", 9)), FontName(missing));
    EXPECT_EQ(FontSize(missing), 15.0);
    EXPECT_EQ(FontStyle(missing), FontBold | FontItalic);
    // A face's name is found whatever its letters' case.
    EXPECT_EQ(FontName(LoadGuiFont(u"aRIAL", 10)), FontName(LoadGuiFont(u"Arial", 10)));
}

TEST_F(ServicesTest, ANullFontHasNoNameSizeOrStyle) {
    const Ref<TGuiFont> none;
    EXPECT_THROW(FontName(none), TNullObjectException);
    EXPECT_THROW(FontSize(none), TNullObjectException);
    EXPECT_THROW(FontStyle(none), TNullObjectException);
}

// None where the platform knows none, as a page in the browser does.
TEST_F(ServicesTest, TheUserAndComputerNamesAreThePlatformsOwn) {
    EXPECT_EQ(SystemUserName(), PlatformUser()->PlatformUserName());
    EXPECT_EQ(SystemComputerName(), PlatformUser()->PlatformComputerName());
}

// Three 16 px icons, the middle one blank.
Ref<TPixmap> ThreeIcons() {
    auto image = TPixmap::Create(48, 16, 6, 4);
    image->ClearPixels(static_cast<int>(0xFFC0C0C0u));
    for (int icon : {0, 2})
        image->WritePixel(icon * 16 + 5, 7, static_cast<int>(0xFF2040A0u));
    return image;
}

TEST_F(ServicesTest, AnIconStripCutsItsImageIntoSquareIcons) {
    const auto strip = OpenIconStrip(ThreeIcons());
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->count, 3);
    for (int index = 0; index < 3; ++index) {
        const auto icon = IconStripPixmap(strip, index);
        ASSERT_NE(icon, nullptr) << "icon " << index;
        EXPECT_EQ(icon->width, 16);
        EXPECT_EQ(icon->height, 16);
        EXPECT_EQ(static_cast<unsigned>(icon->ReadPixel(5, 7)),
                  index == 1 ? 0xFFC0C0C0u : 0xFF2040A0u)
            << "icon " << index;
    }
    EXPECT_EQ(IconStripPixmap(strip, 3), nullptr);
    const auto whole = IconStripPixmap(strip, -1);
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->width, 48);
    EXPECT_EQ(IconStripPixmap(nullptr, 0), nullptr);
}

TEST_F(ServicesTest, AnImageNarrowerThanItIsHighIsNoStrip) {
    EXPECT_EQ(OpenIconStrip(TPixmap::Create(15, 16, 6, 4)), nullptr);
    EXPECT_EQ(OpenIconStrip(Object()), nullptr);
    EXPECT_EQ(OpenIconStrip(Box(String(u"keine Karten.png"))), nullptr);
    // A remainder narrower than an icon is no icon.
    const auto strip = OpenIconStrip(TPixmap::Create(40, 16, 6, 4));
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->count, 2);
    EXPECT_EQ(IconStripPixmap(strip, 2), nullptr);
}

TEST_F(ServicesTest, ACanvasTakesTheDefaultGraphicsFlagsOfItsMaking) {
    const auto window = CreateWindow(u"Leinwand", 40, 40, 240, 160, Desktop(), 557);
    const int before = DefaultGraphicsFlags();
    SetDefaultGraphicsFlags(3);
    EXPECT_EQ(DefaultGraphicsFlags(), 3);
    const auto early = CreateCanvas(0, 0, 50, 50, window, 0);
    SetDefaultGraphicsFlags(before);
    const auto late = CreateCanvas(60, 0, 50, 50, window, 0);
    const auto painterOf = [](const Ref<TGadget>& canvas) {
        return Cast<TCanvasPainter>(canvas->CanvasGraphics());
    };
    ASSERT_NE(painterOf(early), nullptr);
    ASSERT_NE(painterOf(late), nullptr);
    EXPECT_EQ(painterOf(early)->Flags(), 3);
    EXPECT_EQ(painterOf(late)->Flags(), before);
    EXPECT_EQ(DefaultGraphicsFlags(), before);
    FreeGadget(window);
    Drain();
}

} // namespace
} // namespace vandro
