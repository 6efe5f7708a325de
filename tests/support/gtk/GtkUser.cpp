// The user of the GTK platform: it clicks, chooses and closes through the X server, and reads
// what the widgets show (their texts, their computed CSS colours and fonts, their states).
#include "GtkUserInput.h"
#include "gui/gtk/GtkButton.h"
#include "gui/gtk/GtkGUIDriver.h"
#include "gui/gtk/GtkHTMLView.h"
#include "gui/gtk/GtkLabel.h"
#include "gui/gtk/GtkMenu.h"
#include "gui/gtk/GtkProgressBar.h"
#include "gui/gtk/GtkSlider.h"
#include "gui/gtk/GtkTextArea.h"
#include "gui/gtk/GtkTextField.h"
#include "gui/gtk/GtkWebKit.h"
#include "gui/gtk/GtkWindow.h"

#include "events/Event.h"
#include "events/gtk/GtkSystemDriver.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"
#include "runtime/Text.h"
#include "tests/support/PlatformUser.h"

#include <array>
#include <chrono>
#include <cmath>

namespace vandro {

namespace {

// GTK takes a button release within half a second of a menu's opening as the end of the
// click that opened it, not as a choice.
constexpr int kMenuSettleMs = 520;
// What GTK is given to take the last of the keys or a drag before the user looks.
constexpr int kSettleMs = 60;
// How long a window manager takes at most to place, size or change the state of a window.
constexpr int kWindowSettleMs = 250;
// How long a window that is not yet where the program put it is waited for when settling.
constexpr int kWindowPlacedMs = 2000;
// How far past a slider's end a drag goes.
constexpr int kPastEnd = 40;
constexpr int kCtrl = 2;

void OnSignalSeen(GtkWidget*, gpointer data) { *static_cast<bool*>(data) = true; }

Ref<TGtkGadget> Element(const Ref<TGadget>& gadget) { return Cast<TGtkGadget>(RealGadget(gadget)); }

bool Allocated(GtkWidget* widget) { return gtk_widget_get_allocated_width(widget) > 1; }

// GTK has laid the gadget out where the program put it: a click goes where it shows now.
bool LaidOut(const TGtkGadget& element) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(element._widget, &allocation);
    return allocation.x == element.xpos && allocation.y == element.ypos && allocation.width > 1;
}

// Clicks the widget's centre and waits until it reports the signal.
bool ClickAndWait(GtkWidget* widget, const char* signal) {
    int x = 0, y = 0;
    if (!ScreenCentre(widget, x, y))
        return false;
    bool seen = false;
    const gulong handler = g_signal_connect(widget, signal, G_CALLBACK(OnSignalSeen), &seen);
    ClickAt(x, y, 1, 0);
    PumpUntil([&seen] { return seen; }, kActionTimeout);
    g_signal_handler_disconnect(widget, handler);
    return seen;
}

// A text as the program wrote it, from GTK's: "_" marks the mnemonic again as "&".
String ProgramText(const char* shown) {
    const String text = FromUtf8(shown ? shown : "");
    String written;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == u'_' && at + 1 < text.size() && text[at + 1] == u'_') {
            written += u'_';
            ++at;
        } else if (text[at] == u'_') {
            written += u'&';
        } else if (text[at] == u'&') {
            written += u"&&";
        } else {
            written += text[at];
        }
    }
    return written;
}

// GTK takes a new look when its window next lays out a frame: what the widget shows is what it
// has once two frames have passed (the first may have been under way already).
void AfterNextFrame(GtkWidget* widget) {
    GdkFrameClock* clock = gtk_widget_get_frame_clock(widget);
    if (!clock)
        return;
    const gint64 frame = gdk_frame_clock_get_frame_counter(clock);
    PumpUntil(
        [clock, frame] {
            gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_LAYOUT);
            return gdk_frame_clock_get_frame_counter(clock) > frame + 1;
        },
        300);
}

int PackedColor(const GdkRGBA& color) {
    const auto channel = [](double value) { return static_cast<int>(value * 255 + 0.5); };
    return channel(color.red) + (channel(color.green) << 8) + (channel(color.blue) << 16);
}

int ComputedTextColor(GtkWidget* widget) {
    AfterNextFrame(widget);
    GtkStyleContext* context = gtk_widget_get_style_context(widget);
    GdkRGBA color;
    gtk_style_context_get_color(context, gtk_style_context_get_state(context), &color);
    return PackedColor(color);
}

