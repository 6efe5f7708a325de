// Real input for the Win32 platform, as a test's user gives it: mouse clicks and keys through
// SendInput after bringing the window to the foreground, and the pump that lets the platform
// raise what it raises for them. The platform's TPlatformUser is built on these; the
// platform's own tests use them directly.
#pragma once

#include "events/windows/Win32.h"

#include "gui/Gadget.h"

namespace vandro {

// Takes the messages that are pending now: through the system driver's pump (with its dialog
// navigation) unless that is running already, then directly.
void PumpPending();
// Pumps until the platform has emitted an event with this id (from this source, unless null)
// or the time is up, then takes what is left; answers whether the event came.
bool PumpUntilEmitted(int id, const Ref<TGadget>& source, int milliseconds = 3000);
// Pumps for this long whatever comes.
void PumpFor(int milliseconds);

// A left click at a point of the screen, after bringing the top-level window to the
// foreground (none: as things are).
void ClickAt(HWND top, POINT screen);
// A click soon after another at the same place would make a double click of the two: a single
// click waits until the system's double-click time has passed since the last one.
void AwaitSingleClick();
// A double click there.
void DoubleClickAt(HWND top, POINT screen);
// Presses the left button at one point, moves to another in steps as a hand does, and lets
// go there.
void DragFromTo(HWND top, POINT from, POINT to);
// A click of the right button there.
void RightClickAt(HWND top, POINT screen);
// Moves the pointer there.
void MoveMouseTo(POINT screen);
// Presses and releases a key with modifiers (1 Shift, 2 Ctrl, 4 Alt) held, at the window in
// the foreground.
void TypeKey(WORD key, int modifiers = 0);
// The centre of a window on the screen.
POINT CentreOf(HWND hwnd);
// The element is there for the user: it exists, it and its windows are shown and enabled,
// its window is not minimised, and at its centre the user meets the element itself.
bool Reachable(HWND hwnd);

// The gadget's native window, 0 for a gadget without one (or freed).
HWND ElementOf(const Ref<TGadget>& gadget);

} // namespace vandro
