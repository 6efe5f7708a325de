// The handle registry: from a native window to the gadget that owns it.
#include "WindowsGUIDriver.h"

#include "IntWrapper.h"

namespace vandro {

int TWindowsGUIDriver::RegisterHwnd(HWND hwnd, const Ref<TWindowsGadget>& gadget) {
    WindowsDriver().HwndMap->Insert(TIntWrapper::Create(HandleValue(hwnd)), gadget);
    return 0;
}

int TWindowsGUIDriver::RemoveHwnd(HWND hwnd) {
    WindowsDriver().HwndMap->Remove(TIntWrapper::Create(HandleValue(hwnd)));
    return 0;
}

Ref<TWindowsGadget> TWindowsGUIDriver::GadgetFromHwnd(HWND hwnd) {
    const Ref<TMap>& map = WindowsDriver().HwndMap;
    if (!hwnd || !map)
        return {};
    return Cast<TWindowsGadget>(map->ValueForKey(TIntWrapper::Create(HandleValue(hwnd))));
}

} // namespace vandro
