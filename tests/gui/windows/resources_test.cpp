// A hundred gadgets of each kind made and freed leave no window, GDI object or registry entry.
#include "WindowsFixture.h"

#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/HotKey.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"
#include "gui/windows/WindowsGUIDriver.h"

namespace vandro {
namespace {

struct Ledger {
    long windows;
    long gdi;
    int registered;

    static Ledger Now() {
        const WindowsDriverState& state = WindowsDriver();
        return {state.windowsMade - state.windowsDestroyed, state.gdiMade - state.gdiReleased,
                state.HwndMap->Count()};
    }
    bool operator==(const Ledger&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Ledger& l) {
    return out << "{windows " << l.windows << ", gdi " << l.gdi << ", registered " << l.registered
               << "}";
}

// What a freed gadget held: none of it may outlive the free.
struct Held {
    std::vector<HWND> windows;
    std::vector<HGDIOBJ> objects;
};

void Note(Held& held, const Ref<TGadget>& gadget) {
    const auto native = Cast<TWindowsGadget>(gadget);
    held.windows.push_back(native->_hwnd);
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(native->_bgbrush), static_cast<HGDIOBJ>(native->_hbrush),
          static_cast<HGDIOBJ>(native->_hbitmap)})
        if (object)
            held.objects.push_back(object);
}

class ResourcesTest : public WindowsTest {};

TEST_F(ResourcesTest, HundredCyclesOfEveryKindLeaveNothingBehind) {
    const Ref<TGuiFont> font = CurrentDriver()->LoadFont(u"Arial", 11, FontBold);
    // One cycle first: the classes register and the shared objects are made once.
    auto cycle = [&](Held& held) {
        const Ref<TGadget> frame = CreateWindow(u"Cycle", 20, 20, 300, 200, {}, WindowTitleBar);
        const Ref<TGadget> button = CreateButton(u"Press", 10, 10, 80, 24, frame, 0);
        const Ref<TGadget> label = CreateLabel(u"Label", 10, 50, 80, 20, frame, 0);
        const Ref<TWindowsGadget> group = Place(New<TTestGroup>(), frame, 100, 10, 150, 100);
        SetGadgetColor(button, 200, 10, 10);
        SetGadgetTextColor(label, 0, 0, 255);
        SetGadgetTooltip(button, u"tip\nline");
        SetGadgetHotKey(button, 'P', 2);
        SetGadgetFont(label, font);
        HWND client = HandleFrom<HWND>(frame->Query(2));
        HDC dc = GetDC(client);
        SendMessageW(client, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(NativeHandle(label)));
        ReleaseDC(client, dc);
        PumpUntilQuiet();
        for (const Ref<TGadget>& gadget : {frame, button, label, Ref<TGadget>(group)})
            Note(held, gadget);
        FreeGadget(frame);
        PumpUntilQuiet();
    };
    Held first;
    cycle(first);
    const Ledger before = Ledger::Now();
    const LRESULT tools = SendMessageW(WindowsDriver().ToolTipHwnd, TTM_GETTOOLCOUNT, 0, 0);
    Held held;
    for (int i = 0; i < 100; ++i)
        cycle(held);
    EXPECT_EQ(Ledger::Now(), before);
    EXPECT_EQ(SendMessageW(WindowsDriver().ToolTipHwnd, TTM_GETTOOLCOUNT, 0, 0), tools);
    EXPECT_EQ(held.windows.size(), 400u);
    for (HWND hwnd : held.windows)
        EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_GE(held.objects.size(), 200u);
    for (HGDIOBJ object : held.objects)
        EXPECT_EQ(GetObjectType(object), 0u);
    // Each window's hotkey went with its button.
    for (std::size_t i = 0; i < held.windows.size(); i += 4)
        EXPECT_FALSE(FindHotKeyEvent('P', 2, HandleValue(held.windows[i])));
}

} // namespace
} // namespace vandro
