// Text areas: typing, line breaks kept as line feeds, positions in characters and lines, the
// program's changes raising nothing, a read-only area, and cut, copy and paste with the
// clipboard's final line feed.
#include "KindFixture.h"

#include "gui/kinds/TextAreaRules.h"

namespace vandro {
namespace {

using TextAreaTest = KindTest;

// Lets every key through; counts the characters it was asked about.
int CountCharacters(const Ref<TEvent>& event, const Object& context) {
    if (event->id == KeyChar)
        ++Cast<TCount>(context)->value;
    return 1;
}

TEST_F(TextAreaTest, TypedLinesAreKeptWithLineFeedsAndRaiseActions) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(area, u"ab\ncd"), 1);
    EXPECT_EQ(TextAreaText(area), u"ab\ncd");
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 1);
    EXPECT_EQ(TextAreaLength(area), 5);
    EXPECT_EQ(TextAreaLength(area, TextLines), 2);
    EXPECT_EQ(TextAreaCharAt(area, 1), 3);
    EXPECT_EQ(TextAreaLineAt(area, 4), 1);
    EXPECT_EQ(TextAreaCursor(area), 5);
    EXPECT_EQ(TextAreaCursor(area, TextLines), 1);
}

TEST_F(TextAreaTest, TheProgramsTextCountsInCharactersOrLinesAndRaisesNothing) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, TextAreaWordWrap);
    Drain();
    SetTextAreaText(area, u"eins\r\nzwei\rdrei\n");
    EXPECT_EQ(TextAreaText(area), u"eins\nzwei\ndrei\n");
    EXPECT_EQ(TextAreaText(area, 1, 1, TextLines), u"zwei\n");
    EXPECT_EQ(TextAreaText(area, 2, -1, TextLines), u"drei\n");
    EXPECT_EQ(TextAreaText(area, 12, 99), u"ei\n");
    EXPECT_EQ(TextAreaText(area, 40, 2), u"");
    SetTextAreaText(area, u"ZWEI", 1, 4);
    EXPECT_EQ(TextAreaText(area), u"eZWEIzwei\ndrei\n");
    SetTextAreaText(area, u"2\n", 1, 1, TextLines);
    EXPECT_EQ(TextAreaText(area), u"eZWEIzwei\n2\n");
    SelectTextAreaText(area, 1, 1, TextLines);
    EXPECT_EQ(TextAreaCursor(area), 10);
    EXPECT_EQ(TextAreaSelectionLength(area), 2);
    EXPECT_EQ(TextAreaCursor(area, TextLines), 1);
    EXPECT_EQ(TextAreaSelectionLength(area, TextLines), 1);
    AddTextAreaText(area, u"vier");
    EXPECT_EQ(TextAreaText(area), u"eZWEIzwei\n2\nvier");
    EXPECT_EQ(TextAreaCursor(area), 16);
    EXPECT_EQ(TextAreaSelectionLength(area), 0);
    EXPECT_EQ(IdsFrom(area), std::vector<int>{});
}

TEST_F(TextAreaTest, PositionsCountTheUnitsOfTheProgramsStrings) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    // A character outside the basic plane is two units, as in the program's strings.
    SetTextAreaText(area, u"a\U0001F600b\nc");
    EXPECT_EQ(TextAreaLength(area), 6);
    EXPECT_EQ(TextAreaText(area, 3, 1), u"b");
    EXPECT_EQ(TextAreaText(area, 1, 2), u"\U0001F600");
    EXPECT_EQ(TextAreaCharAt(area, 1), 5);
    EXPECT_EQ(TextAreaLineAt(area, 5), 1);
    SelectTextAreaText(area, 1, 2);
    EXPECT_EQ(TextAreaCursor(area), 1);
    EXPECT_EQ(TextAreaSelectionLength(area), 2);
    SetTextAreaText(area, u"B", 3, 1);
    EXPECT_EQ(TextAreaText(area), u"a\U0001F600B\nc");
}

TEST_F(TextAreaTest, AReadOnlyAreaTakesNoTyping) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, TextAreaReadOnly);
    SetTextAreaText(area, u"fest");
    Drain();
    PlatformUser()->TypeText(area, u"xy");
    EXPECT_EQ(TextAreaText(area), u"fest");
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 0);
}

