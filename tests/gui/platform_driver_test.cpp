// The creation steps every platform shares: the order in which a new gadget gets its text, its
// group, its shape, its font, its enabled state and its visibility, with events opened last;
// and how a platform refuses a gadget kind it has no native element for.
#include "gui/Toolkit.h"
#include "gui/kinds/PlatformDriver.h"
#include "gui/kinds/PlatformGadget.h"

#include "runtime/Exceptions.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <string_view>
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
        _desktop = desktop;
        _defaultFont = font;
    }
    // Nothing here takes the keyboard focus.
    Ref<TGadget> ActiveGadget() override { return {}; }
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
    Ref<TGuiFont> LoadFontWithDouble(const String& name, double size, int style) override {
        journal.push_back(u"LoadFontWithDouble(" + name + u", " + DoubleText(size) + u", " +
                          IntText(style) + u")");
        return font;
    }
    String EnvironmentValue(const char* name) override {
        return name == std::string_view("username") ? user : domain;
    }
    String LoginName() override { return u"login"; }
    String HostName() override { return u"host"; }
    int RunColorChooser(int red, int green, int blue) override {
        journal.push_back(u"Chooser(" + IntText(red) + u", " + IntText(green) + u", " +
                          IntText(blue) + u")");
        return chosen;
    }
    int SystemColor(int index) override { return 0x030201 * (index + 1); }

    Ref<TGadget> desktop;
    Ref<TGuiFont> font;
    String user;
    String domain;
    int chosen = -1;
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

TEST_F(PlatformDriverTest, NamesComeFromTheEnvironmentElseFromThePlatform) {
    driver->user = u"anna";
    EXPECT_EQ(driver->UserName(), u"anna");
    EXPECT_EQ(driver->ComputerName(), u"host");
    driver->domain = u"TARNWICK";
    driver->user.clear();
    EXPECT_EQ(driver->UserName(), u"login");
    EXPECT_EQ(driver->ComputerName(), u"TARNWICK");
}

TEST_F(PlatformDriverTest, AWholeSizeLoadsAsThatSizeInPoints) {
    EXPECT_EQ(driver->LoadFont(u"Arial", 12, FontItalic), driver->font);
    EXPECT_EQ(journal, (std::vector<String>{u"LoadFontWithDouble(Arial, 12.000000000000000, 2)"}));
}

TEST_F(PlatformDriverTest, TheChosenColourIsOpaqueAndACancelledChooserAnswersZero) {
    EXPECT_EQ(driver->RequestColor(1, 2, 3), 0);
    driver->chosen = 0x00FF8001;
    EXPECT_EQ(driver->RequestColor(250, 128, 0), static_cast<int>(0xFFFF8001u));
    // Only the colour's three bytes are passed on.
    driver->chosen = 0x7F123456;
    EXPECT_EQ(driver->RequestColor(0, 0, 0), static_cast<int>(0xFF123456u));
    EXPECT_EQ(journal, (std::vector<String>{u"Chooser(1, 2, 3)", u"Chooser(250, 128, 0)",
                                            u"Chooser(0, 0, 0)"}));
}

TEST_F(PlatformDriverTest, SystemColoursZeroToFourAreThePlatformsAndTheRestTheBases) {
    unsigned char red = 9, green = 9, blue = 9;
    EXPECT_EQ(driver->LookupColor(4, red, green, blue), 1);
    EXPECT_EQ(red, 5);
    EXPECT_EQ(green, 10);
    EXPECT_EQ(blue, 15);
    EXPECT_EQ(driver->LookupColor(0, red, green, blue), 1);
    EXPECT_EQ(red + green + blue, 6);
    red = green = blue = 9;
    EXPECT_EQ(driver->LookupColor(5, red, green, blue), 0);
    EXPECT_EQ(driver->LookupColor(-1, red, green, blue), 0);
    EXPECT_EQ(red + green + blue, 27);
}

// A kind of each class, as a platform lists them for its table.
template <int Number> class TStepKind : public TStepGadget {
  public:
    TStepKind() : TStepGadget(Number) {}
    Ref<TGadget> Create(const Ref<TGadget>&, int style, const String& text) {
        journal.push_back(u"Make(" + IntText(Number) + u", " + IntText(style) + u", " + text +
                          u")");
        return this;
    }
    Ref<TGadget> Create(const Ref<TGadget>&, int style, const String& text, int icon, int at) {
        journal.push_back(u"Node(" + IntText(Number) + u", " + IntText(style) + u", " + text +
                          u", " + IntText(icon) + u", " + IntText(at) + u")");
        return this;
    }
};

struct TStepCanvasKind {
    static Ref<TGadget> Make(const Ref<TGadget>&, int style, const String& text) {
        journal.push_back(u"Canvas(" + IntText(style) + u", " + text + u")");
        return New<TStepGadget>(ClassCanvas);
    }
};

