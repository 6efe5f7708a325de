// How an owner-drawn push button looks: its face themed or classic, pressed, hot and focused,
// filled with its colour, and its text centred and wrapped in its text colour.
#include "WindowsBindings.h"
#include "WindowsButton.h"
#include "WindowsDpi.h"

#include <string>

namespace vandro {

namespace {

// The push button's part and states in the visual style's "BUTTON" class.
constexpr int kPushButtonPart = 1;
enum PushButtonState : int { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4, Defaulted = 5 };

// Both halvings toward zero: an odd remainder puts the extra pixel right or below.
RECT Centred(const RECT& content, const RECT& measured) {
    const int w = measured.right - measured.left;
    const int h = measured.bottom - measured.top;
    const int left = content.left + (content.right - content.left - w) / 2;
    const int top = content.top + (content.bottom - content.top - h) / 2;
    return RECT{left, top, left + w, top + h};
}

} // namespace

RECT TWindowsButton::DrawFace(HDC dc, RECT& frame, const DRAWITEMSTRUCT& item) {
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT content = frame;
    const WindowsBindings& bindings = Bindings();
    if (_hTheme && !bindings.DrawThemeBackground.IsNull()) {
        const int part = kPushButtonPart;
        const int state = disabled           ? Disabled
                          : pressed          ? Pressed
                          : _mouseoverbutton ? Hot
                          : focused          ? Defaulted
                                             : Normal;
        if (!bindings.IsThemeBackgroundPartiallyTransparent.IsNull() &&
            bindings.IsThemeBackgroundPartiallyTransparent(_hTheme, part, state) &&
            !bindings.DrawThemeParentBackground.IsNull())
            bindings.DrawThemeParentBackground(_hwnd, dc, &frame);
        bindings.DrawThemeBackground(_hTheme, dc, part, state, &frame, nullptr);
        if (!bindings.GetThemeBackgroundContentRect.IsNull())
            bindings.GetThemeBackgroundContentRect(_hTheme, dc, part, state, &frame, &content);
        return content;
    }
    const int dpi = WindowDpi(_hwnd);
    InflateRect(&content, -SystemMetricForDpi(SM_CXEDGE, dpi), -SystemMetricForDpi(SM_CYEDGE, dpi));
    if (focused) {
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&frame, -1, -1);
    }
    if (BgColor() >= 0) {
        const HBRUSH face = CreateSolidBrush(static_cast<COLORREF>(BgColor()));
        FillRect(dc, &frame, face);
        DeleteObject(face);
    } else {
        FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
    }
    if (pressed) {
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
        OffsetRect(&content, 1, 1);
    } else {
        DrawFrameControl(dc, &frame, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (_mouseoverbutton ? DFCS_HOT : 0));
    }
    return content;
}

int TWindowsButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const int saved = SaveDC(dc);
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool showFocus = !(item.itemState & ODS_NOFOCUSRECT);
    RECT frame = item.rcItem;
    SetBkMode(dc, TRANSPARENT);
    const RECT content = DrawFace(dc, frame, item);
    // The native frame paints the face in the system colour; the button's own goes on top.
    if (BgColor() >= 0) {
        const HBRUSH face = CreateSolidBrush(static_cast<COLORREF>(BgColor()));
        FillRect(dc, &content, face);
        DeleteObject(face);
    }
    const int length = GetWindowTextLengthW(_hwnd);
    if (length > 0) {
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(_hwnd, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        RECT measured = content;
        DrawTextW(dc, text.c_str(), length, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
        RECT placed = Centred(content, measured);
        const COLORREF colour = disabled         ? GetSysColor(COLOR_GRAYTEXT)
                                : FgColor() >= 0 ? static_cast<COLORREF>(FgColor())
                                                 : GetSysColor(COLOR_BTNTEXT);
        const COLORREF before = ::SetTextColor(dc, colour);
        DrawTextW(dc, text.c_str(), length, &placed, DT_CENTER | DT_WORDBREAK);
        ::SetTextColor(dc, before);
    }
    RestoreDC(dc, saved);
    if (focused && showFocus) {
        RECT mark = frame;
        const int inset = ToDevice(3, WindowDpi(_hwnd));
        InflateRect(&mark, -inset, -inset);
        SetMapMode(dc, MM_TEXT);
        DrawFocusRect(dc, &mark);
    }
    return 1;
}

} // namespace vandro
