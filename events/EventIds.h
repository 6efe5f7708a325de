// Event ids. The high bits group them: 0x100 application, 0x200 keyboard, 0x400 mouse,
// 0x800 timer, 0x1000 hot key, 0x2000 gadget, 0x4000 window, 0x8000 menu, 0x10000 stream,
// 0x20000 process. Ids with the top bit set are user event ids.
#pragma once

namespace vandro {

enum EventId : int {
    AppSuspend = 0x101,
    AppResume = 0x102,
    AppTerminate = 0x103,
    AppOpenFile = 0x104,
    AppIdle = 0x105,
    KeyDown = 0x201,
    KeyUp = 0x202,
    KeyChar = 0x203,
    KeyRepeat = 0x204,
    MouseDown = 0x401,
    MouseUp = 0x402,
    MouseMove = 0x403,
    MouseWheel = 0x404,
    MouseEnter = 0x405,
    MouseLeave = 0x406,
    TimerTick = 0x801,
    HotkeyHit = 0x1001,
    GadgetAction = 0x2001,
    GadgetPaint = 0x2002,
    GadgetSelect = 0x2003,
    GadgetMenu = 0x2004,
    GadgetOpen = 0x2005,
    GadgetClose = 0x2006,
    GadgetDone = 0x2007,
    GadgetLostFocus = 0x2008,
    GadgetShape = 0x2009,
    GadgetDrag = 0x200A,
    GadgetDrop = 0x200B,
    WindowMove = 0x4001,
    WindowSize = 0x4002,
    WindowClose = 0x4003,
    WindowActivate = 0x4004,
    WindowAccept = 0x4005,
    MenuAction = 0x8001,
    StreamEof = 0x10001,
    StreamAvail = 0x10002,
    ProcessExit = 0x20001,
};

} // namespace vandro
