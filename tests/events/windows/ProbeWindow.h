// A plain top-level window of the test's own class whose procedure hands every message to the
// system driver's translation with a fixed source, as the gadget driver does for its windows.
#pragma once

#include "events/windows/Win32.h"

namespace vandro {

class ProbeWindow {
  public:
    ProbeWindow(const Object& source, int x, int y, int w, int h);
    ~ProbeWindow();
    ProbeWindow(const ProbeWindow&) = delete;
    ProbeWindow& operator=(const ProbeWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    const Object& source() const { return source_; }

  private:
    Object source_;
    HWND hwnd_;
};

} // namespace vandro
