// The gadget driver of the web platform: each gadget is an element of the page, made and
// changed through WebDom.h and the page halves of the kinds. The kinds not on the page yet raise
// the error that names them. Its state (the handle registry, the active window) is kept in one
// place.
#pragma once

#include "WebFont.h"

#include "gui/IconStrip.h"
#include "gui/kinds/PlatformDriver.h"

#include <map>

namespace vandro {

class TWebGadget;
class TWebMenu;
class TWebWindow;

// The frame the page draws round a window's client area, in CSS pixels (the program's units).
constexpr int kWebBorder = 1;
constexpr int kWebTitleBar = 28;
constexpr int kWebMenuBar = 24;
constexpr int kWebStatusLine = 22;
// The least desktop the page offers: a viewport smaller than this (a phone's) shows the windows
// scaled down, so that the program lays out its boards as on a desktop.
constexpr int kWebDesktopWidth = 1024;
constexpr int kWebDesktopHeight = 768;

class TWebGUIDriver : public TPlatformDriverOf<TWebFont, TIconStrip> {
  public:
    TWebGUIDriver();

    Ref<TGadget> ActiveGadget() override;
    int SetPointer(int shape) override;
    const TGadgetKinds& GadgetKinds() override;

  protected:
    // A dialog with the browser's colour input.
    int RunColorChooser(int red, int green, int blue) override;
    // The colours of the page's own look.
    int SystemColor(int index) override;
};

struct TWebState {
    // The handle registry: each element's handle leads to its gadget, held until its Free.
    std::map<int, Ref<TWebGadget>> registry;
    // The menu items on the page by their handles; not owned.
    std::map<int, TWebMenu*> menuItems;
    int lastHandle = 0;
    // Not owned: the window activated last, until it is freed.
    TWebWindow* activeWindow = nullptr;
    // Not owned: the window whose pop-up menu is open.
    TWebWindow* popupWindow = nullptr;
};

// Valid once the web driver is made.
TWebState& WebDriver();
// A fresh handle for an element of the page.
int NewElementHandle();
// The gadget of the element with that handle, or null.
Ref<TWebGadget> GadgetFromHandle(int handle);

} // namespace vandro
