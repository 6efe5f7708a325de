// The page's half of a menu node: a menu bar, a pop-up menu or an item's submenu, and the
// item's element in its parent's menu, with the roles a screen reader reads (menubar, menu,
// menuitem, and menuitemradio for the items that can carry a mark).
#pragma once

#include "gui/MenuGadget.h"

namespace vandro {

class TWebMenu : public TMenuGadget {
  public:
    ~TWebMenu() override;
    // The user chose the item.
    void Chosen();

    // The menu this node owns (a root's bar or pop-up, an item's submenu); 0 while closed.
    int _menuHandle = 0;
    // The item's element in its parent's menu; 0 while closed.
    int _itemHandle = 0;
    // A root opened as a pop-up menu.
    bool _popup = false;

  protected:
    void NewRootMenu(int popup) override;
    void AppendItem(TMenuGadget& above, const String& text) override;
    bool HasNativeMenu() const override;
    void ShowText(const String& text) override;
    void ShowChecked(bool checked) override;
    void ShowEnabled(bool enabled) override;
    void CloseNative() override;
};

// The open menu item of that handle, or null.
TWebMenu* MenuItemFromHandle(int handle);

} // namespace vandro
