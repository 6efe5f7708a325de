// The Win32 half of a menu node: a menu bar, a pop-up menu or an item's submenu made of native
// menus, the item's place in its parent's menu, and the bitmap its icon shows as. A command
// carries the item's command id.
#pragma once

#include "events/windows/Win32.h"

#include "gui/MenuGadget.h"

namespace vandro {

class TWindowsMenu : public TMenuGadget {
  public:
    // The command id that a menu's command stands for: the command itself when it is a menu's
    // id past 16 bits (Wine passes the whole id), else the newest menu's whose id ends in its
    // low 16 bits (all Windows passes; ids pass 0xFFFF in a long session), else those bits.
    static int KeyFromCommand(WPARAM command);

    // The native menu this node owns (a root's bar or pop-up, an item's submenu); 0 closed.
    HMENU _hmenu = nullptr;
    // The native menu the item was appended to at its last open; _item is its place there.
    HMENU _pmenu = nullptr;
    // Shown in place of the unchecked mark; owned by the item, made when the item is opened.
    HBITMAP _iconBitmap = nullptr;
    // The resolution _iconBitmap was made for.
    int _iconDpi = 0;

  protected:
    void NewRootMenu(int popup) override;
    void AppendItem(TMenuGadget& above, const String& text) override;
    bool HasNativeMenu() const override;
    void ShowText(const String& text) override;
    void ShowChecked(bool checked) override;
    void ShowEnabled(bool enabled) override;
    void CloseNative() override;
    void IconChanged() override;

  private:
    // The icon's units at that resolution, cut to the check mark's box there, unless the
    // bitmap is made for it already.
    void MakeIconBitmap(int dpi);
};

} // namespace vandro
