// Gadgets that follow the language: the driver keeps their keys and shows their texts anew
// when the language or the translating bit of the mode changes, until the program gives them
// a literal text.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessMenu.h"

namespace vandro {
namespace {

constexpr int kTranslate = 1;
constexpr int kKeysAtCreation = 2;

class LocalizedGadgetTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        german = New<TVellumLanguage>()->Create(u"Deutsch");
        german->DefineToken(u"greet", u"Hallo");
        french = New<TVellumLanguage>()->Create(u"Fran\u00e7ais");
        french->DefineToken(u"greet", u"Bonjour");
        SelectLanguage(german);
        window = CreateWindow(u"w", 0, 0, 200, 100, nullptr, 4);
        events.Take();
    }
    void TearDown() override {
        FreeGadget(window);
        window = nullptr;
        german = french = nullptr;
        HeadlessTest::TearDown();
    }

    Ref<TVellumLanguage> german, french;
    Ref<TGadget> window;
};

TEST_F(LocalizedGadgetTest, OnlyAChangeOfTheTranslatingBitRefreshesTheGadgets) {
    SelectLocalizationMode(kTranslate);
    const Ref<TGadget> label = CreateLabel(u"", 0, 0, 50, 20, window, 0);
    LocalizeGadget(label, u"{{greet}}", u"{{greet}}!");
    EXPECT_EQ(GadgetText(label), u"Hallo");
    EXPECT_EQ(GadgetTooltip(label), u"Hallo!");

    german->DefineToken(u"greet", u"Servus");
    SelectLocalizationMode(kTranslate | kKeysAtCreation);
    EXPECT_EQ(GadgetText(label), u"Hallo");
    SelectLocalizationMode(kKeysAtCreation);
    EXPECT_EQ(GadgetText(label), u"{{greet}}");
    SelectLocalizationMode(kTranslate | kKeysAtCreation);
    EXPECT_EQ(GadgetText(label), u"Servus");
    EXPECT_EQ(CurrentLocalizationMode(), kTranslate | kKeysAtCreation);
}

TEST_F(LocalizedGadgetTest, SelectingTheSameLanguageAgainStillRefreshes) {
    SelectLocalizationMode(kTranslate);
    const Ref<TGadget> label = CreateLabel(u"", 0, 0, 50, 20, window, 0);
    LocalizeGadget(label, u"{{greet}}", u"");
    german->DefineToken(u"greet", u"Servus");
    SelectLanguage(german);
    EXPECT_EQ(GadgetText(label), u"Servus");
    EXPECT_EQ(CurrentLanguage(), german);
}

TEST_F(LocalizedGadgetTest, AGadgetMadeWithKeysFollowsTheLanguageUntilGivenALiteralText) {
    SelectLocalizationMode(kTranslate | kKeysAtCreation);
    const Ref<TGadget> label = CreateLabel(u"{{greet}}", 0, 0, 50, 20, window, 0);
    EXPECT_EQ(GadgetText(label), u"Hallo");
    EXPECT_EQ(IsGadgetLocalized(label), 1);
    SelectLanguage(french);
    EXPECT_EQ(GadgetText(label), u"Bonjour");
    SetGadgetText(label, u"fixed");
    EXPECT_EQ(IsGadgetLocalized(label), 0);
    SelectLanguage(german);
    EXPECT_EQ(GadgetText(label), u"fixed");
}

TEST_F(LocalizedGadgetTest, TipsAndUnlocalizingAlsoEndTheFollowing) {
    SelectLocalizationMode(kTranslate);
    const Ref<TGadget> tipped = CreateButton(u"", 0, 0, 50, 20, window, 0);
    LocalizeGadget(tipped, u"{{greet}}", u"");
    SetGadgetTooltip(tipped, u"plain");
    EXPECT_EQ(IsGadgetLocalized(tipped), 0);
    const Ref<TGadget> unlocalized = CreateButton(u"", 0, 0, 50, 20, window, 0);
    LocalizeGadget(unlocalized, u"{{greet}}", u"");
    UnlocalizeGadget(unlocalized);
    SelectLanguage(french);
    EXPECT_EQ(GadgetText(tipped), u"Hallo");
    EXPECT_EQ(GadgetText(unlocalized), u"Hallo");
    LocalizeGadget(nullptr, u"{{greet}}", u"");
    EXPECT_EQ(IsGadgetLocalized(nullptr), 0);
}

TEST_F(LocalizedGadgetTest, CanvasesAreNotLocalized) {
    SelectLocalizationMode(kTranslate);
    const Ref<TGadget> canvas = CreateCanvas(0, 0, 50, 50, window, 0);
    LocalizeGadget(canvas, u"{{greet}}", u"{{greet}}");
    EXPECT_EQ(IsGadgetLocalized(canvas), 1);
    EXPECT_EQ(GadgetText(canvas), u"");
    EXPECT_EQ(GadgetTooltip(canvas), u"");
}

TEST_F(LocalizedGadgetTest, AFreedGadgetIsForgotten) {
    SelectLocalizationMode(kTranslate | kKeysAtCreation);
    const Ref<TGadget> label = CreateLabel(u"{{greet}}", 0, 0, 50, 20, window, 0);
    FreeGadget(label);
    EXPECT_EQ(IsGadgetLocalized(label), 0);
    EXPECT_EQ(CurrentDriver()->_mapLocalized->Count(), 0);
}

TEST_F(LocalizedGadgetTest, MenusAndToolbarItemsMadeWithKeysAreLocalized) {
    SelectLocalizationMode(kTranslate | kKeysAtCreation);
    const Ref<TGadget> item = CreateMenu(u"{{greet}}", 1, GetWindowMenu(window));
    RefreshWindowMenu(window);
    EXPECT_EQ(Cast<THeadlessMenu>(item)->_nativeText, u"Hallo");
    SelectLanguage(french);
    RefreshWindowMenu(window);
    EXPECT_EQ(Cast<THeadlessMenu>(item)->_nativeText, u"Bonjour");

    const Ref<TPixmap> strip = TPixmap::Create(32, 16, 6, 4);
    strip->ClearPixels(0);
    const Ref<TGadget> toolbar = CreateToolbar(strip, 0, 0, 0, 0, window, 0);
    EXPECT_EQ(CountGadgetItems(toolbar), 2);
    EXPECT_EQ(GadgetItemFlags(toolbar, 1), ItemFlagLocalized);
}

} // namespace
} // namespace vandro
