#include "GtkGUIDriver.h"

#include "GtkDesktop.h"

#include "runtime/Text.h"

#include <array>
#include <unistd.h>

namespace vandro {

namespace {

TGtkState state;

int ChannelByte(double channel) { return static_cast<int>(channel * 255 + 0.5); }

// A colour of the theme: a named colour of the window's style, or the link colour.
GdkRGBA ThemeColor(int index) {
    GdkRGBA color{0, 0, 0, 1};
    GtkWidget* label = gtk_label_new(nullptr);
    GtkStyleContext* context = gtk_widget_get_style_context(label);
    static constexpr std::array<const char*, 4> kNames{"theme_bg_color", "theme_base_color",
                                                       "theme_fg_color", "theme_selected_bg_color"};
    if (index < static_cast<int>(kNames.size()))
        gtk_style_context_lookup_color(context, kNames[static_cast<std::size_t>(index)], &color);
    else
        gtk_style_context_get_color(context, GTK_STATE_FLAG_LINK, &color);
    g_object_ref_sink(label);
    gtk_widget_destroy(label);
    g_object_unref(label);
    return color;
}

// The names of the pointer shapes 1 to 14 in the cursor theme.
constexpr std::array<const char*, 15> kPointerNames{
    nullptr,    "default",     "text",        "wait",      "crosshair",
    "n-resize", "nwse-resize", "nesw-resize", "ew-resize", "ns-resize",
    "move",     "not-allowed", "pointer",     "progress",  "help"};

} // namespace

TGtkState& GtkDriver() { return state; }

TGtkGUIDriver::TGtkGUIDriver() {
    state = TGtkState();
    // The icon the desktop entry installs; windows show it once it is installed.
    gtk_window_set_default_icon_name("vandro");
    _defaultFont = TGtkFont::SystemFont(0, 0);
    _desktop = New<TGtkDesktop>();
}

String TGtkGUIDriver::LoginName() { return FromUtf8(g_get_user_name()); }

String TGtkGUIDriver::HostName() { return FromUtf8(g_get_host_name()); }

Ref<TGadget> TGtkGUIDriver::ActiveGadget() {
    GList* windows = gtk_window_list_toplevels();
    GtkWidget* focus = nullptr;
    for (GList* item = windows; item && !focus; item = item->next)
        if (gtk_window_is_active(GTK_WINDOW(item->data))) {
            // An active window none of whose widgets has the focus has it itself.
            GtkWidget* inside = gtk_window_get_focus(GTK_WINDOW(item->data));
            focus = inside ? inside : GTK_WIDGET(item->data);
        }
    g_list_free(windows);
    for (GtkWidget* at = focus; at; at = gtk_widget_get_parent(at))
        if (auto gadget = GadgetFromWidget(at))
            return gadget;
    return {};
}

int TGtkGUIDriver::RunColorChooser(int red, int green, int blue) {
    GtkWidget* dialog = gtk_color_chooser_dialog_new(nullptr, nullptr);
    const GdkRGBA preset{red / 255.0, green / 255.0, blue / 255.0, 1};
    gtk_color_chooser_set_rgba(GTK_COLOR_CHOOSER(dialog), &preset);
    int chosen = -1;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK) {
        GdkRGBA color;
        gtk_color_chooser_get_rgba(GTK_COLOR_CHOOSER(dialog), &color);
        chosen = (ChannelByte(color.red) << 16) | (ChannelByte(color.green) << 8) |
                 ChannelByte(color.blue);
    }
    gtk_widget_destroy(dialog);
    return chosen;
}

int TGtkGUIDriver::SetPointer(int shape) {
    GdkDisplay* display = gdk_display_get_default();
    if (state.cursor)
        g_object_unref(state.cursor);
    state.cursor = nullptr;
    if (shape >= 1 && shape < static_cast<int>(kPointerNames.size()))
        state.cursor =
            gdk_cursor_new_from_name(display, kPointerNames[static_cast<std::size_t>(shape)]);
    // Shape 0 gives each window its own pointer back.
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item; item = item->next)
        if (GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(item->data)))
            gdk_window_set_cursor(window, state.cursor);
    g_list_free(windows);
    return 0;
}

int TGtkGUIDriver::SystemColor(int index) {
    const GdkRGBA color = ThemeColor(index);
    return ChannelByte(color.red) + (ChannelByte(color.green) << 8) +
           (ChannelByte(color.blue) << 16);
}

} // namespace vandro
