// The driver's registry, window classes, factory, colours, pointers and optional functions,
// and what it does with bad input.
#include "WindowsFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/ToolkitStart.h"
#include "gui/windows/WindowsBindings.h"
#include "gui/windows/WindowsGUIDriver.h"
#include "runtime/Exceptions.h"
#include "tests/support/PlatformUser.h"
#include "tests/support/windows/WindowsUserDesktop.h"

namespace vandro {
namespace {

using Driver = TWindowsGUIDriver;

bool OnDesktop(HDESK desktop, HWND window) {
    struct Search {
        HWND target;
        bool found;
    } search{window, false};
    EnumDesktopWindows(
        desktop,
        [](HWND each, LPARAM data) {
            auto& search = *reinterpret_cast<Search*>(data);
            search.found = search.found || each == search.target;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(WindowsTest, ACaseRunsOnTheDesktopCtestHandedIt) {
    const std::string handed = HandedTestResource("wine_desktops");
    if (handed.empty())
        GTEST_SKIP() << "not handed a desktop of the pool (run through the test preset)";
    EXPECT_EQ(ThreadDesktopName(), L"vandro-" + std::wstring(handed.begin(), handed.end()));
    // The case's windows are on it, where its input goes (a window is on one desktop only; the
    // prefix's own comes and goes with the programs on it, so it is not looked at).
    EXPECT_TRUE(OnDesktop(GetThreadDesktop(GetCurrentThreadId()), windowHwnd()));
}

TEST_F(WindowsTest, RegistryMapsAHandleToItsLastGadget) {
    const Ref<TGadget> first = CreateButton(u"One", 10, 10, 60, 24, window, 0);
    const Ref<TGadget> second = CreateButton(u"Two", 80, 10, 60, 24, window, 0);
    HWND hwnd = NativeHandle(first);
    EXPECT_EQ(Driver::GadgetFromHwnd(hwnd), first);
    Driver::RegisterHwnd(hwnd, Cast<TWindowsGadget>(second));
    EXPECT_EQ(Driver::GadgetFromHwnd(hwnd), second);
    Driver::RegisterHwnd(hwnd, Cast<TWindowsGadget>(first));
}

TEST_F(WindowsTest, UnregisteredHandlesResolveToNull) {
    HWND plain = CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    EXPECT_FALSE(Driver::GadgetFromHwnd(plain));
    EXPECT_FALSE(Driver::GadgetFromHwnd(nullptr));
    EXPECT_EQ(Driver::RemoveHwnd(plain), 0);
    // The window procedure answers for a window nobody registered as the default one would.
    EXPECT_EQ(Driver::ClassWndProc(plain, WM_GETTEXTLENGTH, 0, 0), 5);
    EXPECT_EQ(Driver::ClassWndProc(plain, WM_COMMAND, 0, 0), 0);
    DestroyWindow(plain);
}

TEST_F(WindowsTest, FreedGadgetLeavesTheRegistryAndIgnoresWhatFollows) {
    const Ref<TGadget> button = CreateButton(u"Gone", 10, 10, 60, 24, window, 0);
    HWND hwnd = NativeHandle(button);
    FreeGadget(button);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(Driver::GadgetFromHwnd(hwnd));
    EXPECT_EQ(button->Query(1), 0);
    SetGadgetText(button, u"again");
    SetGadgetTooltip(button, u"tip");
    SetGadgetTooltip(button, u"");
    SetGadgetShape(button, 1, 2, 3, 4);
    HideGadget(button);
    EXPECT_EQ(Cast<TWindowsGadget>(button)->TWindowsGadget::GetText(), u"");
    EXPECT_EQ(button->State() & StateDisabled, 0);
}

// A control whose native window cannot be made.
class TStillborn : public TWindowsGadget {
  public:
    Ref<TWindowsGadget> Create(const Ref<TGadget>&, int, const String&) override {
        Register(ClassLabel,
                 CreateWindowExW(0, L"NoSuchWindowClass", L"", WS_CHILD, 0, 0, 1, 1, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr),
                 nullptr, 0);
        return Ref<TWindowsGadget>(this);
    }
};

TEST_F(WindowsTest, GadgetWithoutAWindowRegistersNothingAndFreesQuietly) {
    const int registered = WindowsDriver().HwndMap->Count();
    const Ref<TWindowsGadget> stillborn = Place(New<TStillborn>(), window, 1, 2, 3, 4);
    EXPECT_EQ(stillborn->_hwnd, nullptr);
    EXPECT_EQ(WindowsDriver().HwndMap->Count(), registered);
    EXPECT_EQ(stillborn->RefCount(), 2);
    SetGadgetText(stillborn, u"text");
    EXPECT_EQ(GadgetText(stillborn), u"");
    FreeGadget(stillborn);
    EXPECT_EQ(stillborn->RefCount(), 1);
}

TEST_F(WindowsTest, WindowClassesAreRegisteredAsTheTableSays) {
    EXPECT_EQ(Driver::ClassName(), u"TARNWICK_WINDOW_CLASS");
    EXPECT_EQ(Driver::DialogClassName(), u"TARNWICK_DIALOG_CLASS");
    for (const wchar_t* name : {L"TARNWICK_WINDOW_CLASS", L"TARNWICK_DIALOG_CLASS"}) {
        WNDCLASSW info{};
        ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), name, &info));
        // Redrawn when sized either way, and double clicks: CS_DBLCLKS is 8 (0x20 would give
        // every window a device context of its own).
        EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
        // Room for the dialog manager's slots on this target: 48 bytes on 64-bit Windows.
        EXPECT_EQ(info.cbWndExtra, sizeof(LONG_PTR) == 8 ? 48 : 30);
        EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(16));
        EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_EQ(info.lpfnWndProc, Driver::ClassWndProc);
    }
    EXPECT_NE(WindowsDriver().WindowClassAtom, 0);
    EXPECT_NE(WindowsDriver().DialogClassAtom, 0);
}

TEST_F(WindowsTest, ClassNumberOutsideTheTableMakesNothing) {
    EXPECT_FALSE(CurrentDriver()->CreateGadget(99, u"x", 0, 0, 10, 10, window, 0));
    EXPECT_FALSE(CurrentDriver()->CreateGadget(-1, u"x", 0, 0, 10, 10, window, 0));
}

// Each kind is either made natively or refused with its name: never a gadget that pretends.
TEST_F(WindowsTest, GadgetKindWithoutANativeClassIsAnErrorNamingIt) {
    const std::pair<int, const char16_t*> kinds[] = {
        {ClassTextField, u"text field"}, {ClassTextArea, u"text area"},
        {ClassComboBox, u"combo box"},   {ClassListBox, u"list box"},
        {ClassToolbar, u"toolbar"},      {ClassTabber, u"tabber"},
        {ClassTreeView, u"tree view"},   {ClassHTMLView, u"HTML view"},
        {ClassSlider, u"slider"},        {ClassProgressBar, u"progress bar"}};
    for (const auto& [gadgetClass, kind] : kinds) {
        try {
            const Ref<TGadget> made =
                CurrentDriver()->CreateGadget(gadgetClass, u"", 0, 0, 10, 10, window, 0);
            EXPECT_TRUE(Cast<TWindowsGadget>(made)) << "class " << gadgetClass;
            EXPECT_NE(NativeHandle(made), nullptr) << "class " << gadgetClass;
        } catch (const TKestrelException& e) {
            EXPECT_EQ(e.ToString(),
                      u"The Windows platform has no " + String(kind) + u" gadgets yet");
        }
    }
}

TEST_F(WindowsTest, DesktopIsClassZeroAndTheGroupOfNewWindows) {
    EXPECT_EQ(CurrentDriver()->CreateGadget(ClassDesktop, u"", 0, 0, 0, 0, {}, 0),
              Cast<TPlatformDriver>(CurrentDriver())->DesktopGadget());
    EXPECT_EQ(GadgetGroup(window), Cast<TPlatformDriver>(CurrentDriver())->DesktopGadget());
}

TEST_F(WindowsTest, SystemColoursForTheFirstFiveIndexes) {
    const int indexes[] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                           COLOR_HOTLIGHT};
    for (int i = 0; i < 5; ++i) {
        unsigned char r = 1, g = 2, b = 3;
        EXPECT_EQ(CurrentDriver()->LookupColor(i, r, g, b), 1);
        const COLORREF color = GetSysColor(indexes[i]);
        EXPECT_EQ(RGB(r, g, b), color) << "index " << i;
    }
}

