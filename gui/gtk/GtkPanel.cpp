#include "GtkPanel.h"

#include "GtkGraphic.h"

#include "events/System.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/PanelImage.h"
#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

// Where the client lies inside the frame.
constexpr int kGroupLeft = 4;
constexpr int kGroupTop = 16;

gboolean OnDraw(GtkWidget*, cairo_t* cairo, gpointer data) {
    Shielded([&] { static_cast<TGtkPanel*>(data)->Paint(cairo); });
    return FALSE;
}

// A click on an active panel gives it the keys.
gboolean OnPress(GtkWidget* client, GdkEventButton*, gpointer) {
    gtk_widget_grab_focus(client);
    return FALSE;
}

} // namespace

TGtkPanel::~TGtkPanel() {
    if (_background)
        g_object_unref(_background);
}

void TGtkPanel::ShowBackground(const Ref<TPixmap>& pixmap) {
    if (_background)
        g_object_unref(_background);
    _background = PixbufFromPixmap(pixmap);
}

int TGtkPanel::Class() { return ClassPanel; }

Ref<TGadget> TGtkPanel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* client = gtk_fixed_new();
    gtk_widget_set_has_window(client, TRUE);
    GtkWidget* widget = client;
    if ((style & 3) == PanelGroupFrame) {
        // The frame only draws the caption and the line; the client lies over it where the
        // toolkit lays the group's gadgets out, not where the theme would put it.
        _type = PanelGroup;
        widget = gtk_fixed_new();
        _frame = gtk_frame_new(nullptr);
        gtk_fixed_put(GTK_FIXED(widget), _frame, 0, 0);
        gtk_fixed_put(GTK_FIXED(widget), client, kGroupLeft, kGroupTop);
        gtk_widget_show(_frame);
        gtk_widget_show(client);
    }
    g_signal_connect(client, "draw", G_CALLBACK(OnDraw), this);
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), widget, 0, 0);
    Register(ClassPanel, widget, _type == PanelGroup ? client : nullptr);
    if (style & PanelActive) {
        sensitivity = 3;
        gtk_widget_set_can_focus(client, TRUE);
        gtk_widget_add_events(client, GDK_BUTTON_PRESS_MASK);
        g_signal_connect(client, "button-press-event", G_CALLBACK(OnPress), nullptr);
    }
    return Ref<TGadget>(this);
}

int TGtkPanel::ShowText(const String& text) {
    if (_frame)
        gtk_frame_set_label(GTK_FRAME(_frame), text.empty() ? nullptr : ToUtf8(text).c_str());
    return 0;
}

int TGtkPanel::RethinkClient(int) {
    if (!_frame)
        return 0;
    gtk_widget_set_size_request(_frame, std::max(width, 0), std::max(height, 0));
    gtk_widget_set_size_request(_client, ClientWidth(), ClientHeight());
    return 0;
}

String TGtkPanel::LookCss() {
    switch (style & 3) {
    case 1:
        return u"*{border:1px solid;border-color:rgba(0,0,0,0.4) rgba(255,255,255,0.9) "
               u"rgba(255,255,255,0.9) rgba(0,0,0,0.4);}";
    case 2:
        return u"*{border:1px solid;border-color:rgba(255,255,255,0.9) rgba(0,0,0,0.4) "
               u"rgba(0,0,0,0.4) rgba(255,255,255,0.9);}";
    default:
        return {};
    }
}

int TGtkPanel::BorderWidth() { return (style & 3) == 1 || (style & 3) == 2 ? 1 : 0; }

void TGtkPanel::Paint(cairo_t* cairo) {
    GtkWidget* area = ChildContainer();
    const int w = gtk_widget_get_allocated_width(area);
    const int h = gtk_widget_get_allocated_height(area);
    // The colour and the image are blended over the parent's background as one layer; the
    // gadgets inside stay opaque.
    const bool translucent = _alpha < 1.0f;
    if (translucent)
        cairo_push_group(cairo);
    if (_bgshown) {
        cairo_set_source_rgb(cairo, (_bgcolor & 255) / 255.0, ((_bgcolor >> 8) & 255) / 255.0,
                             ((_bgcolor >> 16) & 255) / 255.0);
        cairo_paint(cairo);
    }
    if (_background)
        PaintImage(cairo, w, h);
    if (translucent) {
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, PanelOpacity(_alpha) / 255.0);
    }
    GtkStyleContext* context = gtk_widget_get_style_context(_widget);
    if (_type == PanelPlain && BorderWidth())
        gtk_render_frame(context, cairo, 0, 0, w, h);
}

void TGtkPanel::PaintImage(cairo_t* cairo, int w, int h) {
    const int iw = gdk_pixbuf_get_width(_background);
    const int ih = gdk_pixbuf_get_height(_background);
    const int mode = _bitmapflags & 7;
    TImagePlace placed;
    if (!PlacePanelImage(mode, w, h, iw, ih, placed))
        return;
    if (mode == PanelImageTiled) {
        for (int y = 0; y < h; y += ih)
            for (int x = 0; x < w; x += iw) {
                gdk_cairo_set_source_pixbuf(cairo, _background, x, y);
                cairo_paint(cairo);
            }
        return;
    }
    cairo_save(cairo);
    cairo_rectangle(cairo, placed.x, placed.y, placed.w, placed.h);
    cairo_clip(cairo);
    cairo_translate(cairo, placed.x, placed.y);
    cairo_scale(cairo, static_cast<double>(placed.w) / iw, static_cast<double>(placed.h) / ih);
    gdk_cairo_set_source_pixbuf(cairo, _background, 0, 0);
    cairo_paint(cairo);
    cairo_restore(cairo);
}

} // namespace vandro
