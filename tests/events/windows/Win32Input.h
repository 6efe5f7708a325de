// Real input for the Windows tests: keys and the mouse through SendInput, the pump run until
// the system has delivered what it was given, and dialogs dismissed from a CBT hook.
#pragma once

#include "events/windows/Win32.h"

#include <functional>

namespace vandro {

// Makes this process the only one giving real input until it ends: test programs that run at
// the same time on one desktop of a Wine prefix share one keyboard, mouse and foreground
// window. Every input function below takes it first; a program that acts otherwise can call it
// itself.
void HoldRealInput();
// The same for the clipboard, which the desktops of a prefix share.
void HoldClipboard();

// Pumps the system driver until its queue stays empty for a few rounds.
void PumpUntilQuiet();
// Brings the window to the front and makes it active, as the user's click on it would.
void BringToFront(HWND hwnd);

void PressKey(WORD key);
void ReleaseKey(WORD key);
// Down and up.
void TypeKey(WORD key);
// The pointer to the screen point.
void MovePointer(int x, int y);
void MovePointerTo(HWND hwnd, int clientX, int clientY);
void MouseButton(DWORD flags);
void ClickAt(HWND hwnd, int clientX, int clientY);

// While it exists, every dialog or message box that becomes active is handed to the action
// (once each), which typically posts a command or WM_CLOSE to it.
class DialogDismisser {
  public:
    explicit DialogDismisser(std::function<void(HWND dialog)> action);
    ~DialogDismisser();
    DialogDismisser(const DialogDismisser&) = delete;
    DialogDismisser& operator=(const DialogDismisser&) = delete;

    // The caption of the last dialog handed over.
    static std::wstring LastCaption();
};

} // namespace vandro
