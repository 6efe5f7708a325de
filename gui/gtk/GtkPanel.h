// A panel: a container of gadgets, plain (with no border, a sunken or a raised one) or a
// group panel, a captioned frame around its client area. A plain panel shows a background
// colour and a background image in one of five layouts, drawn translucent over its parent
// when its alpha is below 1; an active one takes the keys when clicked.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformPanel.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace vandro {

class TGtkPanel : public TPlatformPanel<TGtkGadget> {
  public:
    ~TGtkPanel() override;

    // The TGadget slots it overrides, in slot order.
    int Class() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int ShowText(const String& text) override;
    // A group panel's frame takes the rectangle, its client 8 narrower and 20 lower at (4, 16).
    int RethinkClient(int redraw) override;
    String LookCss() override;
    int BorderWidth() override;

    // Paints the background: colour, then the image by its layout, blended over the parent
    // with the panel's opacity.
    virtual void Paint(cairo_t* cairo);
    void PaintImage(cairo_t* cairo, int w, int h);

    GdkPixbuf* _background = nullptr;
    // A group panel's frame, inside the widget.
    GtkWidget* _frame = nullptr;

  protected:
    void ShowBackground(const Ref<TPixmap>& pixmap) override;
};

} // namespace vandro
