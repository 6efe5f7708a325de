// The layer between the program and the operating system's message loop and its small system
// services. A platform supplies one subclass; the system module makes the one instance.
#pragma once

#include "runtime/Object.h"

#include <functional>
#include <vector>

namespace vandro {

// The buttons of a message box.
enum class MessageButtons { Ok, OkCancel, YesNoCancel };

// Every operation raises "Attempt to call abstract method" unless a subclass overrides it (the
// message boxes, unless it overrides ShowMessage).
class TSystemDriver : public TObject {
  public:
    // Pumps all pending messages without waiting.
    virtual int Poll();
    // Waits until a message arrives, then pumps all pending messages.
    virtual int Wait();
    // (x, y) in the client coordinates of the active window, or of the screen if none.
    virtual int MoveMouse(int x, int y);
    virtual int SetMouseVisible(int visible);
    virtual int Notify(const String& text, int serious);
    // 1 for OK, else 0.
    virtual int Confirm(const String& text, int serious);
    // 1 for Yes, 0 for No, -1 for Cancel.
    virtual int Proceed(const String& text, int serious);
    // The chosen path, or "" when cancelled.
    virtual String RequestFile(const String& text, const String& extensions, int save,
                               const String& path);
    virtual String RequestDir(const String& text, const String& path);
    virtual int OpenURL(const String& url);

    // Runs the action the next time the program waits for input, before the platform's own
    // wait, as if the user did it then.
    void WhenWaiting(std::function<void()> action);

  protected:
    // Runs what was set aside for this wait; answers false when there was nothing.
    bool RunWaitingActions();

    // The platform's message box with these buttons, serious ones with a warning sign: 1 for OK
    // or Yes, 0 for No, anything else when cancelled or closed.
    virtual int ShowMessage(const String& text, int serious, MessageButtons buttons);

  private:
    std::vector<std::function<void()>> waiting_;
};

// The platform's driver, made once by the system module. Each platform library defines it, so a
// program runs on the platform it links.
Ref<TSystemDriver> NewSystemDriver();

} // namespace vandro
