// The slider's rules every platform shares, over a native half kept in memory that reports each
// value it is given as a move, as a native element does: the kind from the style, each kind's
// range held at both ends, the program's own changes raising nothing, and a user's move raising
// its value once, never for a move that leaves the value where it was.
#include "EventRecorder.h"

#include "gui/ToolkitStart.h"
#include "gui/kinds/PlatformSlider.h"

#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace vandro {
namespace {

class TSliderElement : public TPlatformGadget {
  public:
    int isControl() override { return 1; }

  protected:
    // The element exists from the start.
    int NativeHandle(int) override { return 1; }
};

class TMemorySlider : public TPlatformSlider<TSliderElement> {
  public:
    explicit TMemorySlider(int style) { TakeStyle(style); }

    std::vector<String> calls;
    int shown = 0;
    // The element holds its value at most this high, as a scroll bar without a page does.
    int nativeHighest = 1 << 30;

  protected:
    void ShowRange(int lowest, int highest) override {
        calls.push_back(u"Range " + IntText(lowest) + u" " + IntText(highest) + u" at " +
                        IntText(_value));
        ShowValue(_value);
    }
    void ShowValue(int value) override {
        shown = std::min(value, nativeHighest);
        UserMoved(shown);
    }
    int NativeValue() override { return shown; }
};

class PlatformSliderTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartToolkit(); }
    void TearDown() override { events.Take(); }
    Ref<TMemorySlider> Make(int style) {
        auto slider = New<TMemorySlider>(style);
        slider->Sensitize();
        return slider;
    }
    std::vector<int> TakeData() {
        std::vector<int> data;
        for (const auto& event : events.Take()) {
            EXPECT_EQ(event->id, GadgetAction);
            data.push_back(event->data);
        }
        return data;
    }

    EventRecorder events;
};

TEST_F(PlatformSliderTest, EachKindHoldsItsValueAtBothEndsOfItsRange) {
    const auto scroll = Make(SliderScrollBar | SliderHorizontal);
    const auto track = Make(SliderTrackBar);
    const auto stepper = Make(SliderStepper | SliderHorizontal | 2);
    EXPECT_EQ(scroll->_ishorizontal, 1);
    EXPECT_EQ(track->_ishorizontal, 0);
    EXPECT_EQ(stepper->_slidertype, SliderStepper);
    EXPECT_EQ(scroll->Class(), ClassSlider);
    EXPECT_EQ(std::vector<int>({scroll->isTabbable(), track->isTabbable(), stepper->isTabbable()}),
              (std::vector<int>{0, 1, 0}));
    scroll->SetRange(10, 100);
    track->SetRange(10, 20);
    stepper->SetRange(-5, 5);
    const std::pair<Ref<TMemorySlider>, std::pair<int, int>> ends[] = {
        {scroll, {0, 90}}, {track, {10, 20}}, {stepper, {-5, 5}}};
    for (const auto& [slider, end] : ends) {
        slider->SetProp(end.first - 1);
        EXPECT_EQ(slider->GetProp(), end.first);
        slider->SetProp(end.second + 1);
        EXPECT_EQ(slider->GetProp(), end.second);
        EXPECT_EQ(slider->shown, end.second);
    }
    // A new range takes the value in; one that ends below where it starts collapses to it.
    track->SetRange(0, 15);
    EXPECT_EQ(track->GetProp(), 15);
    track->SetRange(30, 25);
    EXPECT_EQ(track->GetProp(), 30);
    EXPECT_EQ(track->calls, (std::vector<String>{u"Range 10 20 at 10", u"Range 0 15 at 15",
                                                 u"Range 30 30 at 30"}));
    // The program's own changes raise nothing, though the element reports them.
    EXPECT_EQ(TakeData(), std::vector<int>{});
}

TEST_F(PlatformSliderTest, AUsersMoveRaisesItsValueOnceAndAnUnchangedOneNothing) {
    const auto track = Make(SliderTrackBar);
    track->SetRange(0, 10);
    track->SetProp(4);
    track->UserMoved(4);
    track->UserMoved(7);
    track->UserMoved(7);
    track->UserMoved(99);
    track->UserMoved(12);
    track->UserMoved(-3);
    EXPECT_EQ(TakeData(), (std::vector<int>{7, 10, 0}));
    EXPECT_EQ(track->_value, 0);
}

TEST_F(PlatformSliderTest, TheValueTheElementHoldsIsTheOneKept) {
    const auto scroll = Make(SliderScrollBar);
    scroll->nativeHighest = 9;
    scroll->SetRange(0, 10);
    scroll->SetProp(10);
    EXPECT_EQ(scroll->_value, 9);
    EXPECT_EQ(scroll->GetProp(), 9);
    scroll->UserMoved(9);
    EXPECT_EQ(TakeData(), std::vector<int>{});
}

} // namespace
} // namespace vandro
