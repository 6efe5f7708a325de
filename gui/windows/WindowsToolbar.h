// Gadget class 8: a row of icon buttons across the top of its window, which it moves its
// client area down for. An item with icon -2, or with an icon its strip marks blank, is a
// separator. A click raises "GadgetAction" with the button's index; item tips are tooltips.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformItemGadget.h"
#include "gui/kinds/PlatformToolbar.h"

namespace vandro {

class TWindowsToolbar : public TPlatformToolbar<TPlatformItemGadget<TWindowsGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    // Gives the window its client area back.
    int Free() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;

    // The bar's height, in device pixels, once fitted at that resolution.
    int HeightForDpi(int dpi);

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ClearNativeItems() override;
    // Bit 4 disables the button, bit 16 checks it.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
    void ShowIconStrip() override;
    // The TPlatformToolbar hook.
    void Fit() override;

  private:
    // An icon of -2, or one the strip marks blank, makes its item a separator.
    bool IsSeparatorIcon(int icon) const;
    // The buttons' size for the icons and the padding at that resolution.
    SIZE ButtonSize(int dpi) const;
    // The buttons take the icons and that size at the window's resolution.
    void ScaleButtons();
    // Keeps the top rows of the window's client area for a bar this high, in device pixels.
    static void SetAside(TWindowsGadget& window, int height);
    // Command ids follow the indexes; tips follow the buttons' places.
    void Renumber();
    TWindowsGadget* Window() const;
    // The tip the tooltip is showing.
    std::wstring _tipbuffer;
};

} // namespace vandro
