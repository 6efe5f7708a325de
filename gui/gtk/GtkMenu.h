// One node of a menu tree: a window's menu root, an entry of its menu bar, a drop-down item
// or a pop-up menu. The tree becomes GTK menus only when it is opened: the window rebuilds its
// menu bar from the tree on RefreshWindowMenu, so text, check mark, enabled state and shortcut
// live in the gadget and every rebuild shows them again.
#pragma once

#include "gui/Gadget.h"
#include "gui/HotKey.h"

#include "graphics/Pixmap.h"

#include <gtk/gtk.h>

namespace vandro {

class TGtkMenu : public TGadget {
  public:
    TGtkMenu();
    ~TGtkMenu() override;

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
    // The shortcut, shown beside the text, and its hot key, which raises this menu's
    // "MenuAction".
    int SetHotKey(int key, int modifiers) override;
    int Class() override;

    // Its own operations.
    virtual int SetNewKey();
    // The menu of a command id, or null.
    static Ref<TGtkMenu> GetMenuFromKey(int key);
    // A menu made on a window becomes an entry of the window's menu bar.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int tag, const String& text);
    // Builds the GTK menu of this node and of everything under it: an item is appended to its
    // parent's menu, a root becomes a menu bar or, with popup, a pop-up menu.
    virtual int Open(int popup);
    virtual int FreeKids();
    virtual int Close();

    // The user chose the item.
    void Chosen();

    // The menu shell this node owns: a menu bar, a pop-up menu or an item's submenu; null
    // while closed. Cleared by GTK when the widget goes.
    GtkWidget* _shell = nullptr;
    // The item's widget in its parent's shell; null while closed.
    GtkWidget* _itemWidget = nullptr;
    int _item = 0;
    int _state = 0;
    int _tag = 0;
    int _hotkeycode = 0;
    int _modifier = 0;
    String _shortcut;
    Ref<THotKey> _hotkey;
    int _key = 0;
    Ref<TPixmap> _icon;
    // Items appended to _shell so far.
    int _itemcount = 0;

  private:
    GtkWidget* NewItemWidget();
    void Watch(GtkWidget*& pointer, GtkWidget* widget);
};

} // namespace vandro
