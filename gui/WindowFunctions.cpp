#include "WindowFunctions.h"

#include "GadgetConstants.h"
#include "GadgetCreation.h"
#include "GadgetFunctions.h"
#include "gui/kinds/PlatformGadget.h"

namespace vandro {

namespace {

int HasState(const Ref<TGadget>& gadget, int bit) { return (gadget->State() & bit) ? 1 : 0; }

} // namespace

int FreeMenu(const Ref<TGadget>& menu) { return FreeGadget(menu); }
int SetMenuText(const Ref<TGadget>& menu, const String& text) { return SetGadgetText(menu, text); }
String MenuText(const Ref<TGadget>& menu) { return menu->GetText(); }
int CheckMenu(const Ref<TGadget>& menu) {
    menu->SetSelected(1);
    return 0;
}
int UncheckMenu(const Ref<TGadget>& menu) {
    menu->SetSelected(0);
    return 0;
}
int EnableMenu(const Ref<TGadget>& menu) {
    menu->SetEnabled(1);
    return 0;
}
int DisableMenu(const Ref<TGadget>& menu) {
    menu->SetEnabled(0);
    return 0;
}
int IsMenuChecked(const Ref<TGadget>& menu) { return HasState(menu, StateChecked); }
int IsMenuEnabled(const Ref<TGadget>& menu) { return 1 - HasState(menu, StateDisabled); }
Ref<TGadget> GetWindowMenu(const Ref<TGadget>& window) { return window->GetMenu(); }
int RefreshWindowMenu(const Ref<TGadget>& window) {
    window->UpdateMenu();
    return 0;
}

int PopupWindowMenu(const Ref<TGadget>& window, const Ref<TGadget>& menu, const Object& extra) {
    window->PopupMenu(menu, extra);
    return 0;
}

int FocusWindow(const Ref<TGadget>& window) {
    window->Activate(ActivateFocus);
    return 0;
}
int MinimizeWindow(const Ref<TGadget>& window) {
    window->Activate(ActivateMinimize);
    return 0;
}
int MaximizeWindow(const Ref<TGadget>& window) {
    window->Activate(ActivateMaximize);
    return 0;
}
int RestoreWindow(const Ref<TGadget>& window) {
    window->Activate(ActivateRestore);
    return 0;
}
int IsWindowMinimized(const Ref<TGadget>& window) { return HasState(window, StateMinimized); }
int IsWindowMaximized(const Ref<TGadget>& window) { return HasState(window, StateMaximized); }
String WindowStatusText(const Ref<TGadget>& window) { return window->GetStatusText(); }

int SetWindowStatusText(const Ref<TGadget>& window, const String& text) {
    window->SetStatusText(text);
    return 0;
}

int WindowFrameRect(const Ref<TGadget>& window, int& x, int& y, int& w, int& h) {
    const auto native = Cast<TPlatformGadget>(RealGadget(window));
    return native ? native->AddWindowFrame(x, y, w, h) : 0;
}
int SetWindowMinSize(const Ref<TGadget>& window, int width, int height) {
    window->SetMinimumSize(width, height);
    return 0;
}

int SetWindowMaxSize(const Ref<TGadget>& window, int width, int height) {
    window->SetMaximumSize(width, height);
    return 0;
}

int SetButtonState(const Ref<TGadget>& button, int state) {
    button->SetSelected(state);
    return 0;
}

int ButtonState(const Ref<TGadget>& button) {
    const int state = button->State();
    if (state & StateIndeterminate)
        return -1;
    return (state & StateChecked) ? 1 : 0;
}

} // namespace vandro
