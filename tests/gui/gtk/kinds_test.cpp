// Text fields, text areas, sliders and progress bars on GTK: the widgets they are made of,
// styled ranges as the text view's tags, a trackbar's tick marks, a picture of them all, and a
// hundred create and free cycles of each leaving no widget and no object alive.
#include "GtkFixture.h"

#include "gui/gtk/GtkProgressBar.h"
#include "gui/gtk/GtkSlider.h"
#include "gui/gtk/GtkTextArea.h"
#include "gui/gtk/GtkTextField.h"
#include "gui/gtk/GtkWindow.h"

#include "gui/GadgetItemFunctions.h"
#include "gui/TextAreaFunctions.h"

#include <algorithm>

namespace vandro {
namespace {

using GtkKindsTest = GtkWindowTest;

// Counts the inner widgets of a gadget that GTK has finalized.
void Finalized(gpointer count, GObject*) { ++*static_cast<int*>(count); }

// The most marks the slider shows side by side as it is on the screen: runs of dark pixels along
// one row (across) or one column of it.
int MostTicks(const Ref<TGadget>& slider, bool across) {
    GtkWidget* widget = Cast<TGtkSlider>(slider)->_widget;
    PumpUntil([] { return false; }, 200);
    GtkWidget* top = gtk_widget_get_toplevel(widget);
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(widget, top, 0, 0, &x, &y);
    const int width = gtk_widget_get_allocated_width(widget);
    const int height = gtk_widget_get_allocated_height(widget);
    GdkPixbuf* picture =
        gdk_pixbuf_get_from_window(gtk_widget_get_window(top), x, y, width, height);
    if (!picture)
        return -1;
    const guchar* pixels = gdk_pixbuf_get_pixels(picture);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    const int channels = gdk_pixbuf_get_n_channels(picture);
    const auto dark = [&](int px, int py) {
        const guchar* pixel = pixels + py * stride + px * channels;
        return pixel[0] + pixel[1] + pixel[2] < 3 * 170;
    };
    int most = 0;
    for (int line = 0; line < (across ? height : width); ++line) {
        int runs = 0;
        bool before = false;
        for (int along = 0; along < (across ? width : height); ++along) {
            const bool now = across ? dark(along, line) : dark(line, along);
            runs += now && !before;
            before = now;
        }
        most = std::max(most, runs);
    }
    g_object_unref(picture);
    return most;
}

TEST_F(GtkKindsTest, EachKindIsMadeOfItsNativeWidgets) {
    const auto field = Cast<TGtkTextField>(CreateTextField(0, 0, 100, 24, window, 0));
    const auto password = Cast<TGtkTextField>(CreateTextField(0, 30, 100, 24, window, 1));
    ASSERT_TRUE(field && password);
    EXPECT_TRUE(GTK_IS_ENTRY(field->_widget));
    EXPECT_TRUE(gtk_entry_get_visibility(GTK_ENTRY(field->_widget)));
    EXPECT_FALSE(gtk_entry_get_visibility(GTK_ENTRY(password->_widget)));

    const auto plain = Cast<TGtkTextArea>(CreateTextArea(0, 60, 100, 60, window, 0));
    const auto wrapped = Cast<TGtkTextArea>(CreateTextArea(110, 60, 100, 60, window, 3));
    ASSERT_TRUE(plain && wrapped);
    EXPECT_TRUE(GTK_IS_SCROLLED_WINDOW(plain->_widget));
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(plain->_widget)), plain->View());
    EXPECT_EQ(gtk_text_view_get_wrap_mode(GTK_TEXT_VIEW(plain->View())), GTK_WRAP_NONE);
    EXPECT_TRUE(gtk_text_view_get_editable(GTK_TEXT_VIEW(plain->View())));
    EXPECT_EQ(gtk_text_view_get_wrap_mode(GTK_TEXT_VIEW(wrapped->View())), GTK_WRAP_WORD_CHAR);
    EXPECT_FALSE(gtk_text_view_get_editable(GTK_TEXT_VIEW(wrapped->View())));

    const auto bar = Cast<TGtkSlider>(CreateSlider(0, 130, 100, 16, window, 1));
    const auto track = Cast<TGtkSlider>(CreateSlider(110, 130, 30, 100, window, 4));
    const auto stepper = Cast<TGtkSlider>(CreateSlider(150, 130, 20, 40, window, 8));
    const auto none = Cast<TGtkSlider>(CreateSlider(180, 130, 20, 40, window, 12));
    ASSERT_TRUE(bar && track && stepper && none);
    EXPECT_TRUE(GTK_IS_SCROLLBAR(bar->_widget));
    EXPECT_EQ(gtk_orientable_get_orientation(GTK_ORIENTABLE(bar->_widget)),
              GTK_ORIENTATION_HORIZONTAL);
    EXPECT_TRUE(GTK_IS_SCALE(track->_widget));
    EXPECT_EQ(gtk_orientable_get_orientation(GTK_ORIENTABLE(track->_widget)),
              GTK_ORIENTATION_VERTICAL);
    EXPECT_TRUE(GTK_IS_BOX(stepper->_widget));
    EXPECT_TRUE(GTK_IS_BUTTON(stepper->Arrow(0)) && GTK_IS_BUTTON(stepper->Arrow(1)));
    EXPECT_EQ(none->_widget, nullptr);
    EXPECT_EQ(QueryGadget(none, 1), 0);

