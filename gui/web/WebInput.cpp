// What the page's listeners call with the user's input: each finds the gadget by its element's
// handle and lets it raise its events. A failure of the program's event hooks is held for the
// program's loop, which raises it where it waits.
#include "WebButton.h"
#include "WebGUIDriver.h"
#include "WebMenu.h"
#include "WebWindow.h"

#include "events/EventIds.h"
#include "events/System.h"

#include <emscripten/emscripten.h>

using namespace vandro;

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_pressed(int handle) {
    if (const auto button = Cast<TWebButton>(GadgetFromHandle(handle)))
        Shielded([&] { button->Pressed(); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_menu_chosen(int handle) {
    if (TWebMenu* item = MenuItemFromHandle(handle))
        Shielded([&] { Ref<TWebMenu>(item)->Chosen(); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_popup_closed() {
    if (TWebWindow* window = WebDriver().popupWindow)
        window->PopupClosed();
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_close(int handle) {
    if (const auto window = Cast<TWebWindow>(GadgetFromHandle(handle)))
        Shielded([&] { window->PostGuiEvent(WindowClose, 0, 0, 0, 0, {}); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_activated(int handle) {
    if (const auto window = Cast<TWebWindow>(GadgetFromHandle(handle)))
        Shielded([&] { window->Activated(); });
    return 0;
}

// Answers 1 when the key is used up, so that the page does not act on it as well.
EMSCRIPTEN_KEEPALIVE int vandro_web_key(int handle, int key, int modifiers) {
    const auto window = Cast<TWebWindow>(GadgetFromHandle(handle));
    if (!window)
        return 0;
    return Shielded([&] { return window->KeyPressed(key, modifiers) ? 1 : 0; }, 0);
}
}
