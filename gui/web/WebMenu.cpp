#include "WebMenu.h"

#include "WebDom.h"
#include "WebGUIDriver.h"
#include "WebWindow.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// The item kinds of WebDom.h.
constexpr int kEntry = 0;
constexpr int kMarkable = 1;
constexpr int kSeparator = 2;

} // namespace

TWebMenu::~TWebMenu() {
    if (_itemHandle)
        WebDriver().menuItems.erase(_itemHandle);
}

void TWebMenu::NewRootMenu(int popup) {
    // A bar made again for a rebuild replaces the one before.
    if (_menuHandle)
        vandro_dom_menu_remove(0, _menuHandle);
    _popup = popup != 0;
    _menuHandle = NewElementHandle();
    vandro_dom_menu_root(_menuHandle, popup);
}

void TWebMenu::AppendItem(TMenuGadget& above, const String& text) {
    const auto& menu = static_cast<TWebMenu&>(above);
    // Entries of a menu bar and items that open a submenu carry no mark.
    const bool entry = !kids->IsEmpty() || (!menu.ParentMenu() && !menu._popup);
    const int kind = IsSeparator() ? kSeparator : entry ? kEntry : kMarkable;
    _itemHandle = NewElementHandle();
    _menuHandle = kids->IsEmpty() ? 0 : NewElementHandle();
    vandro_dom_menu_item(_itemHandle, menu._menuHandle, kind, _menuHandle, text.data(),
                         static_cast<int>(text.size()));
    WebDriver().menuItems[_itemHandle] = this;
}

bool TWebMenu::HasNativeMenu() const { return _menuHandle != 0; }

void TWebMenu::ShowText(const String& text) {
    if (_itemHandle)
        vandro_dom_menu_text(_itemHandle, text.data(), static_cast<int>(text.size()));
}

void TWebMenu::ShowChecked(bool checked) {
    if (_itemHandle)
        vandro_dom_menu_checked(_itemHandle, checked ? 1 : 0);
}

void TWebMenu::ShowEnabled(bool enabled) {
    if (_itemHandle)
        vandro_dom_set_enabled(_itemHandle, enabled ? 1 : 0);
}

void TWebMenu::CloseNative() {
    if (_itemHandle)
        WebDriver().menuItems.erase(_itemHandle);
    vandro_dom_menu_remove(_itemHandle, _menuHandle);
    _itemHandle = 0;
    _menuHandle = 0;
}

void TWebMenu::Chosen() {
    const Ref<TGadget> self(this);
    TWebWindow* window = WebDriver().popupWindow;
    for (TGadget* at = parent; at && !window; at = at->parent)
        window = dynamic_cast<TWebWindow*>(at);
    if (window)
        Ref<TWebWindow>(window)->HandleMenuEvent(_key);
}

TWebMenu* MenuItemFromHandle(int handle) {
    const auto& items = WebDriver().menuItems;
    const auto found = items.find(handle);
    return found == items.end() ? nullptr : found->second;
}

} // namespace vandro
