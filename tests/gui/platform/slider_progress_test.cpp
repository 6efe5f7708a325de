// Sliders and progress bars: the ranges of the three slider kinds, the user's drags and arrow
// presses raising the new value, the program's own values raising nothing, and the percent a
// progress bar shows.
#include "KindFixture.h"

namespace vandro {
namespace {

using SliderTest = KindTest;

TEST_F(SliderTest, DraggingAScrollBarsThumbToAnEndRaisesTheEndsValue) {
    const auto bar = CreateSlider(10, 10, 240, 20, window, SliderScrollBar | SliderHorizontal);
    SetSliderRange(bar, 10, 100);
    SetSliderValue(bar, 95);
    EXPECT_EQ(SliderValue(bar), 90);
    SetSliderValue(bar, 40);
    Drain();
    ASSERT_EQ(PlatformUser()->DragSlider(bar, 1), 1);
    auto events = Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back()->id, GadgetAction);
    EXPECT_EQ(events.back()->source, bar);
    EXPECT_EQ(events.back()->data, 90);
    EXPECT_EQ(SliderValue(bar), 90);
    ASSERT_EQ(PlatformUser()->DragSlider(bar, 0), 1);
    events = Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back()->data, 0);
    EXPECT_EQ(SliderValue(bar), 0);
}

TEST_F(SliderTest, DraggingATrackbarToAnEndRaisesTheEndsValue) {
    const auto track = CreateSlider(10, 10, 40, 200, window, SliderTrackBar);
    SetSliderRange(track, 10, 20);
    SetSliderValue(track, 5);
    EXPECT_EQ(SliderValue(track), 10);
    SetSliderValue(track, 15);
    EXPECT_EQ(SliderValue(track), 15);
    Drain();
    ASSERT_EQ(PlatformUser()->DragSlider(track, 1), 1);
    const auto events = Take();
    ASSERT_FALSE(events.empty());
    for (const auto& event : events) {
        EXPECT_EQ(event->id, GadgetAction);
        EXPECT_GT(event->data, 15);
        EXPECT_LE(event->data, 20);
    }
    EXPECT_EQ(events.back()->data, 20);
    EXPECT_EQ(SliderValue(track), 20);
}

TEST_F(SliderTest, DraggingAHorizontalTrackbarToItsLowEndRaisesTheLowValue) {
    const auto track = CreateSlider(10, 10, 220, 40, window, SliderTrackBar | SliderHorizontal);
    SetSliderRange(track, 10, 20);
    SetSliderValue(track, 15);
    Drain();
    ASSERT_EQ(PlatformUser()->DragSlider(track, 0), 1);
    const auto events = Take();
    ASSERT_FALSE(events.empty());
    for (const auto& event : events) {
        EXPECT_EQ(event->source, track);
        EXPECT_LT(event->data, 15);
        EXPECT_GE(event->data, 10);
    }
    EXPECT_EQ(events.back()->data, 10);
    EXPECT_EQ(SliderValue(track), 10);
}

TEST_F(SliderTest, AStepperMovesByOneWithinItsRange) {
    const auto stepper = CreateSlider(10, 10, 20, 40, window, SliderStepper);
    SetSliderRange(stepper, 0, 2);
    SetSliderValue(stepper, 1);
    Drain();
    ASSERT_EQ(PlatformUser()->PressSliderArrow(stepper, 1), 1);
    auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->id, GadgetAction);
    EXPECT_EQ(events[0]->data, 2);
    // At the top the arrow moves nothing and raises nothing.
    ASSERT_EQ(PlatformUser()->PressSliderArrow(stepper, 1), 1);
    EXPECT_EQ(Take().size(), 0u);
    EXPECT_EQ(SliderValue(stepper), 2);
    ASSERT_EQ(PlatformUser()->PressSliderArrow(stepper, 0), 1);
    events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(SliderValue(stepper), 1);
}

TEST_F(SliderTest, AHorizontalStepperRaisesWithItsRightArrow) {
    const auto stepper = CreateSlider(10, 10, 40, 20, window, SliderStepper | SliderHorizontal);
    SetSliderRange(stepper, -5, 5);
    Drain();
    ASSERT_EQ(PlatformUser()->PressSliderArrow(stepper, 0), 1);
    const auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->data, -1);
}

