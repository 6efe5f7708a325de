// Text fields and areas, sliders, progress bars, web views and canvases: what they keep and
// the events the user's actions raise.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessCanvas.h"
#include "gui/headless/HeadlessTextArea.h"
#include "gui/headless/HeadlessTextField.h"

#include "gui/GadgetCore.h"

namespace vandro {
namespace {

using TextTreeTest = HeadlessWindowTest;

// Lets every character through but "x".
int RefuseX(const Ref<TEvent>& event, const Object&) { return event->data == u'x' ? 0 : 1; }

TEST_F(TextTreeTest, TypingRaisesOneActionPerCharacterAndTheFilterSwallowsWhatItRefuses) {
    const Ref<TGadget> field = CreateTextField(0, 0, 100, 20, window, 0);
    SetGadgetText(field, u"ab");
    EXPECT_TRUE(events.Take().empty());
    SetGadgetFilter(field, &RefuseX, nullptr);
    FocusGadget(field);
    EXPECT_EQ(UserTypeText(field, u"cxd"), 2);
    EXPECT_EQ(events.TakeIds(), (std::vector<int>{GadgetAction, GadgetAction}));
    EXPECT_EQ(TextFieldText(field), u"cd");

    const Ref<TGadget> other = CreateTextField(0, 30, 100, 20, window, 0);
    UserFocus(other);
    EXPECT_EQ(OnlyEvent(GadgetLostFocus)->source, field);
    EXPECT_EQ(FocusedGadget(), other);
}

TEST_F(TextTreeTest, ATextFieldKeepsItsCaretThroughAProgramTextChange) {
    const Ref<TGadget> field = CreateTextField(0, 0, 100, 20, window, 1);
    const auto shown = Cast<THeadlessTextField>(field);
    SetGadgetText(field, u"secret");
    EXPECT_EQ(shown->ShownText(), String(6, u'\u25CF'));
    UserTypeText(field, u"!");
    EXPECT_EQ(GadgetText(field), u"!secret");
    SetGadgetText(field, u"abc");
    EXPECT_EQ(shown->_selstart, 1);
    UserTypeText(field, u"d");
    EXPECT_EQ(GadgetText(field), u"adbc");
}

TEST_F(TextTreeTest, KeySensitiveFieldsReportTheirCharactersBeforeTheChange) {
    const Ref<TGadget> field = CreateTextField(0, 0, 100, 20, window, 0);
    SetGadgetSensitivity(field, SensitiveKeys);
    UserTypeText(field, u"q");
    const auto typed = events.Take();
    ASSERT_EQ(typed.size(), 2u);
    EXPECT_EQ(typed[0]->id, KeyChar);
    EXPECT_EQ(typed[0]->data, u'q');
    EXPECT_EQ(typed[1]->id, GadgetAction);
}

TEST_F(TextTreeTest, ATextAreaCountsInCharactersOrLines) {
    const Ref<TGadget> area = CreateTextArea(0, 0, 200, 100, window, 0);
    SetTextAreaText(area, u"one\r\ntwo\rthree\n");
    EXPECT_EQ(TextAreaText(area), u"one\ntwo\nthree\n");
    EXPECT_EQ(TextAreaLength(area), 14);
    EXPECT_EQ(TextAreaLength(area, TextLines), 4);
    EXPECT_EQ(TextAreaText(area, 1, 1, TextLines), u"two\n");
    EXPECT_EQ(TextAreaCharAt(area, 2), 8);
    EXPECT_EQ(TextAreaCharAt(area, 9), -1);
    EXPECT_EQ(TextAreaLineAt(area, 9), 2);
    SetTextAreaText(area, u"TWO", 1, 1, TextLines);
    EXPECT_EQ(TextAreaText(area), u"one\nTWOthree\n");
    AddTextAreaText(area, u"end");
    EXPECT_EQ(TextAreaCursor(area), 16);
    SelectTextAreaText(area, 4, 3);
    EXPECT_EQ(TextAreaSelectionLength(area), 3);
    EXPECT_TRUE(events.Take().empty());
    // Characters of the default 8-point font are 6 pixels wide on lines 11 pixels high.
    EXPECT_EQ(TextAreaCharX(area, 6), 12);
    EXPECT_EQ(TextAreaCharY(area, 6), 11);
}

TEST_F(TextTreeTest, ATextAreaRaisesChangesAndSelectionsExceptWhileLocked) {
    const Ref<TGadget> area = CreateTextArea(0, 0, 200, 100, window, 0);
    UserTypeText(area, u"hi");
    EXPECT_EQ(events.TakeIds(),
              (std::vector<int>{GadgetAction, GadgetSelect, GadgetAction, GadgetSelect}));
    LockTextArea(area);
    UserTypeText(area, u"!");
    Cast<THeadlessTextArea>(area)->UserSelect(0, 1);
    EXPECT_TRUE(events.Take().empty());
    UnlockTextArea(area);
    Cast<THeadlessTextArea>(area)->UserSelect(0, 2);
    EXPECT_EQ(OnlyEvent(GadgetSelect)->source, area);
    CopyGadgetText(area);
    SelectTextAreaText(area, 3, 0);
    PasteGadgetText(area);
    EXPECT_EQ(TextAreaText(area), u"hi!hi");
    EXPECT_EQ(OnlyEvent(GadgetAction)->source, area);

    const Ref<TGadget> readOnly = CreateTextArea(0, 0, 200, 100, window, 2);
    EXPECT_EQ(UserTypeText(readOnly, u"no"), 0);
    EXPECT_EQ(TextAreaText(readOnly), u"");
}

TEST_F(TextTreeTest, SlidersKeepTheirValueInTheirRange) {
    const Ref<TGadget> scroll = CreateSlider(0, 0, 100, 20, window, 1);
    SetSliderRange(scroll, 10, 100);
    SetSliderValue(scroll, 95);
    EXPECT_EQ(SliderValue(scroll), 90);
    UserMoveSlider(scroll, -5);
    EXPECT_EQ(OnlyEvent(GadgetAction)->data, 0);

    const Ref<TGadget> track = CreateSlider(0, 30, 100, 20, window, 4);
    SetSliderRange(track, 10, 20);
    SetSliderValue(track, 5);
    EXPECT_EQ(SliderValue(track), 10);

    const Ref<TGadget> none = CreateSlider(0, 60, 100, 20, window, 12);
    EXPECT_EQ(QueryGadget(none, 1), 0);
    EXPECT_EQ(UserMoveSlider(none, 1), 0);
}

TEST_F(TextTreeTest, AWebViewIsBusyUntilThePumpFinishesEachLoad) {
    const Ref<TGadget> view = CreateHTMLView(0, 0, 200, 200, window, 0);
    EXPECT_EQ(HTMLViewAddress(view), u"about:blank");
    NavigateHTMLView(view, u"a.html");
    EXPECT_TRUE(events.Take().empty());
    EXPECT_EQ(HTMLViewStatus(view), 1);
    // A newer navigation replaces the one still loading: one load finishes.
    UserFollowLink(view, u"b.html");
    Drain();
    EXPECT_EQ(OnlyEvent(GadgetDone)->source, view);
    EXPECT_EQ(HTMLViewStatus(view), 0);
    HTMLViewBack(view);
    EXPECT_EQ(HTMLViewAddress(view), u"a.html");
    EXPECT_EQ(HTMLViewStatus(view), 1);
    Drain();
    EXPECT_EQ(OnlyEvent(GadgetDone)->source, view);
    HTMLViewForward(view);
    Drain();
    EXPECT_EQ(HTMLViewAddress(view), u"b.html");
    events.Take();
    HTMLViewForward(view);
    Drain();
    EXPECT_TRUE(events.Take().empty());
    // A view freed while loading raises nothing.
    NavigateHTMLView(view, u"c.html");
    FreeGadget(view);
    Drain();
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(TextTreeTest, ACanvasPaintsOnRequestAndKeepsItsGraphicsFlags) {
    SetDefaultGraphicsFlags(6);
    const Ref<TGadget> canvas = CreateCanvas(0, 0, 100, 100, window, 0);
    SetDefaultGraphicsFlags(0);
    EXPECT_EQ(GadgetClass(canvas), ClassCanvas);
    EXPECT_EQ(Cast<THeadlessCanvas>(canvas)->_graphicsflags, 6);
    EXPECT_EQ(GadgetSensitivity(canvas), SensitiveMouse | SensitiveKeys);
    RedrawGadget(canvas);
    EXPECT_EQ(Cast<THeadlessCanvas>(canvas)->_invalid, 1);
    UserPaintCanvas(canvas);
    EXPECT_EQ(OnlyEvent(GadgetPaint)->source, canvas);
    EXPECT_EQ(Cast<THeadlessCanvas>(canvas)->_invalid, 0);
}

} // namespace
} // namespace vandro
