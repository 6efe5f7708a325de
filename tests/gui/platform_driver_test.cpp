// The creation steps every platform shares: the order in which a new gadget gets its text, its
// group, its shape, its font, its enabled state and its visibility, with events opened last;
// and how a platform refuses a gadget kind it has no native element for.
#include "gui/PlatformDriver.h"
#include "gui/PlatformGadget.h"
#include "gui/Toolkit.h"

#include "runtime/Exceptions.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <vector>

namespace vandro {
namespace {

std::vector<String> journal;

class TStepFont : public TGuiFont {
  public:
    int CharWidth(int) override { return 5; }
};

// Writes each call the creation steps make, with what the gadget knew at that moment.
class TStepGadget : public TPlatformGadget {
  public:
    explicit TStepGadget(int kind) : kind(kind) {}
    int Class() override { return kind; }
    int SetText(const String& text) override {
        journal.push_back(u"SetText(" + text + u")");
        return 0;
    }
    int SetArea(int x, int y, int w, int h) override {
        journal.push_back(u"SetArea parent=" + IntText(parent ? 1 : 0));
        return TPlatformGadget::SetArea(x, y, w, h);
    }
    int SetFont(const Ref<TGuiFont>& font) override {
        journal.push_back(u"SetFont(" + (font ? font->name : String(u"null")) + u")");
        return 0;
    }
    int SetEnabled(int enabled) override {
        journal.push_back(u"SetEnabled(" + IntText(enabled) + u") forced=" +
                          IntText(_forcedisable));
        _enabled = enabled;
        return 0;
    }
    int SetShow(int show) override {
        journal.push_back(u"SetShow(" + IntText(show) + u")");
        return 0;
    }
    int Sensitize() override {
        journal.push_back(u"Sensitize");
        return 0;
    }
    int isControl() override { return kind == ClassWindow || kind == ClassDesktop ? 0 : 1; }
    int kind;
};

class TStepDriver : public TPlatformDriver {
  public:
    TStepDriver() {
        desktop = New<TStepGadget>(ClassDesktop);
        font = New<TStepFont>();
        font->name = u"Default";
    }
    Ref<TGadget> GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>&, int style,
                                         const String& text) override {
        journal.push_back(u"Instance(" + IntText(gadgetClass) + u", " + text + u")");
        if (gadgetClass == ClassDesktop)
            return desktop;
        if (gadgetClass == ClassSlider || gadgetClass < 0 || gadgetClass > ClassCanvas)
            return MissingGadgetKind(gadgetClass, u"step");
        const auto gadget = New<TStepGadget>(gadgetClass);
        gadget->style = style;
        return gadget;
    }
    const TGadgetKinds& GadgetKinds() override {
        static const TGadgetKinds none{u"step"};
        return none;
    }
    Ref<TGadget> DesktopGadget() override { return desktop; }
    Ref<TGuiFont> DefaultGadgetFont() override { return font; }

    Ref<TGadget> desktop;
    Ref<TGuiFont> font;
};

class PlatformDriverTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartToolkit(); }
    void SetUp() override {
        driver = New<TStepDriver>();
        SetCurrentDriver(driver);
        journal.clear();
    }
    void TearDown() override {
        SetCurrentDriver(nullptr);
        driver = nullptr;
    }
    Ref<TStepDriver> driver;
};

TEST_F(PlatformDriverTest, AControlGetsTextParentShapeFontEnabledStateAndVisibilityThenEvents) {
    const Ref<TGadget> window = CreateWindow(u"W", 0, 0, 100, 100, nullptr, WindowHidden);
    journal.clear();
    const Ref<TGadget> button = CreateButton(u"OK", 1, 2, 30, 20, window, ButtonPush);
    EXPECT_EQ(journal, (std::vector<String>{u"Instance(2, OK)", u"SetText(OK)", u"SetArea parent=1",
                                            u"SetFont(Default)", u"SetEnabled(1) forced=0",
                                            u"SetShow(1)", u"Sensitize"}));
    EXPECT_EQ(GadgetGroup(button), window);
    EXPECT_EQ(GadgetX(button), 1);
    EXPECT_EQ(GadgetHeight(button), 20);
    FreeGadget(window);
}

