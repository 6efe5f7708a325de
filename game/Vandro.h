// The main program: start-up, then one event at a time until the window is closed or the
// game is ended from its menu.
#pragma once

namespace vandro {

// Starts the modules the game needs, makes the fonts and the palette, seeds the generator
// from the millisecond clock and builds the first board; a second call does nothing.
int StartGame();
// Reacts to the current event, then redraws; answers 1 instead when the event ends the
// program, which then must not touch the window again.
int ReactToEvent();
// The event loop; leaves only by ending the process with exit code 0.
[[noreturn]] void RunGame();
// The whole program, for the entry point.
int VandroMain();

} // namespace vandro
