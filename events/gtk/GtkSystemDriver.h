// The system driver of the GTK 3 platform: it pumps GTK's main loop, turns the raw input that
// the GTK gadgets hand it into key, mouse, wheel and enter/leave events with the same ids,
// data and modifier bits as on Windows, and offers GTK's message boxes, file choosers and the
// desktop's URL handler.
#pragma once

#include "events/SystemDriver.h"
#include "runtime/Function.h"

#include <gtk/gtk.h>

#include <vector>

namespace vandro {

// A function the main thread runs with its argument.
using MainThreadCall = Function<void(Object argument)>;

class TGtkSystemDriver : public TSystemDriver {
  public:
    // Opens the display; without one the program cannot run and a runtime error says why.
    TGtkSystemDriver();

    int Poll() override;
    // Runs what was set aside for the next wait first; otherwise blocks in GTK's main loop.
    int Wait() override;
    int MoveMouse(int x, int y) override;
    int SetMouseVisible(int visible) override;
    String RequestFile(const String& text, const String& extensions, int save,
                       const String& path) override;
    String RequestDir(const String& text, const String& path) override;
    int OpenURL(const String& url) override;

    // The raw input of a gadget's widget, translated and emitted with the source; origin is
    // the widget's top-left corner on the screen. Answers 1 when an event was emitted.
    int TranslateInput(const GdkEvent* event, const Object& source, int originX, int originY);
    // The source's gadget is gone: the pointer is over it no longer.
    void SourceGone(const Object& source);
    // A window of the program became active or stopped being active: "AppResume" when the
    // program gets the focus from another, "AppSuspend" when it loses it to another. Focus
    // moving between the program's own windows raises neither.
    void ApplicationFocusChanged();

    // From any thread: the main thread runs call(argument) at its next pump.
    static void PostToMainThread(MainThreadCall call, Object argument);

  protected:
    // Yes, No and Cancel ask a question; the others stay above the program's windows.
    int ShowMessage(const String& text, int serious, MessageButtons buttons) override;

  private:
    int TranslateKey(const GdkEventKey& key, const Object& source);
    int TranslateButton(const GdkEventButton& button, const Object& source, int originX,
                        int originY);
    int TranslateMotion(const GdkEventMotion& motion, const Object& source, int originX,
                        int originY);
    int TranslateCrossing(const GdkEventCrossing& crossing, const Object& source, int originX,
                          int originY);
    int TranslateScroll(const GdkEventScroll& scroll, const Object& source, int originX,
                        int originY);
    // The enter and leave events of the pointer moving onto source (null: off every window).
    void Track(const Object& source, int originX, int originY, int rootX, int rootY);
    void ApplyPointerVisibility();
    static gboolean CheckApplicationFocus(gpointer driver);

    int modifiers_ = 0;
    int pointerVisible_ = 1;
    bool applicationActive_ = false;
    bool focusCheckPending_ = false;
    // The event source the pointer is over, held while it is.
    Object tracked_;
    int trackedX_ = 0;
    int trackedY_ = 0;
    std::vector<unsigned> keysDown_;
};

// The key under which a GTK window of the program keeps the widget of its client area.
constexpr const char* kClientAreaKey = "vandro-client-area";

// The running system driver when it is the GTK one; else null.
Ref<TGtkSystemDriver> GtkSystem();

} // namespace vandro
