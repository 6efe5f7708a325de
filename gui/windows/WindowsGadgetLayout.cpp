// Geometry: a layout pass moves all children of a gadget in one deferred-positioning batch,
// and only the outermost pass redraws, once. The toolkit's units become the window's device
// pixels here.
#include "WindowsGadget.h"

#include "WindowsGUIDriver.h"
#include "events/windows/Win32Dpi.h"

#include "gui/GadgetFunctions.h"

namespace vandro {

int TWindowsGadget::Rethink() { return QueueResize(_hwnd, xpos, ypos, width, height); }

int TWindowsGadget::LayoutKids() {
    WindowsDriverState& state = WindowsDriver();
    StartResize();
    const int outermost = state.ResizeRedraw;
    state.ResizeRedraw = 0;
    TGadget::LayoutKids();
    EndResize();
    if (outermost) {
        if (kids->Count())
            Activate(ActivateRedraw);
        state.ResizeRedraw = 1;
    }
    return 0;
}

int TWindowsGadget::StartResize() {
    if (!hdwpStruct && kids->Count())
        hdwpStruct = BeginDeferWindowPos(kids->Count());
    return 0;
}

int TWindowsGadget::QueueResize(HWND hwnd, int ux, int uy, int uw, int uh) {
    const RECT area = ToDevice(RECT{ux, uy, ux + uw, uy + uh}, WindowDpi(hwnd));
    const int x = area.left, y = area.top, w = area.right - area.left, h = area.bottom - area.top;
    const int redraw = WindowsDriver().ResizeRedraw;
    auto* group = dynamic_cast<TWindowsGadget*>(parent);
    if (group && group->hdwpStruct && GetParent(hwnd) == HandleFrom<HWND>(group->Query(2))) {
        const UINT flags =
            SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | (redraw ? 0 : SWP_NOREDRAW);
        group->hdwpStruct = DeferWindowPos(group->hdwpStruct, hwnd, nullptr, x, y, w, h, flags);
        return 0;
    }
    MoveWindow(hwnd, x, y, w, h, redraw);
    HasResized();
    return 0;
}

int TWindowsGadget::EndResize() {
    if (!hdwpStruct)
        return 0;
    EndDeferWindowPos(std::exchange(hdwpStruct, nullptr));
    for (const Object& kid : kids->ToArray())
        if (auto child = Cast<TWindowsGadget>(kid))
            child->HasResized();
    return 0;
}

int TWindowsGadget::HasResized() { return 0; }

RECT TWindowsGadget::ClientArea() {
    const HWND hwnd = HandleFrom<HWND>(Query(1));
    const int dpi = WindowDpi(hwnd);
    RECT area = ToDevice(RECT{xpos, ypos, xpos + width, ypos + height}, dpi);
    SendMessageW(hwnd, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&area));
    area.left += _clientX;
    area.top += _clientY;
    return ToUnits(area, dpi);
}

int TWindowsGadget::ClientWidth() {
    const RECT area = ClientArea();
    return area.right - area.left;
}

int TWindowsGadget::ClientHeight() {
    const RECT area = ClientArea();
    return area.bottom - area.top;
}

} // namespace vandro
