// The fixture of the GTK platform's tests: the toolkit started on GTK under the X display the
// tests are given (ctest starts a private Xvfb for them), and helpers that let GTK run and take
// what it queued. Without a display every case is skipped with the reason.
#pragma once

#include "gui/gtk/GtkGUIDriver.h"
#include "gui/gtk/GtkMenu.h"
#include "tests/support/gtk/GtkUserInput.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "runtime/Application.h"

#include <X11/Xlib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace vandro {

class GtkTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!HasDisplay())
            GTEST_SKIP() << "no X display (DISPLAY is unset or does not answer): the GTK tests "
                            "run under the Xvfb display that ctest starts";
        StartRuntime();
        StartEventQueue();
        StartGuiDriver();
        Drain();
    }

  public:
    static bool HasDisplay() {
        static const bool has = [] {
            const char* name = std::getenv("DISPLAY");
            Display* display = name ? XOpenDisplay(name) : nullptr;
            if (display)
                XCloseDisplay(display);
            return display != nullptr;
        }();
        return has;
    }

    // Everything the platform queued, in order, after GTK has run what it had pending.
    static std::vector<Ref<TEvent>> Drain() {
        PumpPending();
        std::vector<Ref<TEvent>> events;
        while (PollEvent() != 0)
            events.push_back(CurrentEvent());
        return events;
    }

    // Lets GTK run until the queue holds an event, or a second has passed.
    static std::vector<Ref<TEvent>> DrainAfterInput() {
        PumpUntil([] { return PeekEvent() != nullptr; }, 1000);
        PumpUntil([] { return false; }, 30);
        return Drain();
    }

    // Waits until GTK has drawn the widget after the change.
    static bool Redrawn(GtkWidget* widget, const std::function<void()>& change) {
        bool drawn = false;
        const auto seen = +[](GtkWidget*, cairo_t*, gpointer data) -> gboolean {
            *static_cast<bool*>(data) = true;
            return FALSE;
        };
        const gulong handler = g_signal_connect_after(widget, "draw", G_CALLBACK(seen), &drawn);
        change();
        const bool done = PumpUntil([&drawn] { return drawn; }, 3000);
        g_signal_handler_disconnect(widget, handler);
        return done;
    }

    // Opens the submenu of the entry with a click, as a user does; true once it is drawn.
    static bool OpenByClick(const Ref<TGadget>& entry) {
        const auto menu = Cast<TGtkMenu>(entry);
        int x = 0, y = 0;
        GtkWidget* item = menu ? menu->_itemWidget : nullptr;
        if (!item || !menu->_shell ||
            !PumpUntil(
                [&] {
                    return gtk_widget_get_allocated_width(item) > 1 && ScreenCentre(item, x, y);
                },
                3000))
            return false;
        return Redrawn(menu->_shell, [x, y] { ClickAt(x, y, 1, 0); });
    }

    // Pixels painted in the space a menu item keeps in front of its text for a check mark.
    static int MarkPixels(const Ref<TGadget>& item) {
        GtkWidget* widget = Cast<TGtkMenu>(item)->_itemWidget;
        GtkWidget* popup = gtk_widget_get_toplevel(widget);
        GtkAllocation whole, text;
        gtk_widget_get_allocation(widget, &whole);
        gtk_widget_get_allocation(gtk_bin_get_child(GTK_BIN(widget)), &text);
        int left = 0, top = 0;
        gtk_widget_translate_coordinates(widget, popup, 0, 0, &left, &top);
        GdkPixbuf* picture = gdk_pixbuf_get_from_window(gtk_widget_get_window(popup), left, top,
                                                        text.x - whole.x, whole.height);
        if (!picture)
            return -1;
        // The item's outermost pixels may be the menu's border; inside them, its ground.
        const guchar* pixels = gdk_pixbuf_get_pixels(picture);
        const int stride = gdk_pixbuf_get_rowstride(picture);
        const int channels = gdk_pixbuf_get_n_channels(picture);
        const guchar* ground = pixels + stride + channels;
        int painted = 0;
        for (int y = 1; y + 1 < gdk_pixbuf_get_height(picture); ++y)
            for (int x = 1; x + 1 < gdk_pixbuf_get_width(picture); ++x) {
                const guchar* pixel = pixels + y * stride + x * channels;
                painted += std::equal(pixel, pixel + 3, ground) ? 0 : 1;
            }
        g_object_unref(picture);
        return painted;
    }

    static std::vector<int> Ids(const std::vector<Ref<TEvent>>& events) {
        std::vector<int> ids;
        for (const auto& event : events)
            ids.push_back(event->id);
        return ids;
    }
};

// A window of the toolkit for each case, freed after it; a suite that needs another window, or
// gadgets in it from the start, makes it in MakeWindow.
class GtkWindowTest : public GtkTest {
  protected:
    void SetUp() override {
        GtkTest::SetUp();
        if (IsSkipped())
            return;
        window = MakeWindow();
        Drain();
    }
    virtual Ref<TGadget> MakeWindow() { return CreateWindow(u"Vandro", 0, 0, 420, 330, {}, 557); }
    void TearDown() override {
        if (window)
            FreeGadget(window);
        Drain();
    }
    Ref<TGadget> window;
};

} // namespace vandro
