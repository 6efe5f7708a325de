#include "WebToolbar.h"

#include "WebGUIDriver.h"
#include "WebIconStrip.h"
#include "WebToolbarDom.h"
#include "WebWindow.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <emscripten/emscripten.h>

namespace vandro {

namespace {

constexpr int kToolSeparatorIcon = -2;
constexpr int kToolButton = 0;
constexpr int kToolToggle = 1;
constexpr int kToolSeparator = 2;
// The side of the icons of a bar without a strip.
constexpr int kToolIconSide = 16;
// A button's padding and border round its icon, and the bar's own margin round the buttons.
constexpr int kBarPadding = 12;

} // namespace

Ref<TGadget> TWebToolbar::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    const auto window = Cast<TWebWindow>(group);
    vandro_dom_toolbar_make(handle, window ? window->_hwnd : 0, GroupClient(group));
    Register(ClassToolbar, handle, 0);
    return Ref<TGadget>(this);
}

TWebWindow* TWebToolbar::Window() const { return dynamic_cast<TWebWindow*>(parent); }

void TWebToolbar::Fit() {
    TWebWindow* window = Window();
    if (!window || !_hwnd)
        return;
    const int side = _icons && _icons->pixmap ? _icons->pixmap->height : kToolIconSide;
    TakeBarSize(window->ClientWidth(), side + kBarPadding);
    vandro_dom_place(_hwnd, 0, 0, width, height);
    const int room = _shown ? height : 0;
    if (room == window->_toolbarRoom)
        return;
    window->_toolbarRoom = room;
    window->Rethink();
}

int TWebToolbar::Rethink() {
    if (!Window())
        return TPlatformItemGadget::Rethink();
    Fit();
    return 0;
}

int TWebToolbar::Free() {
    const Ref<TWebWindow> window(Window());
    const int answer = TPlatformItemGadget::Free();
    if (window && window->_toolbarRoom) {
        window->_toolbarRoom = 0;
        window->Rethink();
    }
    return answer;
}

int TWebToolbar::ItemKind(int index, int icon) {
    if (icon == kToolSeparatorIcon || (_icons && _icons->IsBlankIcon(icon)))
        return kToolSeparator;
    return index < ItemCount() && (ItemFlags(index) & ItemFlagToggle) ? kToolToggle : kToolButton;
}

void TWebToolbar::ShowNativeItem(int index, bool added, const String& text, const String& tip,
                                 int icon) {
    vandro_dom_toolbar_item(_hwnd, index, added ? 1 : 0, ItemKind(index, icon), text.data(),
                            static_cast<int>(text.size()), tip.data(), static_cast<int>(tip.size()),
                            icon);
    if (added)
        Fit();
}

void TWebToolbar::RemoveNativeItem(int index) {
    vandro_dom_toolbar_remove(_hwnd, index);
    Fit();
}

void TWebToolbar::ShowItemState(int index, int state) {
    vandro_dom_toolbar_state(_hwnd, index, state);
}

int TWebToolbar::NativeItemState(int index) { return vandro_dom_toolbar_read_state(_hwnd, index); }

void TWebToolbar::ShowIconStrip() {
    GiveIconStrip(_hwnd, _icons);
    TPlatformItemGadget::ShowIconStrip();
    Fit();
}

void TWebToolbar::Pressed(int index) {
    if (!HasShownItem(index) || index >= ItemCount() || !ShownAndEnabled())
        return;
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ExtraOfItem(index));
}

} // namespace vandro

using namespace vandro;

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_toolbar_pressed(int handle, int index) {
    if (const auto bar = Cast<TWebToolbar>(GadgetFromHandle(handle)))
        Shielded([&] { bar->Pressed(index); });
    return 0;
}
}
