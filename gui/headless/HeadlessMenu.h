// The headless half of a menu node: it records what the core asked its native menus to show,
// as a native menu would show it.
#pragma once

#include "gui/MenuGadget.h"

namespace vandro {

class THeadlessMenu : public TMenuGadget {
  public:
    // The item is in its parent's native menu as it is now.
    bool NativeShown() const;
    // The user can choose it: shown, not a separator, not a submenu, and neither it nor an
    // item above it greyed.
    bool Selectable() const;
    // The items of this node's native menu, in order.
    std::vector<Ref<THeadlessMenu>> ShownItems() const;

    // The native menu this node owns, 0 while closed.
    int _handle = 0;
    // The native menu this item was appended to.
    int _parenthandle = 0;
    // What the native item shows; the icon in place of its check mark.
    String _nativeText;
    int _nativeState = 0;
    Ref<TPixmap> _nativeIcon;

  protected:
    void NewRootMenu(int popup) override;
    void AppendItem(TMenuGadget& above, const String& text) override;
    bool HasNativeMenu() const override;
    void ShowText(const String& text) override;
    void ShowChecked(bool checked) override;
    void ShowEnabled(bool enabled) override;
    void CloseNative() override;
};

} // namespace vandro