TEST_F(TextAreaTest, CutCopyAndPasteGoThroughTheClipboardWhosePastedFinalLineFeedTurns) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"ab\ncd");
    SelectTextAreaText(area, 1, 2);
    Drain();
    area->Activate(ActivateCut);
    EXPECT_EQ(TextAreaText(area), u"acd");
    // The clipboard has the line break in the platform's own form.
    EXPECT_EQ(LineFeedsOnly(PlatformUser()->ClipboardText()), u"b\n");
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 1);
    // Text another program put there.
    PlatformUser()->PutOnClipboard(u"b\n");
    SelectTextAreaText(area, 3, 0);
    area->Activate(ActivatePaste);
    EXPECT_EQ(TextAreaText(area), u"acdb\n");
    EXPECT_EQ(PlatformUser()->ClipboardText(), u"b\r");
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 1);
    SelectTextAreaText(area, 0, 1);
    area->Activate(ActivateCopy);
    EXPECT_EQ(PlatformUser()->ClipboardText(), u"a");
    EXPECT_EQ(TextAreaText(area), u"acdb\n");
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 0);
}

TEST_F(TextAreaTest, AReadOnlyAreasCutOnlyCopiesAndItsFilterSeesNoTypedCharacter) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, TextAreaReadOnly);
    const auto asked = New<TCount>();
    SetGadgetFilter(area, &CountCharacters, asked);
    SetTextAreaText(area, u"fest");
    SelectTextAreaText(area, 1, 2);
    Drain();
    area->Activate(ActivateCut);
    EXPECT_EQ(TextAreaText(area), u"fest");
    EXPECT_EQ(PlatformUser()->ClipboardText(), u"es");
    EXPECT_EQ(TextAreaCursor(area), 1);
    EXPECT_EQ(TextAreaSelectionLength(area), 2);
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 0);
    // The keys that would change the text never reach the program.
    PlatformUser()->TypeText(area, u"xy");
    EXPECT_EQ(asked->value, 0);
    EXPECT_EQ(TextAreaText(area), u"fest");
}

TEST_F(TextAreaTest, ACutLeavesTheCaretWhereTheTextWasAndAPasteAfterThePastedText) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"abcdef");
    SelectTextAreaText(area, 2, 3);
    Drain();
    area->Activate(ActivateCut);
    EXPECT_EQ(TextAreaText(area), u"abf");
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(TextAreaSelectionLength(area), 0);
    PlatformUser()->PutOnClipboard(u"XYZ");
    SelectTextAreaText(area, 1, 1);
    area->Activate(ActivatePaste);
    EXPECT_EQ(TextAreaText(area), u"aXYZf");
    EXPECT_EQ(TextAreaCursor(area), 4);
    EXPECT_EQ(TextAreaSelectionLength(area), 0);
}

TEST_F(TextAreaTest, PastingAnEmptyClipboardLeavesTheSelection) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"abcdef");
    SelectTextAreaText(area, 1, 2);
    PlatformUser()->PutOnClipboard(u"");
    Drain();
    area->Activate(ActivatePaste);
    EXPECT_EQ(TextAreaText(area), u"abcdef");
    EXPECT_EQ(TextAreaCursor(area), 1);
    EXPECT_EQ(TextAreaSelectionLength(area), 2);
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 0);
}

TEST_F(TextAreaTest, EachTypedCharacterMovesTheCaretAndRaisesSelect) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(area, u"abc"), 1);
    const auto ids = IdsFrom(area);
    EXPECT_EQ(Count(ids, GadgetSelect), 3);
    EXPECT_GE(Count(ids, GadgetAction), 1);
    EXPECT_EQ(TextAreaCursor(area), 3);
}

TEST_F(TextAreaTest, DisablingAndEnablingAnAreaRaisesNothingAndKeepsTheSelection) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"abcdef");
    ASSERT_EQ(PlatformUser()->TypeText(area, u"g"), 1);
    SelectTextAreaText(area, 2, 3);
    Drain();
    // The focus leaves the disabled area, which may say so; its selection is no change.
    DisableGadget(area);
    EXPECT_EQ(Count(IdsFrom(area), GadgetSelect), 0);
    EXPECT_EQ(PlatformUser()->ShownState(area) & StateDisabled, StateDisabled);
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(TextAreaSelectionLength(area), 3);
    EnableGadget(area);
    EXPECT_EQ(IdsFrom(area), std::vector<int>{});
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(TextAreaSelectionLength(area), 3);
}

