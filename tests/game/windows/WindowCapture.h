// What a window shows on the screen: its whole frame copied from its window DC with BitBlt
// (which works under Wine without a display too), read pixel by pixel and saved as PNG.
#pragma once

#include "events/windows/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vandro {

class WindowCapture {
  public:
    // The window as drawn now, caption, menu bar and all.
    explicit WindowCapture(HWND hwnd);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xRRGGBB at a point of the frame.
    int Pixel(int x, int y) const;
    // At a point of the window's client area, or of a child window's client area.
    int ClientPixel(HWND hwnd, int x, int y) const;
    // The point of the frame where the window's client area has (x, y).
    POINT FramePoint(HWND hwnd, int x, int y) const;
    // How many pixels of the rectangle (in client coordinates of hwnd) have this colour.
    int Count(HWND hwnd, RECT area, int rgb) const;
    // Writes an 8-bit RGB PNG; answers whether the file was written.
    bool SavePng(const std::string& path) const;

  private:
    HWND hwnd_;
    RECT frame_{};
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace vandro
