// The system driver of the web platform. The program's loop waits by handing control back to
// the browser until the user's next input arrives (the page's listeners run the gadgets'
// handlers meanwhile and wake it); message boxes are the page's dialogs.
#pragma once

#include "events/SystemDriver.h"

namespace vandro {

class TWebSystemDriver : public TSystemDriver {
  public:
    // Gives the browser a turn, so that input waiting in it is handled.
    int Poll() override;
    // Runs what was set aside for the next wait first; otherwise yields to the browser until
    // input arrives.
    int Wait() override;
    // A page cannot move the pointer; answers 0.
    int MoveMouse(int x, int y) override;
    int SetMouseVisible(int visible) override;
    // A file of the user's to open is read into the program's files and answered as its path
    // there; a file to save is a path there whose bytes the page offers as a download once the
    // program has written and closed it. "" when cancelled.
    String RequestFile(const String& text, const String& extensions, int save,
                       const String& path) override;
    // A page cannot show the user's folders: answers "".
    String RequestDir(const String& text, const String& path) override;
    // In a new tab.
    int OpenURL(const String& url) override;

  protected:
    // A modal dialog over the page.
    int ShowMessage(const String& text, int serious, MessageButtons buttons) override;
};

// The running system driver when it is the web one; else null.
Ref<TWebSystemDriver> WebSystem();
// The text a requester of the page answered with, of the length it gave; "" for a cancel.
String RequesterAnswer(int length);

} // namespace vandro
