// Tips through the driver's shared tooltip window, and a tooltip window of the gadget's own
// for controls with a tip per part.
#include "WindowsGadget.h"

#include "WindowsGUIDriver.h"

namespace vandro {

namespace {

// Lines separated by LF or CR LF end up separated by CR LF; a lone CR goes.
std::wstring NativeTip(const String& text) {
    std::wstring tip;
    for (const char16_t unit : text) {
        if (unit == u'\r')
            continue;
        if (unit == u'\n')
            tip += L'\r';
        tip += static_cast<wchar_t>(unit);
    }
    return tip;
}

} // namespace

int TWindowsGadget::SetTooltip(const String& text) {
    const HWND shared = WindowsDriver().ToolTipHwnd;
    _wstrTooltip.clear();
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(_hwnd);
    tool.uId = reinterpret_cast<UINT_PTR>(_hwnd);
    tool.hinst = GetModuleHandleW(nullptr);
    if (!text.empty()) {
        _wstrTooltip = NativeTip(text);
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

String TWindowsGadget::GetTooltip() { return FromWide(_wstrTooltip.c_str()); }

int TWindowsGadget::SetupToolTips() {
    if (_tooltips) {
        TWindowsGUIDriver::RemoveHwnd(_tooltips);
        DestroyMadeWindow(std::exchange(_tooltips, nullptr));
    }
    _tooltips = MadeWindow(CreateWindowExW(0, TOOLTIPS_CLASSW, L"", TTS_ALWAYSTIP, CW_USEDEFAULT,
                                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, _hwnd,
                                           nullptr, GetModuleHandleW(nullptr), nullptr));
    SendMessageW(_tooltips, TTM_SETMAXTIPWIDTH, 0, 300);
    TWindowsGUIDriver::RegisterHwnd(_tooltips, Ref<TWindowsGadget>(this));
    return 0;
}

} // namespace vandro