TEST_F(SliderTest, AFreedSliderAnswersZeroAndTakesNoValue) {
    for (const int kind : {SliderScrollBar, SliderTrackBar, SliderStepper}) {
        const auto slider = CreateSlider(10, 10, 40, 100, window, kind);
        SetSliderRange(slider, 10, 20);
        SetSliderValue(slider, 5);
        ASSERT_EQ(SliderValue(slider), 5 + (kind == SliderScrollBar ? 0 : 5));
        FreeGadget(slider);
        EXPECT_EQ(SliderValue(slider), 0);
        SetSliderRange(slider, 0, 100);
        SetSliderValue(slider, 7);
        EXPECT_EQ(SliderValue(slider), 0);
    }
    // A slider of no known kind has no element to free, and keeps its value.
    const auto none = CreateSlider(10, 10, 40, 100, window, 12);
    SetSliderRange(none, 0, 5);
    SetSliderValue(none, 4);
    EXPECT_EQ(SliderValue(none), 4);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(SliderTest, AScrollBarRunsToTotalLessVisibleAndTheProgramsValuesRaiseNothing) {
    const auto bar = CreateSlider(10, 10, 20, 200, window, SliderScrollBar);
    SetSliderRange(bar, 20, 100);
    SetSliderValue(bar, 90);
    EXPECT_EQ(SliderValue(bar), 80);
    SetSliderValue(bar, -3);
    EXPECT_EQ(SliderValue(bar), 0);
    SetSliderValue(bar, 80);
    // A smaller range moves the value into it.
    SetSliderRange(bar, 10, 50);
    EXPECT_EQ(SliderValue(bar), 40);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(SliderTest, ANewRangeMovesATrackbarsValueIntoItAndRaisesNothing) {
    const auto track = CreateSlider(10, 10, 200, 40, window, SliderTrackBar | SliderHorizontal);
    SetSliderRange(track, 0, 100);
    SetSliderValue(track, 70);
    SetSliderRange(track, 0, 50);
    EXPECT_EQ(SliderValue(track), 50);
    SetSliderRange(track, 60, 80);
    EXPECT_EQ(SliderValue(track), 60);
    SetSliderValue(track, 80);
    EXPECT_EQ(SliderValue(track), 80);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(SliderTest, ADisabledOrHiddenSliderCannotBeMoved) {
    const auto track = CreateSlider(10, 10, 200, 40, window, SliderTrackBar | SliderHorizontal);
    const auto stepper = CreateSlider(10, 60, 20, 40, window, SliderStepper);
    SetSliderRange(track, 0, 10);
    SetSliderRange(stepper, 0, 10);
    Drain();
    DisableGadget(track);
    DisableGadget(stepper);
    EXPECT_EQ(PlatformUser()->DragSlider(track, 1), 0);
    EXPECT_EQ(PlatformUser()->PressSliderArrow(stepper, 1), 0);
    EnableGadget(stepper);
    HideGadget(stepper);
    EXPECT_EQ(PlatformUser()->PressSliderArrow(stepper, 1), 0);
    EXPECT_EQ(SliderValue(track), 0);
    EXPECT_EQ(SliderValue(stepper), 0);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(SliderTest, AStepperRunsBelowZeroAndStopsAtItsLowEnd) {
    const auto stepper = CreateSlider(10, 10, 20, 40, window, SliderStepper);
    SetSliderRange(stepper, -2, 3);
    SetSliderValue(stepper, -1);
    Drain();
    ASSERT_EQ(PlatformUser()->PressSliderArrow(stepper, 0), 1);
    auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->source, stepper);
    EXPECT_EQ(events[0]->data, -2);
    ASSERT_EQ(PlatformUser()->PressSliderArrow(stepper, 0), 1);
    EXPECT_EQ(Take().size(), 0u);
    EXPECT_EQ(SliderValue(stepper), -2);
}

TEST_F(SliderTest, AProgressBarsValueRaisesNothingAndAFreedBarShowsNone) {
    const auto bar = CreateProgressBar(10, 10, 200, 20, window, 0);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 0);
    SetProgressValue(bar, 0.999f);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 99);
    SetProgressValue(bar, 0.5f);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 50);
    EXPECT_EQ(Take().size(), 0u);
    FreeGadget(bar);
    SetProgressValue(bar, 0.75f);
    EXPECT_EQ(PlatformUser()->Exists(bar), 0);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 0);
}

TEST_F(SliderTest, AProgressBarShowsWholePercentsWithinTheBar) {
    const auto bar = CreateProgressBar(10, 10, 200, 20, window, 0);
    SetProgressValue(bar, 0.456f);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 45);
    SetProgressValue(bar, 7.0f);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 100);
    SetProgressValue(bar, -0.5f);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 0);
    SetProgressValue(bar, 1.0f);
    EXPECT_EQ(PlatformUser()->ShownProgress(bar), 100);
    Drain();
}

} // namespace
} // namespace vandro
