// The base of every gadget the GTK platform backs with a widget: the widget and the container
// its children go into, the handle numbers the toolkit sees, geometry inside the group's
// container, text, font, colours as the widget's own CSS, tooltips, visibility, enabling with
// inheritance from the group, hot keys, raw input handed to the system driver, and the gate
// through which its events pass.
#pragma once

#include "GtkFont.h"

#include "gui/HotKey.h"
#include "gui/PlatformGadget.h"

#include <gtk/gtk.h>

namespace vandro {

class TGtkGadget : public TPlatformGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int SetArea(int x, int y, int w, int h) override;
    // 1 the widget's handle, 2 its container's (the widget's own where it has none).
    int Query(int which) override;
    // Destroys the widget and leaves the group; a second Free does nothing more.
    int Free() override;
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int Activate(int command) override;
    int State() override;
    // A text the program sets raises no event.
    int SetText(const String& text) override;
    String GetText() override;
    // Anything but a GTK font selects the default font.
    int SetFont(const Ref<TGuiFont>& font) override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    // Kept with CR LF line breaks; an empty tip removes it.
    int SetTooltip(const String& tip) override;
    String GetTooltip() override;
    int SetShow(int show) override;
    int SetEnabled(int enabled) override;
    int SetHotKey(int key, int modifiers) override;

    // Its own operations.
    // Makes the widget inside the group; answers the gadget.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text);
    virtual int FgColor();
    virtual int BgColor();
    // Nonzero while a background colour is set.
    virtual int BgBrush();
    // Takes the widget (and the container its children go into, when it has one of its own):
    // registers both under new handles and listens to the widget's raw input.
    virtual int Register(int gadgetClass, GtkWidget* widget, GtkWidget* container);
    virtual int isTabbable();
    int isControl() override;
    virtual int RethinkClient(int redraw);
    int Sensitize() override;
    virtual int DeSensitize();
    // The event gate: emits only while sensitized, with the outermost proxy as the source.
    virtual int PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra);
    // Applies the colours and the font to the widget as its own CSS.
    virtual int RefreshLook();
    // The CSS of the widget's look; subclasses style their own nodes.
    virtual String LookCss();
    // Shows the text in the widget.
    virtual int ShowText(const String& text);
    // The width of a border drawn inside the gadget's rectangle.
    virtual int BorderWidth();
    // Whether the keys typed now go to this gadget.
    virtual int HasKeyFocus();

    // The container a child of this gadget goes into; null for none.
    GtkWidget* ChildContainer() const { return _client ? _client : _widget; }
    // The widget's top-left corner on the screen.
    void ScreenOrigin(int& x, int& y) const;
    // Colour and font declarations of the look, for the subclasses' CSS.
    String ColorCss(bool withBackground) const;
    String FontCss() const;

    int _class = 0;
    int _hwnd = 0;
    int _hwndclient = 0;
    // Held by the gadget from Register to Free.
    GtkWidget* _widget = nullptr;
    GtkWidget* _client = nullptr;
    int _sensitive = 0;
    int _fgcolor = -1;
    int _bgcolor = -1;
    int _bgbrush = 0;
    Ref<TGtkFont> _font;
    Ref<THotKey> _hotkey;
    String _tooltip;
    String _text;
    // The provider of the widget's look; shared, not owned.
    GtkCssProvider* _provider = nullptr;
};

// The gadget that registered the widget, or null.
Ref<TGtkGadget> GadgetFromWidget(GtkWidget* widget);
// The handle of the window around the gadget (or of the gadget itself when it is a window);
// 0 when there is none.
int GadgetWindowHwnd(const Ref<TGadget>& gadget);
// A colour as CSS, from red + (green << 8) + (blue << 16).
String CssColor(int color);
// Gives the widget the provider of this CSS (none for ""), in place of the one it had.
void ApplyCss(GtkWidget* widget, GtkCssProvider*& provider, const String& css);
// The text as GTK wants it, with "&" marking the mnemonic as "_" does there, "&&" a plain "&".
String MnemonicText(const String& text);

} // namespace vandro
