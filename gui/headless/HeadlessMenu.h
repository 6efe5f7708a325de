// One node of a menu tree: a window's menu root, an entry of its menu bar, a drop-down item
// or a pop-up menu. The tree is turned into "native" menus only when it is opened: the window
// rebuilds its menu bar from the tree on RefreshWindowMenu, so text, check mark, enabled
// state and shortcut live in the gadget and every rebuild shows them again.
#pragma once

#include "gui/Gadget.h"
#include "gui/HotKey.h"

#include "graphics/Pixmap.h"

namespace vandro {

class THeadlessMenu : public TGadget {
  public:
    THeadlessMenu();
    ~THeadlessMenu() override;

    // The TGadget slots it overrides, in slot order.
    int DoLayout() override;
    // Closes the menu, leaves the group, gives up its command id and its shortcut.
    int Free() override;
    // 4 disabled, 0x10 checked; kept while the menu is closed.
    int State() override;
    // Shows at the next rebuild.
    int SetText(const String& text) override;
    String GetText() override;
    int SetTooltip(const String& tip) override;
    // With flag 8 the item's icon, shown at the next rebuild.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    int SetEnabled(int enabled) override;
    int SetSelected(int selected) override;
    // The shortcut text and its hot key, which raises this menu's "MenuAction".
    int SetHotKey(int key, int modifiers) override;
    int Class() override;

    // Its own operations.
    virtual int SetNewKey();
    // The menu of a command id, or null.
    static Ref<THeadlessMenu> GetMenuFromKey(int key);
    // A menu made on a window becomes an entry of the window's menu bar.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int tag, const String& text);
    // Builds the native menu of this node and of everything under it: an item is appended to
    // its parent's menu, a root becomes a menu bar or, with popup, a pop-up menu.
    virtual int Open(int popup);
    virtual int FreeKids();
    virtual int Close();

    // The item is in its parent's native menu as it is now.
    bool NativeShown() const;
    // The user can choose it: shown, not a separator, not a submenu, and neither it nor an
    // item above it greyed.
    bool Selectable() const;
    bool IsSeparator() const { return name.empty(); }
    // The items of this node's native menu, in order.
    std::vector<Ref<THeadlessMenu>> ShownItems() const;

    // The native menu this node owns, 0 while closed.
    int _hmenu = 0;
    // The native menu this item was appended to, and its place there.
    int _pmenu = 0;
    int _item = 0;
    int _state = 0;
    int _tag = 0;
    int _hotkeycode = 0;
    int _modifier = 0;
    String _shortcut;
    Ref<THotKey> _hotkey;
    int _key = 0;
    Ref<TPixmap> _icon;
    // What the native item shows.
    String _nativeText;
    int _nativeState = 0;
    Ref<TPixmap> _nativeIcon;
    // Items appended to _hmenu so far.
    int _itemcount = 0;
};

} // namespace vandro
