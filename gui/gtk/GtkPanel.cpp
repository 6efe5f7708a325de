#include "GtkPanel.h"

#include "GtkGraphic.h"

#include "events/System.h"

#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

// What a group panel's frame takes from its client area: its sides and its caption.
constexpr int kGroupSides = 8;
constexpr int kGroupCaption = 20;

gboolean OnDraw(GtkWidget*, cairo_t* cairo, gpointer data) {
    Shielded([&] { static_cast<TGtkPanel*>(data)->Paint(cairo); });
    return FALSE;
}

} // namespace

TGtkPanel::~TGtkPanel() {
    if (_background)
        g_object_unref(_background);
}

int TGtkPanel::ClientWidth() {
    return std::max(TGtkGadget::ClientWidth() - (_type == 1 ? kGroupSides : 0), 0);
}

int TGtkPanel::ClientHeight() {
    return std::max(TGtkGadget::ClientHeight() - (_type == 1 ? kGroupCaption : 0), 0);
}

int TGtkPanel::SetAlpha(float alpha) {
    _alpha = alpha;
    if (_widget)
        gtk_widget_set_opacity(_widget, std::clamp(alpha, 0.0f, 1.0f));
    return Activate(13);
}

int TGtkPanel::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (_background)
        g_object_unref(_background);
    _background = PixbufFromPixmap(pixmap);
    _bitmapflags = flags;
    return Activate(13);
}

int TGtkPanel::Class() { return ClassPanel; }

Ref<TGadget> TGtkPanel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* client = gtk_fixed_new();
    gtk_widget_set_has_window(client, TRUE);
    GtkWidget* widget = client;
    if ((style & 3) == PanelGroupFrame) {
        _type = 1;
        widget = gtk_frame_new(nullptr);
        gtk_container_add(GTK_CONTAINER(widget), client);
        gtk_widget_show(client);
    }
    g_signal_connect(client, "draw", G_CALLBACK(OnDraw), this);
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), widget, 0, 0);
    Register(ClassPanel, widget, _type == 1 ? client : nullptr);
    if (style & PanelActive)
        sensitivity = 3;
    return Ref<TGadget>(this);
}

int TGtkPanel::ShowText(const String& text) {
    if (_type == 1)
        gtk_frame_set_label(GTK_FRAME(_widget), text.empty() ? nullptr : ToUtf8(text).c_str());
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
    if (_bgbrush) {
        cairo_set_source_rgb(cairo, (_bgcolor & 255) / 255.0, ((_bgcolor >> 8) & 255) / 255.0,
                             ((_bgcolor >> 16) & 255) / 255.0);
        cairo_paint(cairo);
    }
    if (_background) {
        const int iw = gdk_pixbuf_get_width(_background);
        const int ih = gdk_pixbuf_get_height(_background);
        cairo_save(cairo);
        switch (_bitmapflags & 7) {
        case 0:
            for (int y = 0; y < h; y += ih)
                for (int x = 0; x < w; x += iw) {
                    gdk_cairo_set_source_pixbuf(cairo, _background, x, y);
                    cairo_paint(cairo);
                }
            break;
        case 1:
            gdk_cairo_set_source_pixbuf(cairo, _background, (w - iw) / 2, (h - ih) / 2);
            cairo_paint(cairo);
            break;
        case 2:
        case 4:
        case 3: {
            const float sx = static_cast<float>(w) / iw, sy = static_cast<float>(h) / ih;
            const int mode = _bitmapflags & 7;
            const float fx = mode == 3 ? sx : mode == 4 ? sx : std::min(sx, sy);
            const float fy = mode == 3 ? sy : fx;
            const int dw = static_cast<int>(fx * iw), dh = static_cast<int>(fy * ih);
            cairo_translate(cairo, (w - dw) / 2, (h - dh) / 2);
            cairo_scale(cairo, fx, fy);
            gdk_cairo_set_source_pixbuf(cairo, _background, 0, 0);
            cairo_paint(cairo);
            break;
        }
        default:
            break;
        }
        cairo_restore(cairo);
    }
    GtkStyleContext* context = gtk_widget_get_style_context(_widget);
    if (_type == 0 && BorderWidth())
        gtk_render_frame(context, cairo, 0, 0, w, h);
}

} // namespace vandro