int ComputedBackColor(GtkWidget* widget) {
    AfterNextFrame(widget);
    GtkStyleContext* context = gtk_widget_get_style_context(widget);
    GdkRGBA* color = nullptr;
    gtk_style_context_get(context, gtk_style_context_get_state(context), "background-color", &color,
                          nullptr);
    const int packed = color && color->alpha > 0 ? PackedColor(*color) : -1;
    if (color)
        gdk_rgba_free(color);
    return packed;
}

// The widget that shows the gadget's text and its text colour and font.
GtkWidget* TextWidget(const Ref<TGtkGadget>& element) {
    if (const auto button = Cast<TGtkButton>(element))
        return button->TextLabel();
    return element->_widget;
}

// The menu item whose widget this is, among the node's children.
Ref<TGadget> ItemOfWidget(const TGtkMenu& node, GtkWidget* widget) {
    for (const Object& kid : *node.kids)
        if (const auto item = Cast<TGtkMenu>(kid); item && item->_itemWidget == widget)
            return item;
    return {};
}

// The program's window whose widget this is, at or below the group.
Ref<TGadget> WindowOfWidget(const TGadget& group, GtkWidget* widget) {
    for (const Object& kid : *group.kids) {
        const auto window = Cast<TGtkWindow>(kid);
        if (!window)
            continue;
        if (window->_widget == widget)
            return window;
        if (auto inner = WindowOfWidget(*window, widget))
            return inner;
    }
    return {};
}

String MenuItemText(const TGtkMenu& item) {
    GtkWidget* child = item._itemWidget ? gtk_bin_get_child(GTK_BIN(item._itemWidget)) : nullptr;
    if (!child)
        return {};
    GList* parts = gtk_container_get_children(GTK_CONTAINER(child));
    String text = parts ? ProgramText(gtk_label_get_label(GTK_LABEL(parts->data))) : String();
    if (parts && parts->next)
        text += u"\t" + FromUtf8(gtk_label_get_text(GTK_LABEL(parts->next->data)));
    g_list_free(parts);
    return text;
}

class TGtkUser : public TPlatformUser {
  public:
    int PressButton(const Ref<TGadget>& button) override {
        const auto element = Cast<TGtkButton>(RealGadget(button));
        if (!element || !Usable(element->_widget))
            return 0;
        PumpUntil([&element] { return LaidOut(*element); }, kActionTimeout);
        const bool clicked = ClickAndWait(element->_widget, "clicked");
        PumpPending();
        return clicked ? 1 : 0;
    }

    int ChooseMenu(const Ref<TGadget>& item) override {
        const auto chosen = Cast<TGtkMenu>(item);
        if (!chosen || chosen->name.empty() || !chosen->kids->IsEmpty() || !chosen->_itemWidget)
            return 0;
        // A greyed item, or one in a greyed submenu, cannot be chosen.
        for (TGadget* at = chosen.get(); at; at = at->parent)
            if (auto* item = dynamic_cast<TGtkMenu*>(at);
                item && item->_itemWidget && !gtk_widget_get_sensitive(item->_itemWidget))
                return 0;
        // The way down from the menu bar: each entry opens the submenu the next one is in.
        std::vector<Ref<TGtkMenu>> path;
        for (Ref<TGtkMenu> at = chosen; at && dynamic_cast<TGtkMenu*>(at->parent);
             at = Ref<TGtkMenu>(dynamic_cast<TGtkMenu*>(at->parent)))
            path.insert(path.begin(), at);
        auto opened = std::chrono::steady_clock::now();
        for (std::size_t step = 0; step < path.size(); ++step) {
            GtkWidget* widget = path[step]->_itemWidget;
            if (!PumpUntil([widget] { return Usable(widget) && Allocated(widget); },
                           kActionTimeout)) {
                CloseMenus(path.front());
                return 0;
            }
            if (step + 1 == path.size())
                break;
            int x = 0, y = 0;
            ScreenCentre(widget, x, y);
            ClickAt(x, y, 1, 0);
            GtkWidget* submenu = path[step]->_shell;
            if (!PumpUntil([submenu] { return submenu && gtk_widget_get_mapped(submenu); },
                           kActionTimeout)) {
                CloseMenus(path.front());
                return 0;
            }
            opened = std::chrono::steady_clock::now();
        }
        const auto settled = opened + std::chrono::milliseconds(kMenuSettleMs);
        PumpUntil([settled] { return std::chrono::steady_clock::now() >= settled; }, kMenuSettleMs);
        const bool activated = ClickAndWait(chosen->_itemWidget, "activate");
        CloseMenus(path.front());
        return activated ? 1 : 0;
    }

