// Text fields: what typing raises and leaves, the key filter, password fields, the program's
// own text and the focus leaving.
#include "KindFixture.h"

namespace vandro {
namespace {

using TextFieldTest = KindTest;

// Lets every character through but "x"; counts the characters it was asked about.
int RefuseX(const Ref<TEvent>& event, const Object& context) {
    if (event->id == KeyChar)
        ++Cast<TCount>(context)->value;
    return event->id == KeyChar && event->data == u'x' ? 0 : 1;
}

// Refuses every character; counts them.
int RefuseCharacters(const Ref<TEvent>& event, const Object& context) {
    if (event->id != KeyChar)
        return 1;
    ++Cast<TCount>(context)->value;
    return 0;
}

TEST_F(TextFieldTest, TypingRaisesActionsAndTheProgramsTextNone) {
    const auto field = CreateTextField(10, 10, 200, 26, window, 0);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(field, u"Ab1"), 1);
    // The queue keeps the latest of a burst of actions.
    EXPECT_EQ(IdsFrom(field), std::vector<int>{GadgetAction});
    EXPECT_EQ(TextFieldText(field), u"Ab1");
    EXPECT_EQ(PlatformUser()->ShownText(field), u"Ab1");
    SetGadgetText(field, u"neu");
    EXPECT_EQ(IdsFrom(field), std::vector<int>{});
    EXPECT_EQ(PlatformUser()->ShownText(field), u"neu");
    // Typing goes on after the program's text.
    ASSERT_EQ(PlatformUser()->TypeText(field, u"!"), 1);
    EXPECT_EQ(TextFieldText(field), u"neu!");
}

TEST_F(TextFieldTest, TheFilterSeesEachCharacterAndSwallowsWhatItRefuses) {
    const auto field = CreateTextField(10, 10, 200, 26, window, 0);
    const auto asked = New<TCount>();
    SetGadgetFilter(field, &RefuseX, asked);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(field, u"axbx"), 1);
    EXPECT_EQ(asked->value, 4);
    EXPECT_EQ(TextFieldText(field), u"ab");
    EXPECT_EQ(IdsFrom(field), std::vector<int>{GadgetAction});
    ASSERT_EQ(PlatformUser()->TypeText(field, u"x"), 1);
    EXPECT_EQ(asked->value, 5);
    EXPECT_EQ(TextFieldText(field), u"ab");
    EXPECT_EQ(IdsFrom(field), std::vector<int>{});
}

TEST_F(TextFieldTest, APasswordFieldShowsNoneOfItsCharacters) {
    const auto field = CreateTextField(10, 10, 200, 26, window, TextFieldPassword);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(field, u"geheim"), 1);
    EXPECT_EQ(TextFieldText(field), u"geheim");
    const String shown = PlatformUser()->ShownText(field);
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown, String(6, shown[0]));
    EXPECT_EQ(String(u"geheim").find(shown[0]), String::npos);
}

TEST_F(TextFieldTest, APasswordFieldHidesTheProgramsTextToo) {
    const auto field = CreateTextField(10, 10, 200, 26, window, TextFieldPassword);
    SetGadgetText(field, u"abc");
    EXPECT_EQ(TextFieldText(field), u"abc");
    const String shown = PlatformUser()->ShownText(field);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(shown[0], u'a');
    EXPECT_EQ(shown, String(3, shown[0]));
    EXPECT_EQ(IdsFrom(field), std::vector<int>{});
}

TEST_F(TextFieldTest, ADisabledOrHiddenFieldTakesNoTyping) {
    const auto field = CreateTextField(10, 10, 200, 26, window, 0);
    SetGadgetText(field, u"fest");
    Drain();
    DisableGadget(field);
    EXPECT_EQ(PlatformUser()->TypeText(field, u"x"), 0);
    EnableGadget(field);
    HideGadget(field);
    EXPECT_EQ(PlatformUser()->TypeText(field, u"y"), 0);
    EXPECT_EQ(TextFieldText(field), u"fest");
    EXPECT_EQ(Count(IdsFrom(field), GadgetAction), 0);
}

TEST_F(TextFieldTest, AFreedFieldHasNoTextAndTakesNone) {
    const auto field = CreateTextField(10, 10, 200, 26, window, 0);
    SetGadgetText(field, u"weg");
    FreeGadget(field);
    EXPECT_EQ(PlatformUser()->Exists(field), 0);
    EXPECT_EQ(PlatformUser()->TypeText(field, u"x"), 0);
    SetGadgetText(field, u"neu");
    EXPECT_EQ(PlatformUser()->ShownText(field), u"");
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(TextFieldTest, AFilterThatRefusesEveryCharacterLeavesTheFieldUnchanged) {
    const auto field = CreateTextField(10, 10, 200, 26, window, 0);
    SetGadgetText(field, u"alt");
    const auto asked = New<TCount>();
    SetGadgetFilter(field, &RefuseCharacters, asked);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(field, u"neu"), 1);
    EXPECT_EQ(asked->value, 3);
    EXPECT_EQ(TextFieldText(field), u"alt");
    EXPECT_EQ(IdsFrom(field), std::vector<int>{});
    // Without the filter the keys reach the field again.
    SetGadgetFilter(field, {}, {});
    ASSERT_EQ(PlatformUser()->TypeText(field, u"!"), 1);
    EXPECT_EQ(TextFieldText(field), u"alt!");
    EXPECT_EQ(asked->value, 3);
}

TEST_F(TextFieldTest, TheFieldTheFocusLeavesRaisesLostFocus) {
    const auto first = CreateTextField(10, 10, 200, 26, window, 0);
    const auto second = CreateTextField(10, 50, 200, 26, window, 0);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(first, u"a"), 1);
    Take();
    ASSERT_EQ(PlatformUser()->TypeText(second, u"b"), 1);
    const auto events = Take();
    int lost = 0;
    for (const auto& event : events)
        if (event->id == GadgetLostFocus) {
            EXPECT_EQ(event->source, first);
            ++lost;
        }
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(TextFieldText(first), u"a");
    EXPECT_EQ(TextFieldText(second), u"b");
}

} // namespace
} // namespace vandro