    const auto progress = Cast<TGtkProgressBar>(CreateProgressBar(0, 250, 200, 20, window, 0));
    ASSERT_TRUE(progress);
    EXPECT_TRUE(GTK_IS_PROGRESS_BAR(progress->_widget));
}

TEST_F(GtkKindsTest, AStyledRangeIsOneTagThatANewStyleReplaces) {
    const auto area = Cast<TGtkTextArea>(CreateTextArea(0, 0, 200, 100, window, 0));
    SetTextAreaText(area, u"rot\nblau");
    FormatTextAreaText(area, 255, 0, 0, 1 | 4, 0, 3);
    const auto tagsAt = [&](int offset) {
        GtkTextIter at;
        gtk_text_buffer_get_iter_at_offset(area->Buffer(), &at, offset);
        return gtk_text_iter_get_tags(&at);
    };
    GSList* tags = tagsAt(1);
    ASSERT_EQ(g_slist_length(tags), 1u);
    GdkRGBA* color = nullptr;
    int weight = 0, underline = 0, style = 0;
    g_object_get(tags->data, "foreground-rgba", &color, "weight", &weight, "underline", &underline,
                 "style", &style, nullptr);
    EXPECT_EQ(color->red, 1.0);
    EXPECT_EQ(color->green, 0.0);
    EXPECT_EQ(weight, PANGO_WEIGHT_BOLD);
    EXPECT_EQ(underline, PANGO_UNDERLINE_SINGLE);
    EXPECT_EQ(style, PANGO_STYLE_NORMAL);
    gdk_rgba_free(color);
    g_slist_free(tags);
    tags = tagsAt(4);
    EXPECT_EQ(g_slist_length(tags), 0u);
    g_slist_free(tags);

    // The second line in italic blue, the first character of the text too.
    FormatTextAreaText(area, 0, 0, 255, 2, 1, 1, TextLines);
    FormatTextAreaText(area, 0, 0, 255, 2, 0, 1);
    for (int offset : {0, 5}) {
        tags = tagsAt(offset);
        ASSERT_EQ(g_slist_length(tags), 1u) << offset;
        g_object_get(tags->data, "weight", &weight, "style", &style, nullptr);
        EXPECT_EQ(weight, PANGO_WEIGHT_NORMAL) << offset;
        EXPECT_EQ(style, PANGO_STYLE_ITALIC) << offset;
        g_slist_free(tags);
    }
    tags = tagsAt(2);
    g_object_get(tags->data, "weight", &weight, nullptr);
    EXPECT_EQ(weight, PANGO_WEIGHT_BOLD);
    g_slist_free(tags);
}

// A trackbar shows a tick mark at each value of its range, below it or on its right, and the
// marks follow a new range.
TEST_F(GtkKindsTest, ATrackbarShowsATickMarkAtEachValueOfItsRange) {
    const auto across = CreateSlider(10, 10, 300, 30, window, SliderTrackBar | SliderHorizontal);
    const auto down = CreateSlider(10, 90, 60, 200, window, SliderTrackBar);
    SetSliderRange(across, 0, 10);
    SetSliderRange(down, 2, 6);
    EXPECT_EQ(MostTicks(across, true), 11);
    // The knob points at the mark of its value, the lowest here, and hides it.
    EXPECT_EQ(MostTicks(down, false), 4);
    SetSliderRange(across, -3, 0);
    EXPECT_EQ(MostTicks(across, true), 4);
    // Three hundred and one marks would crowd it: a mark at every fifteenth value.
    const auto wide = CreateSlider(10, 50, 400, 30, window, SliderTrackBar | SliderHorizontal);
    SetSliderRange(wide, 0, 300);
    EXPECT_EQ(MostTicks(wide, true), 21);
    SetSliderRange(wide, 0, 20);
    EXPECT_EQ(MostTicks(wide, true), 21);
    SetSliderRange(wide, 0, 21);
    EXPECT_EQ(MostTicks(wide, true), 12);
}

