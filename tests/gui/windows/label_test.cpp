// Labels on real static controls: alignment and frame styles, ampersands shown as they are, the
// separator's 2 pixels and its text that never changes, colours from the parent's painting.
#include "window_fixture.h"

namespace vandro {
namespace {

using LabelTest = WindowGadgetsTest;

std::wstring NativeText(const Ref<TGadget>& label) {
    wchar_t text[64] = {};
    GetWindowTextW(ElementOf(label), text, 64);
    return text;
}

TEST_F(LabelTest, AlignmentAndFrameStylesBecomeNativeStaticStyles) {
    const struct {
        int style;
        LONG type;
        LONG extra;
    } cases[] = {{0, SS_LEFT, 0},
                 {LabelRightAligned, SS_RIGHT, 0},
                 {LabelCentred, SS_CENTER, 0},
                 {LabelRightAligned | LabelCentred, SS_LEFT, 0},
                 {LabelPlainFrame, SS_LEFT, WS_BORDER},
                 {LabelSunkenFrame | LabelCentred, SS_CENTER, SS_SUNKEN}};
    for (const auto& test : cases) {
        const Ref<TGadget> label = CreateLabel(u"x", 0, 0, 80, 20, window, test.style);
        const LONG native = Style(label);
        EXPECT_EQ(native & SS_TYPEMASK, test.type) << test.style;
        EXPECT_EQ(native & (WS_BORDER | SS_SUNKEN), test.extra) << test.style;
        EXPECT_EQ(native & 0x44000180, 0x44000180) << test.style;
        EXPECT_EQ(PlatformUser()->ShownLabelStyle(label),
                  test.style == (LabelRightAligned | LabelCentred) ? 0 : test.style);
        FreeGadget(label);
    }
}

TEST_F(LabelTest, AnAmpersandIsShownAsItIs) {
    const Ref<TGadget> label = CreateLabel(u"Tom & Jerry", 0, 0, 120, 20, window, 0);
    EXPECT_TRUE(Style(label) & SS_NOPREFIX);
    EXPECT_EQ(NativeText(label), L"Tom & Jerry");
}

TEST_F(LabelTest, ASeparatorIsTwoPixelsAcrossItsShorterSideAndShowsNoText) {
    const Ref<TGadget> across = CreateLabel(u"a", 10, 10, 100, 20, window, LabelSeparator);
    EXPECT_EQ(GadgetWidth(across), 100);
    EXPECT_EQ(GadgetHeight(across), 2);
    RECT frame{};
    GetWindowRect(ElementOf(across), &frame);
    EXPECT_EQ(frame.bottom - frame.top, 2);
    EXPECT_EQ(frame.right - frame.left, 100);
    const Ref<TGadget> down = CreateLabel(u"b", 10, 40, 3, 50, window, LabelSeparator);
    EXPECT_EQ(GadgetWidth(down), 2);
    EXPECT_EQ(GadgetHeight(down), 50);
    EXPECT_EQ(Style(across) & SS_TYPEMASK, SS_GRAYRECT);
    EXPECT_EQ(NativeText(across), L"");
    SetGadgetText(across, u"text");
    EXPECT_EQ(NativeText(across), L"");
    SetGadgetShape(across, 0, 0, 30, 200);
    EXPECT_EQ(GadgetWidth(across), 2);
    EXPECT_EQ(PlatformUser()->ShownLabelStyle(across), LabelSeparator);
}

TEST_F(LabelTest, ColoursAreTheOnesTheParentPaintsTheLabelWith) {
    const Ref<TGadget> label = CreateLabel(u"Spieler 1: 0", 0, 0, 145, 24, window, 0);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), -1);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), -1);
    SetGadgetTextColor(label, 255, 255, 255);
    SetGadgetColor(label, 15, 15, 15);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 0xFFFFFF);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), 0x0F0F0F);
    RedrawWindow(ElementOf(window), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const WindowCapture capture(ElementOf(window));
    EXPECT_EQ(capture.ClientPixel(ElementOf(label), 140, 2), 0x0F0F0F);
    EXPECT_GT(capture.Count(ElementOf(label), RECT{0, 0, 145, 24}, 0xFFFFFF), 5);
    RemoveGadgetColor(label);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), -1);
}

} // namespace
} // namespace vandro
