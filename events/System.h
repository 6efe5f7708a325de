// The system module: the one system driver, the functions that forward to it, the pump guard,
// and the date and time texts.
#pragma once

#include "SystemDriver.h"

namespace vandro {

// Starts the runtime and the event module, then makes the platform's driver; runs once.
void StartSystem();
const Ref<TSystemDriver>& SystemDriver();

// Both pump through the driver unless it is already pumping: a nested call returns at once.
int PollSystem();
int WaitSystem();
// Whether the driver is inside PollSystem or WaitSystem right now.
bool IsSystemPumping();

int MoveMouse(int x, int y);
int ShowMousePointer();
int HideMousePointer();
int Notify(const String& text, int serious);
int Confirm(const String& text, int serious);
int Proceed(const String& text, int serious);
String RequestFile(const String& text, const String& extensions, int save, const String& path);
String RequestDir(const String& text, const String& path);
int OpenURL(const String& url);

// Today's local date as "%d %b %Y", in the C library's locale.
String DateText();
// The local time of day as "%H:%M:%S".
String TimeText();

} // namespace vandro
