// Buttons on real native controls, clicked with the real mouse: the native styles of each
// kind, owner drawing once a colour is set, the drawn text centred and wrapped, grey when
// disabled, the check-box cycle, double clicks as two presses, image-only buttons.
#include "window_fixture.h"

#include "graphics/Pixmap.h"
#include "gui/windows/WindowsButton.h"

namespace vandro {
namespace {

using ButtonTest = WindowGadgetsTest;

LONG Kind(const Ref<TGadget>& button) {
    return GetWindowLongW(ElementOf(button), GWL_STYLE) & BS_TYPEMASK;
}

// 0xRRGGBB of a COLORREF.
int Screen(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// The bounding box, in client coordinates, of the pixels inside the area that differ from the
// background colour (or with equal, that have it); empty when there are none.
RECT Extent(const WindowCapture& capture, HWND hwnd, RECT area, int rgb, bool equal) {
    RECT found{area.right, area.bottom, -1, -1};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if ((capture.ClientPixel(hwnd, x, y) == rgb) == equal) {
                found.left = std::min<LONG>(found.left, x);
                found.top = std::min<LONG>(found.top, y);
                found.right = std::max<LONG>(found.right, x + 1);
                found.bottom = std::max<LONG>(found.bottom, y + 1);
            }
    return found;
}

WindowCapture Drawn(const Ref<TGadget>& window) {
    RedrawWindow(ElementOf(window), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(20);
    return WindowCapture(ElementOf(window));
}

TEST_F(ButtonTest, EachKindHasItsNativeStyleAndControlId) {
    const Ref<TGadget> push = CreateButton(u"p", 0, 0, 60, 24, window, ButtonPush);
    const Ref<TGadget> box = CreateButton(u"c", 0, 30, 60, 24, window, ButtonCheckBox);
    const Ref<TGadget> pushedBox =
        CreateButton(u"c", 0, 60, 60, 24, window, ButtonCheckBox | ButtonPushLike);
    const Ref<TGadget> radio = CreateButton(u"r", 0, 90, 60, 24, window, ButtonRadio);
    const Ref<TGadget> ok = CreateButton(u"OK", 0, 120, 60, 24, window, ButtonOk);
    const Ref<TGadget> cancel = CreateButton(u"X", 0, 150, 60, 24, window, ButtonCancel);
    EXPECT_EQ(Kind(push), BS_PUSHBUTTON);
    EXPECT_EQ(Kind(box), BS_3STATE);
    EXPECT_EQ(Kind(pushedBox), BS_3STATE);
    EXPECT_TRUE(Style(pushedBox) & BS_PUSHLIKE);
    EXPECT_EQ(Kind(radio), BS_RADIOBUTTON);
    EXPECT_EQ(Kind(ok), BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetDlgCtrlID(ElementOf(ok)), IDOK);
    EXPECT_EQ(GetDlgCtrlID(ElementOf(cancel)), IDCANCEL);
    EXPECT_EQ(GetDlgCtrlID(ElementOf(push)), 0);
    for (const auto& button : {push, box, radio, ok})
        EXPECT_EQ(Style(button) & 0x44012000, 0x44012000);
}

TEST_F(ButtonTest, OnlyAColourMakesAPushButtonOwnerDrawnAndATextColourKeepsTheSystemFace) {
    const Ref<TGadget> plain = CreateButton(u"A", 10, 10, 80, 40, window, ButtonPush);
    EXPECT_EQ(Kind(plain), BS_PUSHBUTTON);
    const Ref<TGadget> inked = CreateButton(u"B", 100, 10, 80, 40, window, ButtonPush);
    SetGadgetTextColor(inked, 200, 0, 0);
    EXPECT_EQ(Kind(inked), BS_OWNERDRAW);
    const WindowCapture capture = Drawn(window);
    EXPECT_EQ(capture.ClientPixel(ElementOf(inked), 5, 5), Screen(GetSysColor(COLOR_BTNFACE)));
    EXPECT_GT(capture.Count(ElementOf(inked), RECT{0, 0, 80, 40}, 0xC80000), 5);
    SetGadgetColor(inked, 0, 0, 255);
    RemoveGadgetColor(inked);
    EXPECT_EQ(Kind(inked), BS_PUSHBUTTON);
}

TEST_F(ButtonTest, OwnerDrawnTextIsWrappedAtWordsAndCentredBothWays) {
    const Ref<TGadget> centred = CreateButton(u"HH", 10, 10, 61, 81, window, ButtonPush);
    const Ref<TGadget> wrapped =
        CreateButton(u"Mmm Mmm Mmm Mmm", 80, 10, 61, 81, window, ButtonPush);
    for (const auto& button : {centred, wrapped}) {
        SetGadgetColor(button, 255, 255, 255);
        SetGadgetTextColor(button, 0, 0, 200);
    }
    const WindowCapture capture = Drawn(window);
    capture.SavePng("button-text.png");
    RECT area{};
    GetClientRect(ElementOf(centred), &area);
    // Inside the button's edges, whatever is not the white face is text.
    const RECT content{3, 3, area.right - 3, area.bottom - 3};
    const RECT ink = Extent(capture, ElementOf(centred), content, 0xFFFFFF, false);
    ASSERT_GT(ink.right, ink.left);
    // Centred to within what the glyphs' side bearings move the ink (left-aligned text would
    // leave 40 pixels on one side and 3 on the other).
    EXPECT_LE(std::abs(ink.left - (area.right - ink.right)), 4);
    // Below the letters is the room of the font's descent.
    EXPECT_GT(area.bottom - ink.bottom, ink.top - 3);
    EXPECT_LE(std::abs(ink.top - (area.bottom - ink.bottom)), 8);

    const RECT lines = Extent(capture, ElementOf(wrapped), content, 0xFFFFFF, false);
    ASSERT_GT(lines.right, lines.left);
    // Too long for one line: several lines, none past the content, and in the middle.
    EXPECT_GT(lines.bottom - lines.top, 2 * (ink.bottom - ink.top));
    EXPECT_GE(lines.left, content.left);
    EXPECT_LE(lines.right, content.right);
    EXPECT_NEAR((lines.top + lines.bottom) / 2, area.bottom / 2, 8);
}

TEST_F(ButtonTest, ADisabledOwnerDrawnButtonDrawsItsTextInTheSystemGrey) {
    const Ref<TGadget> button = CreateButton(u"WWW", 10, 10, 80, 40, window, ButtonPush);
    SetGadgetColor(button, 255, 255, 255);
    SetGadgetTextColor(button, 0, 0, 200);
    DisableGadget(button);
    const WindowCapture capture = Drawn(window);
    EXPECT_EQ(capture.Count(ElementOf(button), RECT{0, 0, 80, 40}, 0x0000C8), 0);
    EXPECT_GT(
        capture.Count(ElementOf(button), RECT{0, 0, 80, 40}, Screen(GetSysColor(COLOR_GRAYTEXT))),
        5);
}

TEST_F(ButtonTest, ADoubleClickIsTwoPresses) {
    const Ref<TGadget> button = CreateButton(u"Twice", 10, 10, 100, 40, window, ButtonPush);
    SetGadgetColor(button, 200, 200, 255);
    PumpFor(20);
    recorder.Take();
    DoubleClickAt(ElementOf(window), CentreOf(ElementOf(button)));
    PumpFor(200);
    int presses = 0;
    for (const auto& event : recorder.Take())
        presses += event->id == GadgetAction ? 1 : 0;
    EXPECT_EQ(presses, 2);
}

TEST_F(ButtonTest, TheMouseOverAButtonIsTrackedUntilItLeaves) {
    const Ref<TGadget> button = CreateButton(u"Hover", 10, 10, 100, 40, window, ButtonPush);
    SetGadgetColor(button, 200, 200, 255);
    const auto native = Cast<TWindowsButton>(button);
    SetForegroundWindow(ElementOf(window));
    MoveMouseTo(CentreOf(ElementOf(button)));
    PumpFor(50);
    EXPECT_EQ(native->_mouseoverbutton, 1);
    RECT frame{};
    GetWindowRect(ElementOf(button), &frame);
    MoveMouseTo(POINT{frame.right + 40, frame.bottom + 40});
    // The leave notice comes from the system's tracking timer.
    PumpFor(400);
    EXPECT_EQ(native->_mouseoverbutton, 0);
}

TEST_F(ButtonTest, AnImageOnlyButtonShowsItsImageAsABitmapButton) {
    const Ref<TGadget> button =
        CreateButton(u"Bild", 10, 10, 60, 40, window, ButtonPush | ButtonPushLike);
    const Ref<TPixmap> image = TPixmap::Create(16, 16, 6, 4);
    image->ClearPixels(static_cast<int>(0xFFFF0000));
    EXPECT_EQ(SetGadgetPixmap(button, image, 8 | 16), 1);
    EXPECT_TRUE(Style(button) & BS_BITMAP);
    EXPECT_EQ(SetGadgetPixmap(button, image, 8), 1);
    EXPECT_FALSE(Style(button) & BS_BITMAP);
}

} // namespace
} // namespace vandro
