// The window as drawn: captured from its device context, checked at a few pixels, and kept as
// windows_driver_capture.bmp in the test's folder for a person to look at.
#include "WindowsFixture.h"

#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"

#include <cstdio>

namespace vandro {
namespace {

// The whole window, frame included, as 32-bit pixels, top row first.
struct Capture {
    explicit Capture(HWND hwnd) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        width = rect.right - rect.left;
        height = rect.bottom - rect.top;
        header.biSize = sizeof header;
        header.biWidth = width;
        header.biHeight = -height;
        header.biPlanes = 1;
        header.biBitCount = 32;
        pixels.resize(static_cast<std::size_t>(width * height));
        HDC window = GetWindowDC(hwnd);
        HDC memory = CreateCompatibleDC(window);
        HBITMAP bitmap = CreateCompatibleBitmap(window, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(hwnd, window);
        for (DWORD& pixel : pixels)
            pixel |= 0xFF000000;
    }
    // As a COLORREF, at a point of the gadget's client area.
    COLORREF At(HWND frame, const Ref<TGadget>& gadget, int x, int y) const {
        POINT point{x, y};
        ClientToScreen(NativeHandle(gadget), &point);
        RECT rect{};
        GetWindowRect(frame, &rect);
        const DWORD pixel =
            pixels[static_cast<std::size_t>((point.y - rect.top) * width + point.x - rect.left)];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    void Save(const char* path) const {
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
        if (FILE* out = std::fopen(path, "wb")) {
            std::fwrite(&file, sizeof file, 1, out);
            std::fwrite(&header, sizeof header, 1, out);
            std::fwrite(pixels.data(), 4, pixels.size(), out);
            std::fclose(out);
        }
    }

    int width;
    int height;
    BITMAPINFOHEADER header{};
    std::vector<DWORD> pixels;
};

TEST_F(WindowsTest, ControlsLookTransparentOrTakeTheirColour) {
    const Ref<TGadget> frame =
        CreateWindow(u"Vandro gadgets", 80, 80, 360, 180, {}, WindowTitleBar | WindowStatusBar);
    const Ref<TGadget> plain = CreateLabel(u"Plain label", 20, 20, 140, 22, frame, 0);
    const Ref<TGadget> coloured = CreateLabel(u"Coloured label", 180, 20, 140, 22, frame, 0);
    SetGadgetColor(coloured, 40, 90, 200);
    SetGadgetTextColor(coloured, 255, 255, 255);
    CreateButton(u"Press", 20, 70, 100, 28, frame, 0);
    SetWindowStatusText(frame, u"Ready");
    BringToFront(NativeHandle(frame));
    RedrawGadget(frame);
    PumpUntilQuiet();
    const Capture capture(NativeHandle(frame));
    capture.Save("windows_driver_capture.bmp");
    EXPECT_EQ(capture.At(NativeHandle(frame), coloured, 135, 2), RGB(40, 90, 200));
    EXPECT_EQ(capture.At(NativeHandle(frame), plain, 135, 2), GetSysColor(COLOR_BTNFACE));
    FreeGadget(frame);
}

} // namespace
} // namespace vandro
