// The GTK half of a menu node: a menu bar, a pop-up menu or an item's submenu made of GTK menu
// shells, and the item's widget in its parent's shell.
#pragma once

#include "gui/MenuGadget.h"

#include <gtk/gtk.h>

namespace vandro {

class TGtkMenu : public TMenuGadget {
  public:
    ~TGtkMenu() override;

    // The user chose the item.
    void Chosen();

    // The menu shell this node owns: a menu bar, a pop-up menu or an item's submenu; null
    // while closed. Cleared by GTK when the widget goes.
    GtkWidget* _shell = nullptr;
    // The item's widget in its parent's shell; null while closed.
    GtkWidget* _itemWidget = nullptr;

  protected:
    void NewRootMenu(int popup) override;
    void AppendItem(TMenuGadget& above, const String& text) override;
    bool HasNativeMenu() const override;
    void ShowText(const String& text) override;
    void ShowChecked(bool checked) override;
    void ShowEnabled(bool enabled) override;
    void CloseNative() override;

  private:
    GtkWidget* NewItemWidget(const TGtkMenu& above, const String& text);
    void Watch(GtkWidget*& pointer, GtkWidget* widget);
};

} // namespace vandro
