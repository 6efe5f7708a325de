// The base of every gadget the GTK platform backs with a widget: the widget and the container
// its children go into, the handle numbers the toolkit sees, geometry inside the group's
// container, the text, tip, font and colours the core keeps shown on the widget (colours and
// font as its own CSS), visibility, enabling, and raw input handed to the system driver.
#pragma once

#include "GtkFont.h"

#include "gui/kinds/PlatformGadget.h"

#include <gtk/gtk.h>

namespace vandro {

class TGtkGadget : public TPlatformGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int Rethink() override;
    // 10 and 11 move the focus to the tab stop before or after the gadget.
    int Activate(int command) override;

    // Its own operations.
    // Makes the widget inside the group; answers the gadget.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text);
    // Takes the widget (and the container its children go into, when it has one of its own):
    // registers both under new handles and listens to the widget's raw input.
    virtual int Register(int gadgetClass, GtkWidget* widget, GtkWidget* container);
    int isControl() override;
    // The client area, or the widget without one, takes the focus even where GTK would not
    // give it one.
    int FocusElement() override;
    virtual int RethinkClient(int redraw);
    // Applies the colours and the font to the widget as its own CSS.
    virtual int RefreshLook();
    // The CSS of the widget's look; subclasses style their own nodes.
    virtual String LookCss();
    // Whether the keys typed now go to this gadget.
    virtual int HasKeyFocus();
    // The widget (the gadget's own or a part of it) takes the keyboard focus, and the window
    // around it becomes the active one, as a window does on the other platforms when one of
    // its controls is focused.
    void GrabFocus(GtkWidget* widget);

    // The container a child of this gadget goes into; null for none.
    GtkWidget* ChildContainer() const { return _client ? _client : _widget; }
    // The widget's top-left corner on the screen.
    void ScreenOrigin(int& x, int& y) const;
    // Colour and font declarations of the look, for the subclasses' CSS.
    String ColorCss(bool withBackground) const;
    String FontCss() const;

    int _hwnd = 0;
    int _hwndclient = 0;
    // Held by the gadget from Register to Free.
    GtkWidget* _widget = nullptr;
    GtkWidget* _client = nullptr;
    // The provider of the widget's look; shared, not owned.
    GtkCssProvider* _provider = nullptr;

  protected:
    int NativeHandle(int client) override;
    // Destroys the widget; a second Free does nothing more.
    int FreeElement() override;
    int ElementVisible() override;
    int ShowElement(int show) override;
    int ShowTooltip() override;
    Ref<TGuiFont> NativeFont(const Ref<TGuiFont>& font) override;
    int ShowFont(const Ref<TGuiFont>& font) override;
    int ShowEnabled(int enabled) override;
};

// The gadget that registered the widget, or null.
Ref<TGtkGadget> GadgetFromWidget(GtkWidget* widget);
// A colour as CSS, from red + (green << 8) + (blue << 16).
String CssColor(int color);
// Gives the widget the provider of this CSS (none for ""), in place of the one it had.
void ApplyCss(GtkWidget* widget, GtkCssProvider*& provider, const String& css);
// The text as GTK wants it, with "&" marking the mnemonic as "_" does there, "&&" a plain "&".
String MnemonicText(const String& text);

} // namespace vandro
