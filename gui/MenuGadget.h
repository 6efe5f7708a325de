// One node of a menu tree: a window's menu root (its menu bar), an entry of the bar, a
// drop-down item or a pop-up menu. Nodes become native menu items only when the tree is
// opened; the window rebuilds its bar from the tree (UpdateMenu), so text, check mark,
// enabled state, shortcut and icon live here and every rebuild shows them again. A click on
// an item, or its shortcut, raises "MenuAction" with the item's tag.
//
// The tree, the command ids, the state and the shortcut are the same on every platform; a
// platform's menu class fills in the native half below: make a menu bar, pop-up menu or
// submenu, append an item, show one item's text, check mark or enabled state, let go of a menu.
#pragma once

#include "Gadget.h"
#include "HotKey.h"

#include "graphics/Pixmap.h"

#include <map>

namespace vandro {

class TMenuGadget : public TGadget {
  public:
    TMenuGadget();
    ~TMenuGadget() override;

    // The TGadget slots it overrides, in slot order.
    int DoLayout() override;
    // Closes the menu, leaves the group, gives up its command id, its icon and its shortcut.
    int Free() override;
    // 4 disabled, 0x10 checked; kept while the menu is closed.
    int State() override;
    // Shows at the next rebuild.
    int SetText(const String& text) override;
    String GetText() override;
    int SetTooltip(const String& tip) override;
    // With flag 8 the item's icon in place of its check mark, shown at the next open.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    int SetEnabled(int enabled) override;
    int SetSelected(int selected) override;
    // The shortcut text after a tab, and the hot key that raises this menu's "MenuAction".
    int SetHotKey(int key, int modifiers) override;
    int Class() override;

    // Commands up to this one are a window's own, never a menu's.
    static constexpr int LastWindowCommand = 100;

    // Its own operations.
    // A new command id, never used before, filed under this menu. Its low 16 bits are above
    // LastWindowCommand.
    virtual int SetNewKey();
    // The menu of a command id, or null.
    static Ref<TMenuGadget> GetMenuFromKey(int key);
    // A menu made on a window becomes an entry of the window's menu bar.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int tag, const String& text);
    // Builds the native menu of this node and of everything under it: an item is appended to
    // its parent's menu, a root becomes a menu bar or, with popup, a pop-up menu.
    virtual int Open(int popup);
    virtual int FreeKids();
    virtual int Close();

    // The command ids in use and their menus, in the order of the ids.
    static const std::map<int, TMenuGadget*>& Keys();
    // The menu node this one is an item of; null for a root.
    TMenuGadget* ParentMenu() const;
    bool IsSeparator() const { return name.empty(); }

    // The item's place in its parent's native menu at its last open.
    int _item = 0;
    int _state = 0;
    int _tag = 0;
    int _hotkeycode = 0;
    int _modifier = 0;
    String _shortcut;
    Ref<THotKey> _hotkey;
    // The item's command id.
    int _key = 0;
    // As the program gave it; null for none.
    Ref<TPixmap> _icon;
    // Items appended to this node's native menu so far.
    int _itemcount = 0;
    // The item is in its parent's open native menu.
    bool _shown = false;

  protected:
    // The native half.
    // Makes a root's native menu: a menu bar or, with popup, a pop-up menu.
    virtual void NewRootMenu(int popup) = 0;
    // Appends the item to the open native menu of above, at _item, showing text; an item
    // without a name is a separator. An item with kids gets a native submenu of its own.
    virtual void AppendItem(TMenuGadget& above, const String& text) = 0;
    // This node has its native menu: a root's bar or pop-up, an item's submenu.
    virtual bool HasNativeMenu() const = 0;
    // The shown item's text, check mark and enabled state.
    virtual void ShowText(const String& text) = 0;
    virtual void ShowChecked(bool checked) = 0;
    virtual void ShowEnabled(bool enabled) = 0;
    // Lets go of the native menu this node owns and of the item it was in its parent's; the
    // items under it are closed already.
    virtual void CloseNative() = 0;
    // _icon changed; a platform that makes its own image of it makes it here.
    virtual void IconChanged() {}
};

// The root of a window's menu tree, made on first use as the window's child.
template <class Menu> Ref<TGadget> WindowMenuRoot(TGadget& window, Ref<Menu>& root) {
    if (!root) {
        root = New<Menu>();
        root->Create({}, 0, {});
        root->_setparent(Ref<TGadget>(&window), -1);
    }
    return root;
}

// A window's pop-up menu: opened, shown by show, which returns once the user chose an item or
// dismissed the menu, and closed again. A choice made meanwhile carries extra.
template <class Show>
void ShowPopupMenu(TMenuGadget& popup, Object& popupextra, const Object& extra, Show show) {
    popupextra = extra;
    popup.Open(1);
    show();
    popup.Close();
    popupextra = nullptr;
}

// A window's menu command: "MenuAction" for the menu of the command id (a null source and data
// 0 for an id no menu has), with the pop-up menu's extra, which it takes. The window's event
// gate has no say over menu commands.
int EmitMenuAction(int id, Object& popupextra);

} // namespace vandro
