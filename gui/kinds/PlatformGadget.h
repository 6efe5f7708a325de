// The base of every gadget a platform driver backs with a native element. It keeps what the
// program set (text, tip, colours, font, hot key, the enabled state a group passes on to what is
// inside it) and the gate that lets the element's events through; the platform fills in the
// native hooks that show it. The driver-neutral creation steps of TPlatformDriver work on it.
#pragma once

#include "gui/CanvasPainter.h"
#include "gui/Gadget.h"
#include "gui/GuiFont.h"
#include "gui/HotKey.h"

#include <vector>

namespace vandro {

class TPlatformGadget : public TGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // The rectangle and the element; the element's own Rethink moves the children when its
    // size changes.
    int SetArea(int x, int y, int w, int h) override;
    // 1 the element's handle, 2 its client handle (the element's own where it has none).
    int Query(int which) override;
    // Releases the element, the hot key and the font, and leaves the group. A focus inside goes
    // to the window first, so the field that had it raises GadgetLostFocus while it exists.
    int Free() override;
    // What the border leaves of the rectangle.
    int ClientWidth() override;
    int ClientHeight() override;
    int State() override;
    // The focus goes to the tab stop before or after the gadget in its window (ActivateBack,
    // ActivateForward), as Shift+Tab and Tab move it; the platform does the rest.
    int Activate(int command) override;
    // A text the program sets raises no event; it is kept only while the element exists.
    int SetText(const String& text) override;
    String GetText() override;
    // A font another platform made (or none) selects the platform's default font.
    int SetFont(const Ref<TGuiFont>& font) override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    // Lines separated by LF or CR LF are kept with CR LF between them, a lone CR goes; an
    // empty tip removes it.
    int SetTooltip(const String& tip) override;
    String GetTooltip() override;
    // Hidden, the gadget gives a focus inside it to its group, which then passes over it.
    int SetShow(int show) override;
    // What the element shows passes on to the gadgets inside it: each is forced off while it is
    // off, and a control shows its own state again once it is on. A focus inside a control
    // that goes off goes to its window first.
    int SetEnabled(int enabled) override;
    // A gadget's key raises GadgetAction on it in its window; key 0 only removes it.
    int SetHotKey(int key, int modifiers) override;
    // A new painter with the flags, in place of (and releasing) the one before; answers null.
    Object AttachGraphics(int flags) override;
    // The painter; null before graphics are attached and where the element cannot be painted.
    Object CanvasGraphics() override;

    // Its own operations.
    // The width of the element's border on each side, inside its rectangle.
    virtual int BorderWidth();
    // Colours as red + (green << 8) + (blue << 16), -1 when none was set.
    virtual int FgColor();
    virtual int BgColor();
    // 1 for a control inside a group, 0 for a window or the desktop.
    virtual int isControl() = 0;
    // A top-level window turns a client rectangle in units into its frame's and answers 1;
    // any other gadget leaves it and answers 0.
    virtual int AddWindowFrame(int&, int&, int&, int&) { return 0; }
    // 1 for a control that the tab key moves the focus to.
    virtual int isTabbable();
    // The gadgets inside the group that take the focus by tabbing, in the order they were made,
    // depth first: each shown and enabled, and so is every group around it.
    static std::vector<Ref<TPlatformGadget>> TabStops(const TGadget& group);
    static Ref<TPlatformGadget> FirstTabStop(const TGadget& group);
    // The tab stop of the gadget's window after it (back 0) or before it, round the window; the
    // first or the last when the gadget is none; null when the window has none.
    static Ref<TPlatformGadget> NextTabStop(const Ref<TGadget>& from, int back);
    // The shown, enabled tab stop among the gadget's own siblings after it (forward 1) or before
    // it, round the group, as the arrow keys move among push buttons; null when it is none.
    static Ref<TPlatformGadget> SiblingTabStop(const Ref<TGadget>& from, int forward);
    // The keyboard focus is on the gadget or on one inside it.
    bool HoldsFocus();
    // The element itself takes the keyboard focus, a tab stop or not (a window: none of its
    // controls has it). Nothing where there is no element.
    virtual int FocusElement();
    // Opens the event gate: from now on the element raises events.
    virtual int Sensitize();
    virtual int DeSensitize();
    // The event gate: emits only while sensitized, with the outermost proxy as the source.
    virtual int PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra);

    int _class = 0;
    int _sensitive = 0;
    int _fgcolor = -1;
    int _bgcolor = -1;
    // 1 while the element shows _bgcolor as its background: from SetColor until RemoveColor.
    int _bgshown = 0;
    Ref<TGuiFont> _font;
    Ref<THotKey> _hotkey;
    // What the program set; a platform whose element changes its text reads it back instead.
    String _text;
    String _tooltip;
    // What the program asked for with SetEnabled.
    int _enabled = 1;
    // Nonzero while a group around the gadget is disabled.
    int _forcedisable = 0;
    // Released when the gadget is freed.
    Ref<TCanvasPainter> _painter;

  protected:
    // A control that holds the focus gives it to the window around it.
    void GiveFocusToWindow();
    // The tip with its lines broken by line feeds alone, as a platform without CR LF shows it.
    String TooltipLines() const;
    // The element is shown, and enabled by the program and by every group around it.
    bool ShownAndEnabled();

    // The native half. The handle number of the element (client 0) or of the client area its
    // children go into (client 1, 0 where that is the element itself); 0 without an element.
    virtual int NativeHandle(int client);
    // Lets go of the element and of what the platform made for it.
    virtual int FreeElement();
    // 1 while the element exists and is shown.
    virtual int ElementVisible();
    // Shows or hides the element.
    virtual int ShowElement(int show);
    virtual int ShowText(const String& text);
    virtual int ShowTooltip();
    // The font the element takes for the one asked for: the font itself when this platform made
    // it, the platform's default otherwise.
    virtual Ref<TGuiFont> NativeFont(const Ref<TGuiFont>& font);
    // Shows _font; the program asked for font.
    virtual int ShowFont(const Ref<TGuiFont>& font);
    // Gives the element a background of _bgcolor (1) or takes it away (0); the redraw follows.
    virtual int ShowBackground(int on);
    // Shows the element enabled (1) or disabled (0); answers 1 when that changed what it shows.
    virtual int ShowEnabled(int enabled);
    // The platform's painter bound to the element; null (the default) where it has none.
    virtual Ref<TCanvasPainter> NewPainter();
};

// A colour as red + (green << 8) + (blue << 16), each part taken modulo 256.
int PackColor(int red, int green, int blue);

// The handle of the window around the gadget (or of the gadget itself when it is a window),
// 0 when there is none.
int GadgetWindowHandle(const Ref<TGadget>& gadget);

} // namespace vandro