    int CloseWindow(const Ref<TGadget>& window) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        if (!element || !Usable(element->_widget))
            return 0;
        const bool closed = DoAndAwaitEvent(
            WindowClose, FindOutermostGadget(element),
            [&element] { RequestClose(element->_widget); }, kActionTimeout);
        return closed ? 1 : 0;
    }

    int TypeText(const Ref<TGadget>& gadget, const String& text) override {
        const Ref<TGadget> real = RealGadget(gadget);
        GtkWidget* target = nullptr;
        if (const auto field = Cast<TGtkTextField>(real))
            target = field->_widget;
        else if (const auto area = Cast<TGtkTextArea>(real))
            target = area->View();
        if (!target || !Usable(target))
            return 0;
        // An entry that gets the focus selects its text: the keys go in once it has settled.
        PresentAndAwait(target);
        int x = 0, y = 0;
        ScreenCentre(target, x, y);
        ClickAt(x, y, 1, 0);
        if (!PumpUntil([target] { return gtk_widget_has_focus(target); }, kActionTimeout))
            return 0;
        PumpUntil([] { return false; }, kSettleMs);
        TypeKey(kEndKey, kCtrl);
        PumpPending();
        for (char16_t character : text) {
            if (!TypeCharacter(character))
                return 0;
            PumpPending();
        }
        PumpUntil([] { return false; }, kSettleMs);
        return 1;
    }

    int DragSlider(const Ref<TGadget>& slider, int toHigh) override {
        const auto element = Cast<TGtkSlider>(RealGadget(slider));
        if (!element || !element->_adjustment || !Usable(element->_widget))
            return 0;
        GtkWidget* widget = element->_widget;
        PumpUntil([element] { return LaidOut(*element); }, kActionTimeout);
        int start = 0, end = 0;
        gtk_range_get_slider_range(GTK_RANGE(widget), &start, &end);
        int x = 0, y = 0;
        ScreenCentre(widget, x, y);
        GtkAllocation allocation;
        gtk_widget_get_allocation(widget, &allocation);
        const bool across = element->_ishorizontal != 0;
        const int length = across ? allocation.width : allocation.height;
        const int origin = (across ? x - allocation.width / 2 : y - allocation.height / 2);
        const int from = origin + (start + end) / 2;
        const int to = toHigh ? origin + length + kPastEnd : origin - kPastEnd;
        if (across)
            DragFromTo(from, y, to, y);
        else
            DragFromTo(x, from, x, to);
        PumpUntil([] { return false; }, kSettleMs);
        return 1;
    }

    int PressSliderArrow(const Ref<TGadget>& slider, int up) override {
        const auto element = Cast<TGtkSlider>(RealGadget(slider));
        if (!element || !element->Arrow(up ? 1 : 0) || !Usable(element->_widget))
            return 0;
        PumpUntil([element] { return LaidOut(*element); }, kActionTimeout);
        const bool clicked = ClickAndWait(element->Arrow(up ? 1 : 0), "clicked");
        PumpPending();
        return clicked ? 1 : 0;
    }

    void WhenWaiting(std::function<void()> action) override {
        GtkSystem()->WhenWaiting(std::move(action));
    }

    int Exists(const Ref<TGadget>& gadget) override {
        if (const auto menu = Cast<TGtkMenu>(gadget))
            return menu->_itemWidget ? 1 : 0;
        const auto element = Element(gadget);
        return element && element->_widget ? 1 : 0;
    }

    String ShownText(const Ref<TGadget>& gadget) override {
        if (const auto menu = Cast<TGtkMenu>(gadget)) {
            String text = MenuItemText(*menu);
            const String& shortcut = menu->_shortcut;
            if (!shortcut.empty() && text.size() >= shortcut.size() &&
                text.compare(text.size() - shortcut.size(), shortcut.size(), shortcut) == 0)
                text.resize(text.size() - shortcut.size());
            return text;
        }
        const auto element = Element(gadget);
        if (!element || !element->_widget)
            return {};
        if (GTK_IS_WINDOW(element->_widget))
            return FromUtf8(gtk_window_get_title(GTK_WINDOW(element->_widget)));
        if (GTK_IS_ENTRY(element->_widget)) {
            GtkEntry* entry = GTK_ENTRY(element->_widget);
            if (gtk_entry_get_visibility(entry))
                return FromUtf8(gtk_entry_get_text(entry));
            return String(gtk_entry_get_text_length(entry),
                          static_cast<char16_t>(gtk_entry_get_invisible_char(entry)));
        }
        GtkWidget* text = TextWidget(element);
        // A label hidden behind an image shows nothing.
        if (!GTK_IS_LABEL(text) || !gtk_widget_get_visible(text))
            return {};
        if (gtk_label_get_use_underline(GTK_LABEL(text)))
            return ProgramText(gtk_label_get_label(GTK_LABEL(text)));
        return FromUtf8(gtk_label_get_text(GTK_LABEL(text)));
    }

    int ShownTextColor(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        if (!element || !element->_widget || element->_fgcolor < 0)
            return -1;
        return ComputedTextColor(TextWidget(element));
    }

    int ShownBackColor(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        if (!element || !element->_widget || !element->_bgshown)
            return -1;
        return ComputedBackColor(element->_widget);
    }

    Ref<TGuiFont> ShownFont(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        if (!element || !element->_widget || !element->_font)
            return {};
        // The font the widget's style computes, held against the font the gadget was given.
        AfterNextFrame(element->_widget);
        GtkStyleContext* context = gtk_widget_get_style_context(TextWidget(element));
        PangoFontDescription* computed = nullptr;
        gtk_style_context_get(context, gtk_style_context_get_state(context), "font", &computed,
                              nullptr);
        const bool same =
            computed && pango_font_description_get_family(computed) &&
            FromUtf8(pango_font_description_get_family(computed)) == element->_font->name &&
            pango_font_description_get_size(computed) ==
                pango_font_description_get_size(Cast<TGtkFont>(element->_font)->_description);
        if (computed)
            pango_font_description_free(computed);
        return same ? Ref<TGuiFont>(element->_font) : Ref<TGuiFont>();
    }

    int ShownState(const Ref<TGadget>& gadget) override {
        if (const auto menu = Cast<TGtkMenu>(gadget)) {
            GtkWidget* item = menu->_itemWidget;
            if (!item)
                return 0;
            const bool checked = GTK_IS_CHECK_MENU_ITEM(item) &&
                                 gtk_check_menu_item_get_active(GTK_CHECK_MENU_ITEM(item));
            return (gtk_widget_get_sensitive(item) ? 0 : StateDisabled) |
                   (checked ? StateChecked : 0);
        }
        const auto element = Element(gadget);
        if (!element || !element->_widget)
            return StateHidden;
        GtkWidget* widget = element->_widget;
        int state = (gtk_widget_get_visible(widget) ? 0 : StateHidden) |
                    (gtk_widget_get_sensitive(widget) ? 0 : StateDisabled);
        if (GTK_IS_TOGGLE_BUTTON(widget)) {
            if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget)))
                state |= StateChecked;
            if (gtk_toggle_button_get_inconsistent(GTK_TOGGLE_BUTTON(widget)))
                state |= StateChecked | StateIndeterminate;
        }
        return state;
    }

    int ShownLabelStyle(const Ref<TGadget>& label) override {
        const auto element = Cast<TGtkLabel>(RealGadget(label));
        if (!element || !element->_widget)
            return 0;
        if (GTK_IS_SEPARATOR(element->_widget))
            return LabelSeparator;
        const float xalign = gtk_label_get_xalign(GTK_LABEL(element->_widget));
        const int alignment = xalign > 0.75f   ? LabelRightAligned
                              : xalign > 0.25f ? LabelCentred
                                               : LabelLeftAligned;
        AfterNextFrame(element->_widget);
        GtkStyleContext* context = gtk_widget_get_style_context(element->_widget);
        GtkBorder border;
        gtk_style_context_get_border(context, gtk_style_context_get_state(context), &border);
        return alignment | (border.top > 0 ? element->Frame() : LabelNoFrame);
    }

    std::vector<Ref<TGadget>> ShownMenuItems(const Ref<TGadget>& menu) override {
        std::vector<Ref<TGadget>> items;
        const auto node = Cast<TGtkMenu>(menu);
        if (!node || !node->_shell)
            return items;
        GList* children = gtk_container_get_children(GTK_CONTAINER(node->_shell));
        for (GList* child = children; child; child = child->next)
            if (auto item = ItemOfWidget(*node, GTK_WIDGET(child->data)))
                items.push_back(item);
        g_list_free(children);
        return items;
    }

    String ShownShortcut(const Ref<TGadget>& item) override {
        const auto menu = Cast<TGtkMenu>(item);
        if (!menu || menu->_shortcut.empty())
            return {};
        const String text = MenuItemText(*menu);
        const String& shortcut = menu->_shortcut;
        const bool shown =
            text.size() >= shortcut.size() &&
            text.compare(text.size() - shortcut.size(), shortcut.size(), shortcut) == 0;
        return shown ? shortcut : String();
    }

    int MenuTag(const Ref<TGadget>& item) override {
        const auto menu = Cast<TGtkMenu>(item);
        return menu ? menu->_tag : 0;
    }

    String ShownStatusField(const Ref<TGadget>& window, int field) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        GtkWidget* label = element ? element->StatusLabel(field) : nullptr;
        return label ? FromUtf8(gtk_label_get_text(GTK_LABEL(label))) : String();
    }

    int ShownProgress(const Ref<TGadget>& bar) override {
        const auto element = Cast<TGtkProgressBar>(RealGadget(bar));
        if (!element || !element->_widget)
            return 0;
        return static_cast<int>(
            std::lround(gtk_progress_bar_get_fraction(GTK_PROGRESS_BAR(element->_widget)) * 100));
    }

    String ClipboardText() override {
        // The bytes as they are: GTK's text reading would turn a carriage return into a line
        // feed.
        GtkSelectionData* data =
            gtk_clipboard_wait_for_contents(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD),
                                            gdk_atom_intern_static_string("UTF8_STRING"));
        if (!data)
            return {};
        const auto* bytes = reinterpret_cast<const char*>(gtk_selection_data_get_data(data));
        const String held = FromUtf8(std::string(
            bytes, static_cast<std::size_t>(std::max(gtk_selection_data_get_length(data), 0))));
        gtk_selection_data_free(data);
        return held;
    }

    void PutOnClipboard(const String& text) override {
        const std::string bytes = ToUtf8(text);
        gtk_clipboard_set_text(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD), bytes.c_str(),
                               static_cast<gint>(bytes.size()));
        PumpPending();
    }

    Ref<TGadget> ActiveWindow() override {
        // The window GTK has active, not the one the driver last heard of.
        GList* tops = gtk_window_list_toplevels();
        GtkWidget* active = nullptr;
        for (GList* top = tops; top; top = top->next)
            if (gtk_window_is_active(GTK_WINDOW(top->data)))
                active = GTK_WIDGET(top->data);
        g_list_free(tops);
        return active ? WindowOfWidget(*Desktop(), active) : Ref<TGadget>();
    }

    int FollowLink(const Ref<TGadget>& view, const String& address) override {
        const auto element = Cast<TGtkHTMLView>(RealGadget(view));
        if (!element || !Usable(element->_widget))
            return 0;
        const TWebKit& webkit = WebKit();
        // A link is followed on a page that is shown: one still loading would take the click's
        // navigation for its own.
        PumpUntil([&] { return !webkit.isLoading(element->_widget); }, kActionTimeout);
        webkit.loadUri(element->_widget, ToUtf8(address).c_str());
        // Blocked or followed, the view is done with the navigation once WebKit stops loading.
        PumpUntil([&] { return !webkit.isLoading(element->_widget); }, kActionTimeout);
        return 1;
    }

    void PickFromNextPopup(const Ref<TGadget>& item) override {
        struct TPick {
            Ref<TGtkMenu> item;
            gint64 since = 0;
            gint64 deadline = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
        };
        // Polled while the program's pop-up runs its own loop: the click waits until the item
        // has shown for as long as GTK takes a release for the end of the opening click.
        g_timeout_add(
            20,
            +[](gpointer data) -> gboolean {
                auto* pick = static_cast<TPick*>(data);
                const gint64 now = g_get_monotonic_time();
                GtkWidget* widget = pick->item ? pick->item->_itemWidget : nullptr;
                int x = 0, y = 0;
                const bool shown = widget && gtk_widget_get_mapped(widget);
                if (shown && !pick->since)
                    pick->since = now;
                if (now < pick->deadline && (!shown || now - pick->since < kMenuSettleMs * 1000))
                    return G_SOURCE_CONTINUE;
                if (shown && ScreenCentre(widget, x, y))
                    ClickAt(x, y, 1, 0);
                delete pick;
                return G_SOURCE_REMOVE;
            },
            new TPick{Cast<TGtkMenu>(item)});
    }

    void AwaitDrawing(const Ref<TGadget>& gadget) override {
        if (const auto element = Element(gadget); element && element->_widget)
            AfterNextFrame(element->_widget);
        PumpPending();
    }
    int RightClickText(const Ref<TGadget>& area) override {
        const auto element = Cast<TGtkTextArea>(RealGadget(area));
        GtkWidget* view = element ? element->View() : nullptr;
        if (!view || !Usable(view))
            return 0;
        gtk_window_present(GTK_WINDOW(gtk_widget_get_toplevel(view)));
        PumpUntil([view] { return Allocated(view); }, kActionTimeout);
        int x = 0, y = 0;
        ScreenCentre(view, x, y);
        ClickAt(x, y, 3, 0);
        PumpUntil([] { return false; }, kSettleMs);
        return 1;
    }
    int PressKey(int key, int modifiers) override {
        const auto window = Cast<TGtkWindow>(ActiveWindow());
        if (!window || !gtk_window_is_active(GTK_WINDOW(window->_widget)))
            return 0;
        TypeKey(key, modifiers);
        PumpPending();
        PumpUntil([] { return false; }, kSettleMs);
        return 1;
    }
    Ref<TGadget> FocusedElement() override {
        GList* windows = gtk_window_list_toplevels();
        GtkWidget* focus = nullptr;
        GtkWidget* active = nullptr;
        for (GList* item = windows; item && !active; item = item->next)
            if (gtk_window_is_active(GTK_WINDOW(item->data))) {
                active = GTK_WIDGET(item->data);
                focus = gtk_window_get_focus(GTK_WINDOW(active));
            }
        g_list_free(windows);
        for (GtkWidget* at = focus ? focus : active; at; at = gtk_widget_get_parent(at))
            if (auto gadget = GadgetFromWidget(at))
                return FindOutermostGadget(gadget);
        return {};
    }
    String ShownTooltip(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        if (!element || !element->_widget)
            return {};
        gchar* tip = gtk_widget_get_tooltip_text(element->_widget);
        const String shown = FromUtf8(tip ? tip : "");
        g_free(tip);
        return shown;
    }

    // A window manager answers within a few frames. A window it framed otherwise than the
    // window foretold asks for its size again, one more round trip, which a busy machine can
    // stretch past those frames: that is awaited too.
    void Settle() override {
        PumpUntil([this] { return WindowsWhereAsked(); }, kWindowPlacedMs);
        PumpUntil([] { return false; }, kWindowSettleMs);
    }

    // Every shown window of the program, neither minimised nor maximised, shows the rectangle
    // the program gave it.
    bool WindowsWhereAsked() {
        GList* windows = gtk_window_list_toplevels();
        bool all = true;
        for (GList* item = windows; item && all; item = item->next) {
            const auto window = Cast<TGtkWindow>(GadgetFromWidget(GTK_WIDGET(item->data)));
            if (!window || !gtk_widget_get_mapped(window->_widget) || IsWindowMinimized(window) ||
                IsWindowMaximized(window))
                continue;
            const std::array<int, 4> asked{GadgetX(window), GadgetY(window), GadgetWidth(window),
                                           GadgetHeight(window)};
            all = (window->style & WindowClientCoords ? ShownClientArea(window)
                                                      : ShownFrame(window)) == asked;
        }
        g_list_free(windows);
        return all;
    }

    int MoveWindowFrame(const Ref<TGadget>& window, int x, int y) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        if (!element || !Usable(element->_widget))
            return 0;
        int w = GadgetWidth(element), h = GadgetHeight(element);
        if (element->style & WindowClientCoords)
            WindowFrameRect(element, x, y, w, h);
        return DoAndAwaitEvent(
                   WindowMove, element, [&] { MoveFrameTo(element->_widget, x, y); },
                   kActionTimeout)
                   ? 1
                   : 0;
    }

    int SizeWindowFrame(const Ref<TGadget>& window, int w, int h) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        if (!element || !Usable(element->_widget))
            return 0;
        int x = GadgetX(element), y = GadgetY(element);
        if (element->style & WindowClientCoords)
            WindowFrameRect(element, x, y, w, h);
        SizeFrameTo(element->_widget, w, h);
        PumpUntil([] { return false; }, kSettleMs);
        return 1;
    }

    std::array<int, 4> ShownFrame(const Ref<TGadget>& window) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        if (!element || !element->_widget || !gtk_widget_get_realized(element->_widget))
            return {};
        const GdkRectangle frame = FrameOnScreen(element->_widget);
        return {frame.x, frame.y, frame.width, frame.height};
    }

    std::array<int, 4> ShownClientArea(const Ref<TGadget>& window) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        GdkWindow* client = element && element->_client && gtk_widget_get_realized(element->_client)
                                ? gtk_widget_get_window(element->_client)
                                : nullptr;
        if (!client)
            return {};
        int x = 0, y = 0;
        gdk_window_get_origin(client, &x, &y);
        return {x, y, gdk_window_get_width(client), gdk_window_get_height(client)};
    }

    int ShownAlpha(const Ref<TGadget>& window) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        if (!element || !element->_widget || !gtk_widget_get_realized(element->_widget))
            return 0;
        // What the window manager is told: 0xFFFFFFFF is opaque, none is opaque too.
        const auto opacity = WindowCardinals(element->_widget, "_NET_WM_WINDOW_OPACITY", 1);
        return opacity.empty() ? 255 : static_cast<int>(opacity[0] / 0x01010101ul);
    }

    std::vector<int> ShownIconWidths(const Ref<TGadget>& window) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        if (!element || !element->_widget || !gtk_widget_get_realized(element->_widget))
            return {};
        // What the window manager is given: width, height and the pixels of each icon in turn.
        const auto icons = WindowCardinals(element->_widget, "_NET_WM_ICON", 1 << 20);
        std::vector<int> widths;
        for (std::size_t at = 0; at + 1 < icons.size(); at += 2 + icons[at] * icons[at + 1])
            widths.push_back(static_cast<int>(icons[at]));
        return widths;
    }

    int ShownPointer(const Ref<TGadget>& window) override {
        const auto element = Cast<TGtkWindow>(RealGadget(window));
        GdkWindow* native =
            element && element->_widget ? gtk_widget_get_window(element->_widget) : nullptr;
        if (!native)
            return 0;
        GdkCursor* shown = gdk_window_get_cursor(native);
        if (!shown)
            return 1;
        // The display keeps one cursor of each name, so the name's cursor is the one shown.
        constexpr std::array<const char*, 14> names{
            "default",     "text",        "wait",      "crosshair", "n-resize",
            "nwse-resize", "nesw-resize", "ew-resize", "ns-resize", "move",
            "not-allowed", "pointer",     "progress",  "help"};
        for (std::size_t shape = 0; shape < names.size(); ++shape) {
            GdkCursor* named =
                gdk_cursor_new_from_name(gdk_window_get_display(native), names[shape]);
            const bool same = named == shown;
            if (named)
                g_object_unref(named);
            if (same)
                return static_cast<int>(shape) + 1;
        }
        return 0;
    }
    String PlatformUserName() override { return FromUtf8(g_get_user_name()); }
    String PlatformComputerName() override { return FromUtf8(g_get_host_name()); }

  private:
    // Leaves the menus of the bar closed, as after a choice.
    static void CloseMenus(const Ref<TGtkMenu>& entry) {
        GtkWidget* widget = entry->_itemWidget;
        GtkWidget* bar = widget ? gtk_widget_get_parent(widget) : nullptr;
        if (bar && GTK_IS_MENU_SHELL(bar))
            gtk_menu_shell_deactivate(GTK_MENU_SHELL(bar));
        PumpPending();
    }
};

} // namespace

const Ref<TPlatformUser>& PlatformUser() {
    static const Ref<TPlatformUser> user = New<TGtkUser>();
    return user;
}

} // namespace vandro
