// Pixels of a window as the screen shows them: BitBlt from the window's own device context,
// read back as 0xRRGGBB words, and written as PNG for a person to look at.
#pragma once

#include "events/windows/Win32.h"

#include <string>
#include <vector>

namespace vandro {

class WindowCapture {
  public:
    // The whole window, frame included, after it has painted what was pending.
    explicit WindowCapture(HWND hwnd);

    // 0xRRGGBB at a point of the window's client area.
    int ClientPixel(int x, int y) const;
    // Writes the capture as a PNG of stored (uncompressed) blocks; false on failure.
    bool SavePng(const std::string& path) const;

    int width = 0;
    int height = 0;

  private:
    // Offset of the client area inside the window.
    POINT client_{};
    std::vector<std::uint32_t> pixels_;
};

// A file name beside the test program, where the captures of a run go.
std::string BesideProgram(const std::string& name);

} // namespace vandro
