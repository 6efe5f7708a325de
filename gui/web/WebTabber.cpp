#include "WebTabber.h"

#include "WebGUIDriver.h"
#include "WebItemsDom.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

#include <algorithm>

namespace vandro {

namespace {

// The row of tabs, and the frame round the page area below it, in CSS pixels.
constexpr int kTabRow = 26;
constexpr int kPageFrame = 1;

} // namespace

Ref<TGadget> TWebTabber::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    const int client = NewElementHandle();
    vandro_tabber_make(handle, client, GroupClient(group), kTabRow, kPageFrame);
    Register(ClassTabber, handle, client);
    return Ref<TGadget>(this);
}

int TWebTabber::ClientWidth() { return std::max(width - 2 * kPageFrame, 0); }

int TWebTabber::ClientHeight() { return std::max(height - kTabRow - 2 * kPageFrame, 0); }

void TWebTabber::ShowCurrentTab(int index) { vandro_items_select(_hwnd, index, 1, 1); }

int TWebTabber::NativeCurrentTab() { return _hwnd ? vandro_items_first_selected(_hwnd) : -1; }

void TWebTabber::RightClicked(int index, int x, int y) {
    PostGuiEvent(GadgetMenu, index, 0, x, y, ExtraOfItem(index));
}

} // namespace vandro

using namespace vandro;

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_tab_chosen(int handle, int index) {
    if (const auto tabber = Cast<TWebTabber>(GadgetFromHandle(handle)))
        Shielded([&] { tabber->UserChoseTab(index); });
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vandro_web_tab_menu(int handle, int index, int x, int y) {
    if (const auto tabber = Cast<TWebTabber>(GadgetFromHandle(handle)))
        Shielded([&] { tabber->RightClicked(index, x, y); });
    return 0;
}
}
