// The system driver on Windows: the message pump with dialog navigation between a window's
// controls, the modifier state, the translation of raw key, mouse, activation and close
// messages into events (with the enter and leave tracking of the window under the pointer),
// the message-box, file and folder requesters, the shell, the pointer, and the main-thread
// callbacks other threads post.
#pragma once

#include "Win32.h"
#include "events/System.h"

namespace vandro {

class TWin32SystemDriver : public TSystemDriver {
  public:
    // Starts the Windows side the first time: the get-message hook of this thread and the
    // 1 ms timer resolution (lowered again at exit).
    TWin32SystemDriver();

    int Poll() override;
    int Wait() override;
    int MoveMouse(int x, int y) override;
    int SetMouseVisible(int visible) override;
    String RequestFile(const String& text, const String& extensions, int save,
                       const String& path) override;
    String RequestDir(const String& text, const String& path) override;
    int OpenURL(const String& url) override;

    // Turns a raw message of one of the program's windows into the event it stands for, with
    // source as the event's source; messages that stand for none raise nothing. Answers 0.
    static int TranslateOSMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                  const Object& source);
    // The modifier bits the next events carry, as the pump last saw a modifier key.
    static int Modifiers();

  protected:
    // On top of every window; the focus goes back where it was.
    int ShowMessage(const String& text, int serious, MessageButtons buttons) override;
};

// 1 Shift, 2 Ctrl, 4 Alt, 8 a Windows key, from the keyboard state now.
int LiveModifiers();

// The filter list of the open and save dialogs: description and pattern pairs, each ending in
// a U+0000, from groups like "Image Files:bmp,png;Text:txt"; "" for no extensions.
String FileFilterText(const String& extensions);

// What OpenURL hands the shell: a URL with its scheme as it is, an existing file or folder as
// "file:" and its full path, anything else as "http:"; an anchor ("#...") is kept.
String ShellTarget(const String& url);

using MainThreadCallback = void (*)(const Object& object, void* argument);
// Runs fn(object, argument) on the GUI thread when its pump next removes a message; callable
// from any thread. The object is held until then.
int RunOnMainThread(MainThreadCallback fn, const Object& object, void* argument);

// The desktop's size, colour depth and refresh rate.
int DesktopMetric(int index);

// The window whose dialog navigation moves the focus among the controls in group: group itself,
// or the one around the panels and tab pages that hold it, so that Tab and the arrow keys go
// across them.
HWND NavigationWindow(HWND group);

} // namespace vandro