TEST_F(WindowsTest, LookupColorFiveIsTheBaseDriversAndLeavesTheValues) {
    unsigned char r = 7, g = 8, b = 9;
    EXPECT_EQ(CurrentDriver()->LookupColor(5, r, g, b), 0);
    EXPECT_EQ(r, 7);
    EXPECT_EQ(g, 8);
    EXPECT_EQ(b, 9);
    EXPECT_EQ(CurrentDriver()->LookupColor(-1, r, g, b), 0);
    EXPECT_EQ(r, 7);
}

TEST_F(WindowsTest, PointerShapesAndBackToTheWindowsOwn) {
    CurrentDriver()->SetPointer(3);
    EXPECT_EQ(WindowsDriver().CurrentCursor, LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(SendMessageW(windowHwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(windowHwnd()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              1);
    CurrentDriver()->SetPointer(99);
    EXPECT_EQ(WindowsDriver().CurrentCursor, LoadCursorW(nullptr, IDC_ARROW));
    CurrentDriver()->SetPointer(0);
    EXPECT_EQ(WindowsDriver().CurrentCursor, nullptr);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(WindowsTest, UserAndComputerNamesComeFromTheEnvironment) {
    SetEnvironmentVariableW(L"username", L"anna");
    SetEnvironmentVariableW(L"userdomain", L"TARNWICK");
    EXPECT_EQ(CurrentDriver()->UserName(), u"anna");
    EXPECT_EQ(CurrentDriver()->ComputerName(), u"TARNWICK");
}

TEST_F(WindowsTest, ActiveGadgetIsTheFocusedOneOrItsRegisteredAncestor) {
    const Ref<TGadget> button = CreateButton(u"Focus", 10, 10, 60, 24, window, 0);
    SetFocus(NativeHandle(button));
    EXPECT_EQ(CurrentDriver()->ActiveGadget(), button);
    HWND inner = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5,
                                 NativeHandle(button), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetFocus(inner);
    EXPECT_EQ(CurrentDriver()->ActiveGadget(), button);
    SetFocus(nullptr);
    EXPECT_FALSE(CurrentDriver()->ActiveGadget());
}

TEST_F(WindowsTest, GadgetWindowHwndIsTheEnclosingWindows) {
    const Ref<TGadget> button = CreateButton(u"In", 10, 10, 60, 24, window, 0);
    EXPECT_EQ(Driver::GadgetWindowHwnd(button), windowHwnd());
    EXPECT_EQ(Driver::GadgetWindowHwnd(window), windowHwnd());
    EXPECT_EQ(Driver::GadgetWindowHwnd({}), nullptr);
}

TEST_F(WindowsTest, ExplorerStyleIsOnForEveryFlagButOne) {
    Driver::CreateExplorerStyleGadgets(0);
    EXPECT_EQ(WindowsDriver().ExplorerStyle, 1);
    Driver::CreateExplorerStyleGadgets(1);
    EXPECT_EQ(WindowsDriver().ExplorerStyle, 0);
}

TEST_F(WindowsTest, MissingThemeFunctionsSwitchThemesOff) {
    WindowsBindings saved = Bindings();
    Bindings().OpenThemeData = {};
    Bindings().CloseThemeData = {};
    EXPECT_EQ(Driver::GetThemeHandle(windowHwnd(), u"BUTTON"), nullptr);
    EXPECT_EQ(Driver::CloseThemeHandle(reinterpret_cast<HTHEME>(1)), 0);
    Bindings() = saved;
}

TEST_F(WindowsTest, MissingSystemParametersGivesTheShellDialogFont) {
    WindowsBindings saved = Bindings();
    Bindings().SystemParametersInfoW = {};
    const Ref<TWindowsFont> font = TWindowsFont::SystemFont(0, 0);
    Bindings() = saved;
    EXPECT_EQ(font->size, 8);
    LOGFONTW lf{};
    GetObjectW(font->Hfont(), sizeof lf, &lf);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"MS Shell Dlg");
}

TEST_F(WindowsTest, DefaultFontIsTheSystemsMessageFont) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const Ref<TWindowsFont> font = TWindowsFont::SystemFont(0, 0);
    EXPECT_EQ(font->name, FromWide(metrics.lfMessageFont.lfFaceName));
    LOGFONTW lf{};
    GetObjectW(font->Hfont(), sizeof lf, &lf);
    EXPECT_EQ(lf.lfHeight, metrics.lfMessageFont.lfHeight);
}

TEST_F(WindowsTest, CommonControlsProbeAnswersFromTheVersion) {
    const int probe = Driver::CheckCommonControlVersion();
    const std::vector<int>& version = WindowsDriver().ComCtlVersion;
    ASSERT_EQ(version.size(), 3u);
    const int expected = version[0] < 6 ? 0 : (version[0] > 6 || version[1] > 0) ? 2 : 1;
    EXPECT_EQ(probe, expected);
}

} // namespace
} // namespace vandro