TEST_F(TextAreaTest, ALockedAreaRaisesNothingAndGetsItsSelectionBack) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"abcdef");
    SelectTextAreaText(area, 2, 3);
    Drain();
    LockTextArea(area);
    // Neither a selection before a change nor one after it is what unlocking brings back.
    SelectTextAreaText(area, 4, 1);
    SetTextAreaText(area, u"XY", 0, 1);
    SelectTextAreaText(area, 0, 0);
    UnlockTextArea(area);
    EXPECT_EQ(TextAreaText(area), u"XYbcdef");
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(TextAreaSelectionLength(area), 3);
    EXPECT_EQ(IdsFrom(area), std::vector<int>{});
}

TEST_F(TextAreaTest, ARightClickRaisesMenuEvenWhileTheProgramHoldsTheAreaLocked) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"eins zwei drei");
    Drain();
    ASSERT_EQ(PlatformUser()->RightClickText(area), 1);
    EXPECT_EQ(Count(IdsFrom(area), GadgetMenu), 1);
    LockTextArea(area);
    ASSERT_EQ(PlatformUser()->RightClickText(area), 1);
    const auto ids = IdsFrom(area);
    UnlockTextArea(area);
    EXPECT_EQ(Count(ids, GadgetMenu), 1);
    EXPECT_EQ(Count(ids, GadgetSelect), 0);
    EXPECT_EQ(TextAreaText(area), u"eins zwei drei");
}

TEST_F(TextAreaTest, StylingAndMarginsChangeNoTextAndRaiseNothing) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, TextAreaWordWrap);
    SetTextAreaText(area, u"rot\nblau");
    SelectTextAreaText(area, 1, 2);
    Drain();
    FormatTextAreaText(area, 255, 0, 0, 1, 0, 3);
    FormatTextAreaText(area, 0, 0, 255, 2 | 4, 1, 1, TextLines);
    SetTextAreaTabs(area, 40);
    SetTextAreaMargins(area, 6);
    EXPECT_EQ(TextAreaText(area), u"rot\nblau");
    EXPECT_EQ(TextAreaCursor(area), 1);
    EXPECT_EQ(TextAreaSelectionLength(area), 2);
    EXPECT_EQ(IdsFrom(area), std::vector<int>{});
}

TEST_F(TextAreaTest, ACutWithNothingSelectedChangesNothing) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"abc");
    PlatformUser()->PutOnClipboard(u"vorher");
    SelectTextAreaText(area, 2, 0);
    Drain();
    area->Activate(ActivateCut);
    area->Activate(ActivateCopy);
    EXPECT_EQ(TextAreaText(area), u"abc");
    EXPECT_EQ(PlatformUser()->ClipboardText(), u"vorher");
    EXPECT_EQ(TextAreaCursor(area), 2);
    EXPECT_EQ(Count(IdsFrom(area), GadgetAction), 0);
}

TEST_F(TextAreaTest, AReadOnlyAreaTakesTheProgramsText) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, TextAreaReadOnly);
    Drain();
    SetTextAreaText(area, u"eins\n");
    AddTextAreaText(area, u"zwei");
    SetTextAreaText(area, u"EINS", 0, 4);
    EXPECT_EQ(TextAreaText(area), u"EINS\nzwei");
    EXPECT_EQ(TextAreaLength(area, TextLines), 2);
    EXPECT_EQ(TextAreaCursor(area), 9);
    EXPECT_EQ(IdsFrom(area), std::vector<int>{});
}

TEST_F(TextAreaTest, AFreedAreaHasNoTextAndTakesNone) {
    const auto area = CreateTextArea(10, 10, 300, 150, window, 0);
    SetTextAreaText(area, u"weg\nda");
    SelectTextAreaText(area, 1, 2);
    FreeGadget(area);
    SetTextAreaText(area, u"neu");
    AddTextAreaText(area, u"mehr");
    SelectTextAreaText(area, 0, 1);
    FormatTextAreaText(area, 255, 0, 0, 1, 0, 1);
    LockTextArea(area);
    UnlockTextArea(area);
    area->Activate(ActivatePaste);
    EXPECT_EQ(TextAreaText(area), u"");
    EXPECT_EQ(TextAreaLength(area), 0);
    EXPECT_EQ(TextAreaLength(area, TextLines), 0);
    EXPECT_EQ(TextAreaCursor(area), 0);
    EXPECT_EQ(TextAreaSelectionLength(area), 0);
    // What the platform measures is gone with the element; asking must not reach it.
    TextAreaCharAt(area, 1);
    TextAreaLineAt(area, 1);
    TextAreaCharX(area, 1);
    TextAreaCharY(area, 1);
}

} // namespace
} // namespace vandro