TEST_F(PlatformDriverTest, AWindowWithoutGroupLiesOnTheDesktopAndStaysHiddenWhenAskedTo) {
    const Ref<TGadget> hidden = CreateWindow(u"H", 5, 6, 70, 80, nullptr, WindowHidden);
    EXPECT_EQ(GadgetGroup(hidden), driver->desktop);
    EXPECT_EQ(journal, (std::vector<String>{u"Instance(1, H)", u"SetText(H)", u"SetArea parent=1",
                                            u"Sensitize"}));
    journal.clear();
    const Ref<TGadget> shown = CreateWindow(u"S", 5, 6, 70, 80, nullptr, 0);
    EXPECT_EQ(journal, (std::vector<String>{u"Instance(1, S)", u"SetText(S)", u"SetArea parent=1",
                                            u"SetShow(1)", u"Sensitize"}));
    FreeGadget(hidden);
    FreeGadget(shown);
}

TEST_F(PlatformDriverTest, AControlInsideADisabledGroupStartsForcedDisabled) {
    const Ref<TGadget> window = CreateWindow(u"W", 0, 0, 100, 100, nullptr, WindowHidden);
    const Ref<TGadget> panel = CreatePanel(0, 0, 50, 50, window, 0);
    DisableGadget(panel);
    journal.clear();
    CreateLabel(u"L", 0, 0, 10, 10, panel, 0);
    EXPECT_EQ(journal[4], u"SetEnabled(1) forced=1");
    // A group that is itself only forced off passes that on too.
    EnableGadget(panel);
    Cast<TPlatformGadget>(panel)->_forcedisable = 1;
    journal.clear();
    CreateLabel(u"M", 0, 0, 10, 10, panel, 0);
    EXPECT_EQ(journal[4], u"SetEnabled(1) forced=1");
    FreeGadget(window);
}

TEST_F(PlatformDriverTest, MenusTreeNodesAndTheDesktopAreAnsweredAsTheyAreMade) {
    const Ref<TGadget> window = CreateWindow(u"W", 0, 0, 100, 100, nullptr, WindowHidden);
    journal.clear();
    CreateMenu(u"&Datei", 7, window, 0, 0);
    EXPECT_EQ(journal, (std::vector<String>{u"Instance(15, &Datei)"}));
    journal.clear();
    EXPECT_EQ(Desktop(), driver->desktop);
    EXPECT_EQ(journal, (std::vector<String>{u"Instance(0, )"}));
    FreeGadget(window);
}

TEST_F(PlatformDriverTest, ToolbarsPlaceThemselves) {
    const Ref<TGadget> window = CreateWindow(u"W", 0, 0, 100, 100, nullptr, WindowHidden);
    journal.clear();
    driver->CreateGadget(ClassToolbar, u"", 0, 0, 100, 24, window, 0);
    for (const String& call : journal)
        EXPECT_EQ(call.find(u"SetArea"), String::npos);
    FreeGadget(window);
}

TEST_F(PlatformDriverTest, AKindThePlatformLacksIsARuntimeErrorNamingItAndTheCaller) {
    const Ref<TGadget> window = CreateWindow(u"W", 0, 0, 100, 100, nullptr, WindowHidden);
    try {
        CreateSlider(0, 0, 10, 10, window, 0);
        FAIL() << "no error";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.ToString(), u"The step platform has no slider gadgets yet");
    }
    EXPECT_EQ(driver->CreateGadget(18, u"", 0, 0, 1, 1, window, 0), nullptr);
    EXPECT_EQ(driver->CreateGadget(-1, u"", 0, 0, 1, 1, window, 0), nullptr);
    FreeGadget(window);
}

} // namespace
} // namespace vandro
