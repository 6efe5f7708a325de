// A toolbar: a row of icon buttons across the top of its window, between the menu bar and the
// client area it moves down. An item with icon -2, or with an icon its strip marks blank, is a
// separator; a toggle item is a button that stays in (aria-pressed); item tips are tooltips. A
// click raises "GadgetAction" with the button's index.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformItemGadget.h"
#include "gui/kinds/PlatformToolbar.h"

namespace vandro {

class TWebWindow;

class TWebToolbar : public TPlatformToolbar<TPlatformItemGadget<TWebGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    // Gives the window its client area back.
    int Free() override;
    int Rethink() override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // Its own. The user clicked the button at the index.
    void Pressed(int index);

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
    void ShowIconStrip() override;
    // The TPlatformToolbar hook: makes the window's frame room for the bar as it is now.
    void Fit() override;

  private:
    // A button, a toggle button or a separator, as WebToolbarDom.h numbers them.
    int ItemKind(int index, int icon);
    TWebWindow* Window() const;
};

} // namespace vandro
