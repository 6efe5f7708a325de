#include "GtkCanvas.h"

#include "GtkCanvasPainter.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

#include <algorithm>

namespace vandro {

TGtkCanvas::~TGtkCanvas() { DropBuffer(); }

int TGtkCanvas::Free() {
    const int freed = TGtkPanel::Free();
    DropBuffer();
    return freed;
}

int TGtkCanvas::Activate(int command) {
    if (command == ActivateRedraw)
        _invalid = 1;
    return TGtkPanel::Activate(command);
}

int TGtkCanvas::Class() { return ClassCanvas; }

Ref<TGadget> TGtkCanvas::Create(const Ref<TGadget>& group, int style, const String& text) {
    return TGtkPanel::Create(group, style | PanelCanvasStyle | PanelActive, text);
}

Ref<TCanvasPainter> TGtkCanvas::NewPainter() { return TGtkCanvasPainter::Attach(this); }

void TGtkCanvas::Paint(cairo_t* cairo) {
    FitBuffer();
    // Every draw GTK asks for is a paint request, but the one that only shows what the program
    // drew: the program's drawing would otherwise ask for itself.
    if (_invalid || !_showingDrawn)
        PostGuiEvent(GadgetPaint, 0, 0, 0, 0, {});
    _invalid = 0;
    _showingDrawn = false;
    cairo_set_source_surface(cairo, _buffer, 0, 0);
    cairo_paint(cairo);
}

cairo_t* TGtkCanvas::BufferContext() {
    if (!_widget)
        return nullptr;
    FitBuffer();
    return cairo_create(_buffer);
}

void TGtkCanvas::FitBuffer() {
    const int w = std::max(ClientWidth(), 1);
    const int h = std::max(ClientHeight(), 1);
    if (!_buffer || cairo_image_surface_get_width(_buffer) != w ||
        cairo_image_surface_get_height(_buffer) != h) {
        cairo_surface_t* grown = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        if (_buffer) {
            cairo_t* copy = cairo_create(grown);
            cairo_set_source_surface(copy, _buffer, 0, 0);
            cairo_paint(copy);
            cairo_destroy(copy);
        }
        DropBuffer();
        _buffer = grown;
        _invalid = 1;
    }
}

void TGtkCanvas::BufferChanged() {
    if (!_widget)
        return;
    // A hidden canvas is drawn when shown, and asks for a paint then.
    _showingDrawn = gtk_widget_is_drawable(ChildContainer());
    gtk_widget_queue_draw(ChildContainer());
}

void TGtkCanvas::DropBuffer() {
    if (_buffer)
        cairo_surface_destroy(_buffer);
    _buffer = nullptr;
}

} // namespace vandro
