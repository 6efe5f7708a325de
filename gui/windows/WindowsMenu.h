// One node of a menu tree: a window's menu root (its menu bar), an entry of the bar, a
// drop-down item or a pop-up menu. Nodes become native menu items only when the tree is
// opened; the window rebuilds its bar from the tree (UpdateMenu), so text, check mark,
// enabled state, shortcut and icon live here and every rebuild shows them again. A click on
// an item, or its shortcut, raises "MenuAction" with the item's tag.
#pragma once

#include "Win32.h"

#include "gui/Gadget.h"
#include "gui/HotKey.h"

namespace vandro {

class TWindowsMenu : public TGadget {
  public:
    TWindowsMenu();

    // The TGadget slots it overrides, in slot order.
    int DoLayout() override;
    // Closes the menu, leaves the group and gives up its command id and its icon.
    int Free() override;
    // 4 disabled, 0x10 checked; kept while the menu is closed.
    int State() override;
    // Shows at the next rebuild.
    int SetText(const String& text) override;
    String GetText() override;
    int SetTooltip(const String& text) override;
    // With flag 8 the item's icon in place of its check mark, shown at the next open.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    int SetEnabled(int enable) override;
    int SetSelected(int selected) override;
    // The shortcut text after a tab, and the hotkey that raises this menu's "MenuAction".
    int SetHotKey(int key, int modifiers) override;
    int Class() override;

    // Its own operations.
    // A new command id, never used before, filed under this menu.
    virtual int SetNewKey();
    // The menu of a command id, or null.
    static Ref<TWindowsMenu> GetMenuFromKey(int key);
    // The command id that a WM_COMMAND's 16 bits stand for: the newest menu's whose id ends
    // in them (ids pass 0xFFFF in a long session), or the bits themselves when none does.
    static int KeyFromCommand(int command);
    // A menu made on a window becomes an entry of the window's menu bar.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int tag, const String& text);
    // Builds the native menu of this node and everything under it: an item is appended to its
    // parent's menu, a root becomes a menu bar or, with popup, a pop-up menu.
    virtual int Open(int popup);
    virtual int FreeKids();
    virtual int Close();

    // The native menu this node owns (a root's bar or pop-up, an item's submenu); 0 closed.
    HMENU _hmenu = nullptr;
    // The native menu the item was appended to at its last open, and its place there.
    HMENU _pmenu = nullptr;
    int _item = 0;
    int _state = 0;
    int _tag = 0;
    int _hotkeycode = 0;
    int _modifier = 0;
    String _shortcut;
    Ref<THotKey> _hotkey;
    // The item's command id.
    int _key = 0;
    // Shown in place of the unchecked mark; owned by the item.
    HBITMAP _iconBitmap = nullptr;
};

} // namespace vandro
