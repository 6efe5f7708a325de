// The base of every gadget the web platform backs with an element of the page: the element's
// handle and that of the client area its children go into, its place inside the group's client
// area, and the text, tip, colours, font, visibility and enabled state the core keeps shown on
// it.
#pragma once

#include "WebFont.h"

#include "gui/kinds/PlatformGadget.h"

namespace vandro {

class TWebGadget : public TPlatformGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int Rethink() override;
    // 10 and 11 move the focus to the tab stop before or after the gadget; 13 shows the
    // colours and the font again.
    int Activate(int command) override;

    // Its own operations.
    // Makes the element inside the group; answers the gadget.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text);
    // Files the element (and the client area its children go into, 0 where it has none) under
    // the handles it was made with.
    void Register(int gadgetClass, int handle, int client);
    int isControl() override;
    int FocusElement() override;
    virtual int RethinkClient(int redraw);
    // Shows _fgcolor, _bgcolor where _bgshown, and the font.
    virtual void RefreshLook();
    // The handle of the group's client area, where a control of this group goes.
    static int GroupClient(const Ref<TGadget>& group);

    int _hwnd = 0;
    int _hwndclient = 0;

  protected:
    // Shows _fgcolor and the font on the element, with that background (-1 for its own).
    void ShowLook(int background);
    int NativeHandle(int client) override;
    int FreeElement() override;
    int ElementVisible() override;
    int ShowElement(int show) override;
    int ShowTooltip() override;
    Ref<TGuiFont> NativeFont(const Ref<TGuiFont>& font) override;
    int ShowFont(const Ref<TGuiFont>& font) override;
    int ShowBackground(int on) override;
    int ShowEnabled(int enabled) override;

    int _shown = 1;
    int _shownEnabled = 1;
};

} // namespace vandro