TEST(GadgetKindsOf, EachKindMakesTheClassOfItsPlaceInTheList) {
    const TGadgetKinds& kinds =
        GadgetKindsOf<TStepKind<1>, TStepKind<2>, TStepKind<3>, TStepKind<4>, TStepKind<5>,
                      TStepKind<6>, TStepKind<7>, TStepKind<8>, TStepKind<9>, TStepKind<10>,
                      TStepKind<11>, TStepKind<12>, TStepKind<13>, TStepKind<14>, TStepKind<15>,
                      TStepKind<16>, TStepCanvasKind>(u"step");
    EXPECT_EQ(String(kinds.platform), u"step");
    EXPECT_EQ(kinds.makers[ClassDesktop], nullptr);
    journal.clear();
    for (int kind = ClassWindow; kind < kGadgetClasses; ++kind)
        EXPECT_EQ(kinds.makers[static_cast<std::size_t>(kind)]({}, 4, u"T")->Class(), kind);
    ASSERT_EQ(journal.size(), 17u);
    EXPECT_EQ(journal[ClassWindow - 1], u"Make(1, 4, T)");
    EXPECT_EQ(journal[ClassMenu - 1], u"Make(15, 4, T)");
    EXPECT_EQ(journal[ClassTreeNode - 1], u"Node(16, 4, T, -1, -1)");
    EXPECT_EQ(journal[ClassCanvas - 1], u"Canvas(4, T)");
}

constexpr bool ButtonsAndMenus(int gadgetClass) {
    return gadgetClass == ClassButton || gadgetClass == ClassMenu;
}

TEST(GadgetKindsOf, AProgramThatNamesItsClassesHasMakersForThoseAlone) {
    const TGadgetKinds& kinds =
        GadgetKindsOf<ButtonsAndMenus, TStepKind<1>, TStepKind<2>, TStepKind<3>, TStepKind<4>,
                      TStepKind<5>, TStepKind<6>, TStepKind<7>, TStepKind<8>, TStepKind<9>,
                      TStepKind<10>, TStepKind<11>, TStepKind<12>, TStepKind<13>, TStepKind<14>,
                      TStepKind<15>, TStepKind<16>, TStepCanvasKind>(u"step");
    for (int kind = ClassDesktop; kind < kGadgetClasses; ++kind)
        EXPECT_EQ(kinds.makers[static_cast<std::size_t>(kind)] != nullptr, ButtonsAndMenus(kind))
            << kind;
    EXPECT_EQ(kinds.makers[ClassMenu]({}, 0, u"M")->Class(), ClassMenu);
}

// Fonts with and without a system font of their own.
class TServiceFont : public TStepFont {
  public:
    Ref<TServiceFont> Load(const String& face, double points, int fontStyle) {
        name = face;
        size = WholePoints(points);
        style = fontStyle;
        return this;
    }
    static Ref<TGuiFont> Request(const Ref<TGuiFont>& font) {
        journal.push_back(u"Request(" + font->name + u")");
        return {};
    }
};

class TSystemServiceFont : public TServiceFont {
  public:
    static Ref<TGuiFont> SystemFont(double size, int style) {
        return New<TServiceFont>()->Load(u"Interface", size, style | FontUnderline);
    }
};

template <class Font> class TServiceDriver : public TPlatformDriverOf<Font, TIconStrip> {
  public:
    const TGadgetKinds& GadgetKinds() override {
        static const TGadgetKinds none{u"service"};
        return none;
    }
    int RunColorChooser(int, int, int) override { return -1; }
    int SystemColor(int) override { return 0; }
};

TEST(PlatformDriverOf, FontsLoadAndAreRequestedThroughThePlatformsFontClass) {
    TServiceDriver<TServiceFont> driver;
    const Ref<TGuiFont> font = driver.LoadFont(u"Arial", 11, FontBold);
    EXPECT_EQ(font->name, u"Arial");
    EXPECT_EQ(font->size, 11);
    EXPECT_EQ(font->style, FontBold);
    EXPECT_EQ(driver.LoadFontWithDouble(u"Tahoma", 8.5, 0)->size, 8);
    journal.clear();
    EXPECT_EQ(driver.RequestFont(font), nullptr);
    EXPECT_EQ(journal, std::vector<String>{u"Request(Arial)"});
}

TEST(PlatformDriverOf, TheSystemFontIsTheFontClassesWhereItHasOne) {
    TServiceDriver<TSystemServiceFont> withOwn;
    const Ref<TGuiFont> own = withOwn.LibraryFont(FontSystem, 9, FontBold);
    EXPECT_EQ(own->name, u"Interface");
    EXPECT_EQ(own->size, 9);
    EXPECT_EQ(own->style, FontBold | FontUnderline);
    TServiceDriver<TServiceFont> withoutOwn;
    EXPECT_EQ(withoutOwn.LibraryFont(FontSystem, 9, FontBold)->name, u"MS Shell Dlg");
    // The other kinds follow the base's faces.
    EXPECT_EQ(withOwn.LibraryFont(FontSerif, 0, 0)->name, u"Times New Roman");
}

} // namespace
} // namespace vandro
