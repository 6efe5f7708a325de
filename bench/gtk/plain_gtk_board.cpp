#include "PlainGtkBoard.h"

#include <string>

namespace vandro::bench {

namespace {

void Style(GtkWidget* widget, const std::string& css) {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget),
                                   GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

GtkCssProvider* Provider(const char* css) {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css, -1, nullptr);
    return provider;
}

GtkWidget* Item(GtkWidget* shell, const char* text) {
    GtkWidget* item = gtk_menu_item_new_with_mnemonic(text);
    gtk_menu_shell_append(GTK_MENU_SHELL(shell), item);
    return item;
}

} // namespace

PlainGtkBoard::PlainGtkBoard() {
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window_), "Vandro");
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window_), box);
    GtkWidget* bar = gtk_menu_bar_new();
    GtkWidget* game = gtk_menu_new();
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(Item(bar, "_Spiel")), game);
    GtkWidget* sizes = gtk_menu_new();
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(Item(game, "_Grösse")), sizes);
    for (int n = 4; n <= 10; ++n)
        Item(sizes, (std::to_string(n + 1) + " x _" + std::to_string(n)).c_str());
    GtkWidget* players = gtk_menu_new();
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(Item(game, "S_pieler")), players);
    for (int n = 1; n <= 4; ++n)
        Item(players, ("_" + std::to_string(n) + " Spieler").c_str());
    gtk_menu_shell_append(GTK_MENU_SHELL(game), gtk_separator_menu_item_new());
    Item(game, "Spiel _neustarten");
    Item(game, "Spiel _beenden");
    gtk_box_pack_start(GTK_BOX(box), bar, FALSE, FALSE, 0);
    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, 638, 628);
    gtk_box_pack_start(GTK_BOX(box), fixed, TRUE, TRUE, 0);
    for (int slot = 0; slot < 4; ++slot) {
        GtkWidget* label = gtk_label_new(("Spieler " + std::to_string(slot + 1) + ": 0").c_str());
        gtk_label_set_xalign(GTK_LABEL(label), slot % 2 ? 1.0f : 0.0f);
        gtk_widget_set_size_request(label, 319, 24);
        Style(label, "label{font:bold 14pt Arial;color:#e1e0df;}");
        gtk_fixed_put(GTK_FIXED(fixed), label, 319 * (slot % 2), slot < 2 ? 0 : 604);
        if (slot == 0)
            label_ = label;
    }
    for (int card = 0; card < 110; ++card) {
        GtkWidget* button = gtk_button_new_with_label("?");
        gtk_widget_set_size_request(button, 58, 58);
        Style(button, "button{padding:0;min-width:0;min-height:0;transition:none;"
                      "background-image:none;background-color:#f6f5f4;border:none;"
                      "box-shadow:inset 0 0 0 1px rgba(0,0,0,0.3);}");
        Style(gtk_bin_get_child(GTK_BIN(button)),
              "label{margin:0 -4px;color:#80808c;font-family:Arial;font-size:36pt;}");
        g_signal_connect(button, "clicked", G_CALLBACK(Pressed), this);
        gtk_fixed_put(GTK_FIXED(fixed), button, 58 * (card % 11), 24 + 58 * (card / 11));
        cards_[card] = button;
    }
    GtkWidget* status = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 6);
    gtk_box_pack_start(GTK_BOX(status), gtk_label_new("Spieler 1"), TRUE, TRUE, 0);
    gtk_box_pack_end(GTK_BOX(status), gtk_label_new("Karten: 110 / 110"), FALSE, FALSE, 0);
    gtk_box_pack_end(GTK_BOX(box), status, FALSE, FALSE, 0);
    gtk_window_move(GTK_WINDOW(window_), 321, 178);
    gtk_widget_show_all(window_);
}

PlainGtkBoard::~PlainGtkBoard() { gtk_widget_destroy(window_); }

// A press turns the card over: face up on its hue with the symbol in black, or back to the grey
// question mark; the score label changes with it. Each look is one provider, made once.
void PlainGtkBoard::Pressed(GtkButton* button, gpointer data) {
    static GtkCssProvider* const looks[2][2] = {
        {Provider("button{background-image:none;background-color:#f6f5f4;}"),
         Provider("label{color:#80808c;}")},
        {Provider("button{background-image:none;background-color:#ff6060;}"),
         Provider("label{color:#000000;}")}};
    auto* board = static_cast<PlainGtkBoard*>(data);
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(button));
    const int up = g_object_get_data(G_OBJECT(button), "up") ? 1 : 0;
    gtk_style_context_remove_provider(gtk_widget_get_style_context(GTK_WIDGET(button)),
                                      GTK_STYLE_PROVIDER(looks[up][0]));
    gtk_style_context_remove_provider(gtk_widget_get_style_context(label),
                                      GTK_STYLE_PROVIDER(looks[up][1]));
    gtk_style_context_add_provider(gtk_widget_get_style_context(GTK_WIDGET(button)),
                                   GTK_STYLE_PROVIDER(looks[1 - up][0]),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    gtk_style_context_add_provider(gtk_widget_get_style_context(label),
                                   GTK_STYLE_PROVIDER(looks[1 - up][1]),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
    gtk_label_set_text(GTK_LABEL(label), up ? "?" : "\u2628");
    g_object_set_data(G_OBJECT(button), "up", GINT_TO_POINTER(1 - up));
    ++board->presses;
    gtk_label_set_text(GTK_LABEL(board->label_),
                       ("Spieler 1: " + std::to_string(board->presses)).c_str());
}

void DrawnAndIdle(GtkWidget* widget) {
    GdkFrameClock* clock = nullptr;
    while (!clock || !gtk_widget_get_mapped(widget)) {
        gtk_main_iteration_do(FALSE);
        clock = gtk_widget_get_frame_clock(widget);
    }
    const gint64 frame = gdk_frame_clock_get_frame_counter(clock);
    gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_PAINT);
    while (gdk_frame_clock_get_frame_counter(clock) <= frame)
        gtk_main_iteration_do(TRUE);
    while (gtk_events_pending())
        gtk_main_iteration_do(FALSE);
}

} // namespace vandro::bench
