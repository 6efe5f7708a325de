// Tips through the driver's shared tooltip window, and a tooltip window of the gadget's own
// for controls with a tip per part.
#include "WindowsGadget.h"

#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"

namespace vandro {

int TWindowsGadget::ShowTooltip() {
    const HWND shared = WindowsDriver().ToolTipHwnd;
    _wstrTooltip = Wide(_tooltip);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(_hwnd);
    tool.uId = reinterpret_cast<UINT_PTR>(_hwnd);
    tool.hinst = GetModuleHandleW(nullptr);
    if (!_wstrTooltip.empty()) {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
        tool.lpszText = _wstrTooltip.data();
        if (!_toolAdded)
            _toolAdded = static_cast<int>(
                SendMessageW(shared, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
        else
            SendMessageW(shared, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else if (_toolAdded) {
        SendMessageW(shared, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        _toolAdded = 0;
    }
    return 0;
}

int TWindowsGadget::SetupToolTips() {
    if (_tooltips) {
        TWindowsGUIDriver::RemoveHwnd(_tooltips);
        DestroyMadeWindow(std::exchange(_tooltips, nullptr));
    }
    _tooltips = MadeWindow(CreateWindowExW(0, TOOLTIPS_CLASSW, L"", TTS_ALWAYSTIP, CW_USEDEFAULT,
                                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, _hwnd,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
    SetTipWidth(_tooltips, WindowDpi(_hwnd));
    TWindowsGUIDriver::RegisterHwnd(_tooltips, Ref<TWindowsGadget>(this));
    return 0;
}

} // namespace vandro
