// A toolbar: a row of icon buttons across the top of its window, above the client area it moves
// down. An item with icon -2, or with an icon its strip marks blank, is a separator; a toggle
// item is a button that stays in; item tips are tooltips. A click raises "GadgetAction" with the
// button's index.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformItemGadget.h"
#include "gui/kinds/PlatformToolbar.h"

namespace vandro {

class TGtkWindow;

class TGtkToolbar : public TPlatformToolbar<TPlatformItemGadget<TGtkGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    // Gives the window its client area back.
    int Free() override;
    int Rethink() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // Its own. The user clicked the button.
    void ButtonClicked(GtkToolItem* button);
    // The tool item at the index, null outside the items.
    GtkToolItem* ItemAt(int index) const;

    // Above 0 while the program changes the buttons.
    int _busy = 0;

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    // Disabled makes the button insensitive, selected holds it in.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
    void ShowIconStrip() override;
    // The TPlatformToolbar hook: makes the window's client area room for the bar as it is now.
    void Fit() override;

  private:
    bool IsSeparatorIcon(int icon) const;
    // A separator, a toggle button or a plain one, as the item is.
    GType ButtonType(int index, int icon);
    // Makes the item's button and puts it at the index.
    void PutButton(int index, const String& text, const String& tip, int icon);
    void ShowButton(GtkToolItem* button, const String& text, const String& tip, int icon);
    // The strip's icon on a button; none for -1.
    void ShowIcon(GtkToolItem* button, int icon);
    // The widget whose checked flag shows the item selected.
    static GtkWidget* CheckedPart(GtkToolItem* item);
    TGtkWindow* Window() const;
    // The height the window last set aside for the bar.
    int _room = 0;
};

} // namespace vandro
