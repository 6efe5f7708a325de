// Fonts from name, size and style, from a LOGFONT and from a handle; the size rules, the face
// GDI really gave, the font dialog.
#include "WindowsFixture.h"

#include "gui/ToolkitStart.h"
#include "gui/windows/WindowsFont.h"
#include "gui/windows/WindowsGUIDriver.h"

#include <cmath>

namespace vandro {
namespace {

LOGFONTW Described(const Ref<TWindowsFont>& font) {
    LOGFONTW lf{};
    GetObjectW(font->Hfont(), sizeof lf, &lf);
    return lf;
}

int Dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int ExpectedHeight(double points) { return -static_cast<int>(points * Dpi() / 72 + 0.5); }

class FontTest : public WindowsTest {};

TEST_F(FontTest, PointsBecomeCharacterHeights) {
    EXPECT_EQ(Described(New<TWindowsFont>()->Load(u"Arial", 12, 0)).lfHeight, ExpectedHeight(12));
    EXPECT_EQ(Described(New<TWindowsFont>()->Load(u"Arial", 9, 0)).lfHeight, ExpectedHeight(9));
    if (Dpi() == 96) {
        EXPECT_EQ(ExpectedHeight(12), -16);
        EXPECT_EQ(ExpectedHeight(9), -12);
    }
}

TEST_F(FontTest, FractionalSizeKeepsItsWholePointsButMeasuresFromTheFraction) {
    const Ref<TWindowsFont> font = New<TWindowsFont>()->Load(u"Arial", 8.9, 0);
    EXPECT_EQ(font->size, 8);
    EXPECT_EQ(Described(font).lfHeight, ExpectedHeight(8.9));
    EXPECT_EQ(CurrentDriver()->LoadFontWithDouble(u"Arial", 10.5, 0)->size, 10);
    EXPECT_EQ(CurrentDriver()->LoadFont(u"Arial", 11, 0)->size, 11);
}

TEST_F(FontTest, NameIsTheFaceGdiGave) {
    const Ref<TWindowsFont> arial = New<TWindowsFont>()->Load(u"arial", 10, 0);
    EXPECT_EQ(arial->name, TWindowsFont::NameFromHandle(arial->Hfont()));
    const Ref<TWindowsFont> missing = New<TWindowsFont>()->Load(u"No Such Face At All", 10, 0);
    EXPECT_NE(missing->name, u"No Such Face At All");
    EXPECT_FALSE(missing->name.empty());
    EXPECT_EQ(missing->name, TWindowsFont::NameFromHandle(missing->Hfont()));
}

TEST_F(FontTest, StyleBitsReachTheFont) {
    const Ref<TWindowsFont> font = New<TWindowsFont>()->Load(u"Arial", 10, 15);
    const LOGFONTW lf = Described(font);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(font->style, 15);
    const LOGFONTW plain = Described(New<TWindowsFont>()->Load(u"Arial", 10, 0));
    EXPECT_EQ(plain.lfWeight, FW_NORMAL);
    EXPECT_EQ(plain.lfItalic, 0);
}

TEST_F(FontTest, LogFontBringsItsOwnStyleAndSize) {
    LOGFONTW lf{};
    lf.lfHeight = ExpectedHeight(20);
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    wcscpy(lf.lfFaceName, L"Arial");
    const Ref<TWindowsFont> font = New<TWindowsFont>()->LoadFromLogFont(lf, 0, 0);
    EXPECT_EQ(font->style, FontBold | FontItalic);
    EXPECT_EQ(font->size, 20);
    EXPECT_EQ(font->name, u"Arial");
    EXPECT_EQ(Described(font).lfWeight, FW_BOLD);
    const Ref<TWindowsFont> sized = New<TWindowsFont>()->LoadFromLogFont(lf, FontUnderline, 9);
    EXPECT_EQ(sized->style, FontBold | FontItalic | FontUnderline);
    EXPECT_EQ(Described(sized).lfHeight, ExpectedHeight(9));
}

TEST_F(FontTest, HandleIsDescribedNotTakenOver) {
    const HFONT theirs =
        CreateFontW(ExpectedHeight(14), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    const Ref<TWindowsFont> font = New<TWindowsFont>()->LoadFromHandle(theirs);
    EXPECT_NE(font->Hfont(), theirs);
    EXPECT_EQ(font->size, 14);
    EXPECT_EQ(font->style, FontBold);
    EXPECT_EQ(GetObjectType(theirs), static_cast<DWORD>(OBJ_FONT));
    DeleteObject(theirs);
}

TEST_F(FontTest, WidthsAreMeasuredWithTheFont) {
    const Ref<TWindowsFont> font = New<TWindowsFont>()->Load(u"Arial", 20, 0);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font->Hfont());
    ABC abc{};
    GetCharABCWidthsW(screen, 'W', 'W', &abc);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(font->CharWidth('W'), abc.abcA + static_cast<int>(abc.abcB) + abc.abcC);
    EXPECT_GT(font->CharWidth('W'), font->CharWidth('i'));
    EXPECT_EQ(font->GetMaxCharWidth(), metrics.tmAveCharWidth);
}

TEST_F(FontTest, FontDeletesItsHandleWhenItGoes) {
    const long made = WindowsDriver().gdiMade - WindowsDriver().gdiReleased;
    HFONT handle = nullptr;
    {
        const Ref<TWindowsFont> font = New<TWindowsFont>()->Load(u"Arial", 10, 0);
        handle = font->Hfont();
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_FONT));
        font->Load(u"Arial", 11, 0);
        EXPECT_EQ(GetObjectType(handle), 0u);
        handle = font->Hfont();
    }
    EXPECT_EQ(GetObjectType(handle), 0u);
    EXPECT_EQ(WindowsDriver().gdiMade - WindowsDriver().gdiReleased, made);
}

TEST_F(FontTest, SystemKindIsTheDefaultFont) {
    const Ref<TGuiFont> system = CurrentDriver()->LibraryFont(1, 0, 0);
    EXPECT_EQ(system->name, TWindowsFont::SystemFont(0, 0)->name);
    EXPECT_EQ(CurrentDriver()->LibraryFont(1, 15, FontBold)->size, 15);
}

TEST_F(FontTest, CancelledFontDialogAnswersNull) {
    DialogDismisser cancel([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(CurrentDriver()->RequestFont({}));
}

TEST_F(FontTest, FontDialogStartsFromTheGivenFontAndAnswersTheChoice) {
    DialogDismisser ok([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); });
    const Ref<TWindowsFont> given = New<TWindowsFont>()->Load(u"Arial", 12, FontBold);
    const Ref<TGuiFont> chosen = CurrentDriver()->RequestFont(given);
    ASSERT_TRUE(chosen);
    // The face GDI gave for Arial, which the dialog started from.
    EXPECT_EQ(chosen->name, given->name);
    EXPECT_EQ(chosen->size, 12);
    EXPECT_EQ(chosen->style & FontBold, FontBold);
}

} // namespace
} // namespace vandro