TEST_F(GtkKindsTest, APictureOfEveryKindLooksLikeATidyProgram) {
    const auto name = CreateTextField(10, 10, 190, 26, window, 0);
    SetGadgetText(name, u"Spieler 1");
    const auto secret = CreateTextField(210, 10, 190, 26, window, 1);
    SetGadgetText(secret, u"geheim");
    const auto area = CreateTextArea(10, 46, 390, 100, window, 1);
    SetTextAreaText(area, u"Fett und unterstrichen, dann kursiv in Blau.\nZweite Zeile.");
    FormatTextAreaText(area, 160, 0, 0, 1 | 4, 0, 22);
    FormatTextAreaText(area, 0, 0, 200, 2, 29, 14);
    const auto bar = CreateSlider(10, 156, 300, 16, window, 1);
    SetSliderRange(bar, 10, 100);
    SetSliderValue(bar, 30);
    const auto track = CreateSlider(10, 180, 300, 30, window, 5);
    SetSliderRange(track, 0, 10);
    SetSliderValue(track, 7);
    const auto stepper = CreateSlider(330, 156, 24, 54, window, 8);
    const auto progress = CreateProgressBar(10, 222, 390, 18, window, 0);
    SetProgressValue(progress, 0.6f);
    const auto group = CreatePanel(10, 250, 390, 60, window, PanelGroupFrame, u"Gruppe");
    const auto inside = CreateTextField(0, 0, 180, 26, group, 0);
    SetGadgetText(inside, u"in der Gruppe");
    CreateButton(u"OK", 300, 0, 80, 28, group, 0);
    PumpUntil([] { return false; }, 300);
    GdkWindow* frame = gtk_widget_get_window(Cast<TGtkWindow>(window)->_widget);
    GdkPixbuf* picture = gdk_pixbuf_get_from_window(frame, 0, 0, gdk_window_get_width(frame),
                                                    gdk_window_get_height(frame));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(gdk_pixbuf_save(picture, "gtk-kinds.png", "png", nullptr, nullptr));
    // The progress bar is filled for 60 percent of its width and empty beyond.
    const auto progressBar = Cast<TGtkProgressBar>(progress);
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(progressBar->_widget, Cast<TGtkWindow>(window)->_widget, 0, 9,
                                     &x, &y);
    const guchar* row = gdk_pixbuf_get_pixels(picture) + y * gdk_pixbuf_get_rowstride(picture);
    const int channels = gdk_pixbuf_get_n_channels(picture);
    const guchar* filled = row + (x + 100) * channels;
    const guchar* empty = row + (x + 300) * channels;
    EXPECT_FALSE(std::equal(filled, filled + 3, empty));
    g_object_unref(picture);
}

TEST_F(GtkKindsTest, AHundredCyclesOfEachKindLeaveNoWidgetAndNoObjectAlive) {
    const int widgets = GtkDriver().liveWidgets;
    const long objects = TObject::LiveObjects();
    int innerMade = 0;
    int innerGone = 0;
    for (int cycle = 0; cycle < 100; ++cycle) {
        const auto field = CreateTextField(0, 0, 100, 24, window, cycle % 2);
        SetGadgetText(field, u"x");
        const auto area = Cast<TGtkTextArea>(CreateTextArea(0, 30, 100, 60, window, cycle % 4));
        SetTextAreaText(area, u"ab\ncd");
        FormatTextAreaText(area, 1, 2, 3, cycle % 16, 0, 3);
        g_object_weak_ref(G_OBJECT(area->View()), Finalized, &innerGone);
        ++innerMade;
        std::vector<Ref<TGadget>> sliders;
        for (int kind : {0, 1, 4, 5, 8, 9}) {
            sliders.push_back(CreateSlider(0, 100, 100, 20, window, kind));
            SetSliderRange(sliders.back(), 0, 10);
            SetSliderValue(sliders.back(), cycle % 10);
            if (const auto stepper = Cast<TGtkSlider>(sliders.back()); stepper->Arrow(0)) {
                g_object_weak_ref(G_OBJECT(stepper->Arrow(0)), Finalized, &innerGone);
                g_object_weak_ref(G_OBJECT(stepper->Arrow(1)), Finalized, &innerGone);
                innerMade += 2;
            }
        }
        const auto progress = CreateProgressBar(0, 130, 100, 20, window, 0);
        SetProgressValue(progress, cycle / 100.0f);
        PumpPending();
        FreeGadget(field);
        FreeGadget(area);
        for (const auto& slider : sliders)
            FreeGadget(slider);
        FreeGadget(progress);
    }
    PumpPending();
    EXPECT_EQ(GtkDriver().liveWidgets, widgets);
    EXPECT_EQ(innerGone, innerMade);
    EXPECT_EQ(innerMade, 500);
    EXPECT_EQ(TObject::LiveObjects(), objects);
}

} // namespace
} // namespace vandro
