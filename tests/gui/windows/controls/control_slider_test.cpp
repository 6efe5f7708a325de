// Sliders and progress bars on Win32: ranges and values in the controls, real clicks and keys
// raising one "GadgetAction" with the new value per move, the program's own value raising
// nothing, an unknown kind making no control, and tear-down.
#include "control_fixture.h"

#include "gui/windows/WindowsSlider.h"

namespace vandro {
namespace {

using SliderTest = WindowsControlTest;

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT point{x, y};
    ClientToScreen(hwnd, &point);
    return point;
}

TEST_F(SliderTest, ProgressBarShowsHundredthsAndItsColours) {
    auto bar = CreateProgressBar(10, 10, 200, 20, window, 0);
    EXPECT_EQ(GadgetClass(bar), ClassProgressBar);
    const HWND hwnd = Hwnd(bar);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & 0x44000001, 0x44000001);
    SetProgressValue(bar, 0.5f);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETPOS, 0, 0), 50);
    SetProgressValue(bar, 0.999f);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETPOS, 0, 0), 99);
    SetProgressValue(bar, 1.5f);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETPOS, 0, 0), 100);
    SetProgressValue(bar, -0.5f);
    EXPECT_EQ(SendMessageW(hwnd, PBM_GETPOS, 0, 0), 0);
    SetGadgetColor(bar, 0, 0, 255);
    SetGadgetTextColor(bar, 255, 0, 0);
    // Each setter answers the colour the control had: the ones the gadget gave it.
    EXPECT_EQ(SendMessageW(hwnd, PBM_SETBKCOLOR, 0, 0x00FF0000), 0x00FF0000);
    EXPECT_EQ(SendMessageW(hwnd, PBM_SETBARCOLOR, 0, 0x000000FF), 0x000000FF);
    FreeGadget(bar);
}

TEST_F(SliderTest, ScrollBarRangeAndArrowClick) {
    auto slider = CreateSlider(10, 10, 20, 200, window, SliderScrollBar);
    const HWND hwnd = Hwnd(slider);
    EXPECT_NE(GetWindowLongW(hwnd, GWL_STYLE) & SBS_VERT, 0);
    SetSliderRange(slider, 10, 100);
    SCROLLINFO info{sizeof info, SIF_ALL};
    SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(info.nPage, 10u);
    SetSliderValue(slider, 5);
    PumpPending();
    events.Take();
    EXPECT_EQ(SliderValue(slider), 5);
    ClickAt(Hwnd(window), ScreenPoint(hwnd, 10, 195));
    PumpFor(50);
    auto actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 6);
    EXPECT_EQ(actions[0]->source, slider);
    ClickAt(Hwnd(window), ScreenPoint(hwnd, 10, 150));
    PumpFor(50);
    actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u) << "a page down";
    EXPECT_EQ(actions[0]->data, 16);
    FreeGadget(slider);
}

TEST_F(SliderTest, TrackbarMovesWithKeys) {
    auto slider = CreateSlider(10, 10, 200, 30, window, SliderTrackBar | SliderHorizontal);
    const HWND hwnd = Hwnd(slider);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & TBS_VERT, 0);
    EXPECT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_COMPOSITED, 0);
    SetSliderRange(slider, 0, 10);
    EXPECT_EQ(SendMessageW(hwnd, TBM_GETRANGEMAX, 0, 0), 10);
    ClickAt(Hwnd(window), ScreenPoint(hwnd, 1, 1));
    SetSliderValue(slider, 3);
    SetFocus(hwnd);
    PumpFor(30);
    events.Take();
    TypeKey(VK_RIGHT);
    PumpFor(30);
    auto actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 4);
    TypeKey(VK_END);
    PumpFor(30);
    actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 10);
    EXPECT_EQ(SliderValue(slider), 10);
    FreeGadget(slider);
}

TEST_F(SliderTest, StepperStepsWithClicks) {
    auto slider = CreateSlider(10, 10, 20, 40, window, SliderStepper);
    const HWND hwnd = Hwnd(slider);
    SetSliderRange(slider, 0, 5);
    SetSliderValue(slider, 2);
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), ScreenPoint(hwnd, 10, 5));
    PumpFor(50);
    auto actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 3);
    ClickAt(Hwnd(window), ScreenPoint(hwnd, 10, 35));
    PumpFor(50);
    actions = Taken({GadgetAction});
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->data, 2);
    FreeGadget(slider);
}

TEST_F(SliderTest, UnknownKindMakesNoControlAndKeepsItsValue) {
    auto slider = CreateSlider(10, 10, 20, 40, window, 12);
    EXPECT_EQ(GadgetClass(slider), ClassSlider);
    EXPECT_EQ(slider->Query(1), 0);
    SetSliderRange(slider, 0, 5);
    SetSliderValue(slider, 4);
    EXPECT_EQ(SliderValue(slider), 4);
    EXPECT_EQ(TWindowsGUIDriver::GadgetFromHwnd(nullptr), nullptr);
    FreeGadget(slider);
}

TEST_F(SliderTest, HundredCyclesOfEachKindLeaveNothing) {
    std::vector<HWND> handles;
    for (int i = 0; i < 100; ++i) {
        for (int style : {0, 1, 4, 5, 8, 9}) {
            auto slider = CreateSlider(0, 0, 30, 30, window, style);
            SetSliderRange(slider, 1, 9);
            handles.push_back(Hwnd(slider));
            FreeGadget(slider);
        }
        auto bar = CreateProgressBar(0, 0, 30, 10, window, 0);
        SetGadgetColor(bar, 1, 2, 3);
        handles.push_back(Hwnd(bar));
        FreeGadget(bar);
    }
    ExpectDestroyed(handles);
}

} // namespace
} // namespace vandro
