// The baseline: the game's 11 x 10 board built by hand with plain Win32 calls, as a program
// without the toolkit would build it: a window with the game's menu tree and a status line,
// four labels and 110 owner-drawn buttons, shown and painted, the old window destroyed first.
#pragma once

#include "events/windows/Win32.h"

namespace vandro {

class PlainBoard {
  public:
    PlainBoard();
    ~PlainBoard();

    // Destroys the board on screen and builds a new one of columns x rows cards, painted.
    void Rebuild(int columns, int rows);
    // Presses the card (BM_CLICK): its handler turns it face up and it is painted again.
    void PressCard(int index);
    HWND Window() const { return window_; }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HWND client_ = nullptr;
    HFONT cardFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    int columns_ = 0;
    HWND cards_[110] = {};
    bool faceUp_[110] = {};
};

} // namespace vandro
