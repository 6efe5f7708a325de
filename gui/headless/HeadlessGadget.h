// The base of every headless gadget with a "native" element: the handles, its rectangle,
// visibility, enabled state and keyboard focus, and the background it records for the colour
// the core keeps.
#pragma once

#include "HeadlessFont.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/PlatformGadget.h"

namespace vandro {

class THeadlessGadget : public TPlatformGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // The children follow when the element's size changes.
    int Rethink() override;
    // 10 and 11 move the focus to the tab stop before or after the gadget.
    int Activate(int command) override;

    // Its own operations.
    // Makes the element inside the group; answers the gadget.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text);
    // Takes the handles of the element: its own and, with a client area, that one too.
    virtual int Register(int gadgetClass, int withClient);
    int isControl() override;
    int FocusElement() override;
    virtual int RethinkClient(int redraw);
    // The sunken edge of text fields, text areas, list boxes and tree views.
    static constexpr int kClientEdge = 2;
    // The element and every element inside it are gone, as when their window is destroyed.
    virtual int ReleaseNative();
    // The keyboard focus has gone elsewhere.
    virtual int FocusLost();
    // What the platform reports of the user's keys and mouse to a gadget that asked for them
    // with its sensitivity: the event with the outermost proxy as its source.
    int ReportKey(int id, int data, int mods);
    int ReportMouse(int id, int button, int mods, int x, int y);

    // Creates the element of an edit control: it starts on a white ground, as the platform's
    // edit fields do.
    Ref<TGadget> CreateEditElement(int gadgetClass, int style);

    // Whether the element exists.
    bool Alive() const { return _handle != 0; }
    // The element exists, is shown and enabled, and so is everything around it: the user can
    // reach it.
    bool Reachable();

    // The numbers that stand for the element and its client area, 0 without them.
    int _handle = 0;
    int _clienthandle = 0;
    // What the element shows of visibility and enabling; a new element is hidden.
    int _visible = 0;
    int _nativeEnabled = 1;
    // Where the element is, in its group's client area.
    int _nativeX = 0;
    int _nativeY = 0;
    int _nativeW = 0;
    int _nativeH = 0;
    int _redraws = 0;
    // The tip the element shows.
    String _nativeTip;
    // What the element paints with: its font, its text colour as of its last redraw, and its
    // background (-1 for none of its own).
    Ref<TGuiFont> _shownfont;
    int _shownfgcolor = -1;
    int _shownbgcolor = -1;

  protected:
    int NativeHandle(int client) override;
    // Releases the element and those inside it; a second Free does nothing more.
    int FreeElement() override;
    int ElementVisible() override;
    int ShowElement(int show) override;
    int ShowTooltip() override;
    Ref<TGuiFont> NativeFont(const Ref<TGuiFont>& font) override;
    int ShowFont(const Ref<TGuiFont>& font) override;
    int ShowBackground(int on) override;
    int ShowEnabled(int enabled) override;
};

// Moves the keyboard focus to the gadget, which activates its window; null takes the focus
// away. The gadget that had the focus is told.
void FocusNative(const Ref<TGadget>& gadget);

} // namespace vandro
