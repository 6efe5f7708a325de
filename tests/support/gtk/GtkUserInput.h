// Real input for the GTK platform's user: pointer and key events synthesised in the X server
// through XTest, and close requests sent as a window manager sends them, so that every action
// reaches the program through the same path as a person's.
#pragma once

#include "runtime/Object.h"

#include <gtk/gtk.h>

#include <functional>
#include <vector>

namespace vandro {

// How long the user waits for the program to react to an action, in milliseconds.
constexpr int kActionTimeout = 3000;
// The virtual-key code of the End key, as TypeKey takes it.
constexpr int kEndKey = 35;

// Runs GTK's main loop until done answers true or the time is up; answers done().
bool PumpUntil(const std::function<bool()>& done, int milliseconds);
// Runs what GTK has pending now.
void PumpPending();
// Does the action, then runs GTK's main loop until the platform has emitted an event of the id
// from the source, or the time is up; answers whether it came.
bool DoAndAwaitEvent(int id, const Object& source, const std::function<void()>& action,
                     int milliseconds);

// The widget can take a click: it and everything around it shown, enabled and on the screen.
bool Usable(GtkWidget* widget);
// Raises the widget's window and waits until the window manager has made it the active one
// and the widget is laid out: a window shown again is placed and given the focus a little
// later, and a click or a key before that lands elsewhere.
void PresentAndAwait(GtkWidget* widget);

// The centre of the widget on the screen, in the X server's pixels (GTK's times the window's
// scale); false when it is not on the screen.
bool ScreenCentre(GtkWidget* widget, int& x, int& y);
// The pointer moves to (x, y) on the screen and clicks button 1 to 3 (X numbering: 1 left,
// 2 middle, 3 right) with the modifier keys (1 Shift, 2 Ctrl, 4 Alt) held.
void ClickAt(int x, int y, int button, int modifiers);
void MovePointerTo(int x, int y);
// Presses or releases the key of a virtual-key code.
void SendKey(int key, bool down);
// A key stroke with modifiers held.
void TypeKey(int key, int modifiers);
// Types one character with the key that gives it (Shift held where it needs it); "\n" is
// Enter. False when no key gives it.
bool TypeCharacter(char16_t character);
// Presses a button (1 to 3, X numbering) at one point of the screen, moves to another and
// releases it there.
void DragFromTo(int x, int y, int toX, int toY, int button = 1);
// Asks the window to close, as a window manager's close box does.
void RequestClose(GtkWidget* window);
// The frame of a top-level window on the screen, the window manager's decorations included:
// x, y, width, height.
GdkRectangle FrameOnScreen(GtkWidget* window);
// Asks for the window's frame at (x, y) of the screen, or w x h in size, as the window manager
// asks when the user drags its title bar or border.
void MoveFrameTo(GtkWidget* window, int x, int y);
void SizeFrameTo(GtkWidget* window, int w, int h);
// The first values of a 32-bit property of a top-level window's X window; none when it has
// no such property.
std::vector<unsigned long> WindowCardinals(GtkWidget* window, const char* property, long count);

} // namespace vandro
