// The baseline of the GTK benchmark: the game's largest board built by hand with GTK alone, as
// a plain GTK program would build it (window, menu bar, labels, 110 coloured buttons with their
// own CSS, status line), and a press that recolours a card and a label.
#pragma once

#include <gtk/gtk.h>

namespace vandro::bench {

class PlainGtkBoard {
  public:
    // Builds and shows the board; it is drawn once DrawnAndIdle answers.
    PlainGtkBoard();
    ~PlainGtkBoard();

    GtkWidget* Card(int index) const { return cards_[index]; }
    int presses = 0;

  private:
    static void Pressed(GtkButton* button, gpointer board);

    GtkWidget* window_ = nullptr;
    GtkWidget* label_ = nullptr;
    GtkWidget* cards_[110] = {};
};

// Lets GTK lay the window out and draw it, then run what it has left.
void DrawnAndIdle(GtkWidget* window);

} // namespace vandro::bench
