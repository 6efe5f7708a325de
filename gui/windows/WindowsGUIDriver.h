// The toolkit's driver for the Windows desktop. It owns what all Windows gadgets share: the two
// registered window classes, the handle registry that leads from a native window to its gadget,
// ClassWndProc (the one window procedure of those classes and of every control a gadget
// subclasses), the keyboard hook that fires hotkeys, the mouse hook that turns mouse activity
// over a gadget into mouse events, and the factory by gadget class. Raw key, mouse and
// activation messages go to the system driver's translation; gadget events are raised by the
// gadget classes themselves.
#pragma once

#include "WindowsFont.h"
#include "WindowsGadget.h"
#include "WindowsIconStrip.h"
#include "events/windows/Win32.h"

#include "gui/kinds/PlatformDriver.h"
#include "runtime/Map.h"

#include <array>
#include <string>
#include <vector>

namespace vandro {

class TWindowsGUIDriver : public TPlatformDriverOf<TWindowsFont, TWindowsIconStrip> {
  public:
    TWindowsGUIDriver();
    ~TWindowsGUIDriver() override;

    // The focused window, or the nearest registered window above it.
    Ref<TGadget> ActiveGadget() override;
    // 0 lets every window choose its own pointer again; 1 to 14 are the system's pointers.
    int SetPointer(int shape) override;

    // A handle registered twice maps to the last gadget.
    static int RegisterHwnd(HWND hwnd, const Ref<TWindowsGadget>& gadget);
    static int RemoveHwnd(HWND hwnd);
    // Null for a handle nobody registered.
    static Ref<TWindowsGadget> GadgetFromHwnd(HWND hwnd);
    static LRESULT CALLBACK ClassWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    // The event bound to the key with the modifiers held now (a modifier key is not its own
    // modifier) for the foreground window; null when none is.
    static Ref<TEvent> HotkeyEventFromWp(int key);
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    // The system driver's translation of a raw message, for the gadget's outermost proxy.
    static int SystemEmitOSEvent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                 const Ref<TGadget>& gadget);
    // Register the class on first use and answer its name.
    static String ClassName();
    static String DialogClassName();
    const TGadgetKinds& GadgetKinds() override;
    // 0 below common controls 6, 1 for 6.0, 2 above.
    static int CheckCommonControlVersion();
    // 0 without visual styles.
    static HTHEME GetThemeHandle(HWND hwnd, const String& classList);
    static int CloseThemeHandle(HTHEME theme);
    static int CreateExplorerStyleGadgets(int flag);
    // The owner of the colour and font dialogs.
    static HWND GetActiveHwnd();
    // 1 Shift, 2 Ctrl, 4 Alt, 8 a Windows key, from the live keyboard state.
    static int CurrentModifiers();
    // The handle of the window the gadget sits in; 0 outside any window.
    static HWND GadgetWindowHwnd(const Ref<TGadget>& gadget);

  protected:
    // The process's own environment, which SetEnvironmentVariable changes.
    String EnvironmentValue(const char* name) override;
    // The colour dialog.
    int RunColorChooser(int red, int green, int blue) override;
    int SystemColor(int index) override;
};

// What the driver module keeps for the whole process (the GUI thread only).
struct WindowsDriverState {
    // Handle value -> TWindowsGadget; holds each registered gadget until its handle is removed.
    Ref<TMap> HwndMap;
    String windowClassName;
    String dialogClassName;
    ATOM WindowClassAtom = 0;
    ATOM DialogClassAtom = 0;
    HHOOK KeyboardHook = nullptr;
    HHOOK MouseHook = nullptr;
    HWND ToolTipHwnd = nullptr;
    // A hot key took a key pressed with Alt: releasing Alt then does not open the menu bar,
    // which it would for an Alt pressed alone, since the taken key never reached the window.
    bool AltKeyTaken = false;
    // The pointer forced on WM_SETCURSOR; 0 lets the window decide.
    HCURSOR CurrentCursor = nullptr;
    // The pointer the text area keeps while it shows its own; replaced by SetPointer.
    HCURSOR TextAreaCursor = nullptr;
    std::array<int, 15> CursorShapes{};
    bool cursorShapesBuilt = false;
    std::array<COLORREF, 16> CustomColors{};
    // Major, minor, build; empty until read.
    std::vector<int> ComCtlVersion;
    int ExplorerStyle = 0;
    // The window activated last (a TWindowsWindow); its windows set it.
    Ref<TWindowsGadget> ActiveWindow;
    // Pressed state of buttons 1 (left), 2 (right), 3 (middle) as the mouse hook saw it.
    std::array<int, 4> MouseButtonDown{};
    int CaptureChanged = 0;
    int EmitDepth = 0;
    // While 0, moved children are not redrawn: an outer layout pass redraws once at its end.
    int ResizeRedraw = 1;
    // The texts of a window's placeholder menu item, of the theme that switches visual styles
    // off, and of the explorer theme.
    std::wstring emptyText;
    std::wstring noTheme;
    std::wstring explorerTheme;
    // GDI objects and windows the platform made and released, for leak checks (the system's
    // own counters are missing under Wine).
    long gdiMade = 0;
    long gdiReleased = 0;
    long windowsMade = 0;
    long windowsDestroyed = 0;
};

WindowsDriverState& WindowsDriver();

// The platform's bookkeeping around GDI objects and windows: every one made goes through
// Made / MadeWindow, every release through DeleteMade / DestroyMadeWindow.
template <class H> H Made(H object) {
    if (object)
        ++WindowsDriver().gdiMade;
    return object;
}
// Deletes a GDI object the platform made; nothing for 0.
BOOL DeleteMade(HGDIOBJ object);
HWND MadeWindow(HWND hwnd);
BOOL DestroyMadeWindow(HWND hwnd);

} // namespace vandro
