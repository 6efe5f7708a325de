#include "Event.h"

#include "Hook.h"
#include "runtime/Application.h"
#include "runtime/Boxed.h"
#include "runtime/Text.h"

#include <cstdint>

namespace vandro {

namespace {

struct EventState {
    bool started = false;
    int emitHook = -1;
    // Entries are appended as "<decimal id>{<name>}" after an opening "}".
    String registry = u"}";
    std::uint32_t userIds = 0x80000000u;
};
EventState events;

struct NamedId {
    int id;
    const char16_t* name;
};

constexpr NamedId kNames[] = {
    {AppSuspend, u"AppSuspend"},
    {AppResume, u"AppResume"},
    {AppTerminate, u"AppTerminate"},
    {AppOpenFile, u"AppOpenFile"},
    {AppIdle, u"AppIdle"},
    {KeyDown, u"KeyDown"},
    {KeyUp, u"KeyUp"},
    {KeyChar, u"KeyChar"},
    {KeyRepeat, u"KeyRepeat"},
    {MouseDown, u"MouseDown"},
    {MouseUp, u"MouseUp"},
    {MouseMove, u"MouseMove"},
    {MouseWheel, u"MouseWheel"},
    {MouseEnter, u"MouseEnter"},
    {MouseLeave, u"MouseLeave"},
    {TimerTick, u"TimerTick"},
    {HotkeyHit, u"HotkeyHit"},
    {GadgetAction, u"GadgetAction"},
    {GadgetPaint, u"GadgetPaint"},
    {GadgetSelect, u"GadgetSelect"},
    {GadgetMenu, u"GadgetMenu"},
    {GadgetOpen, u"GadgetOpen"},
    {GadgetClose, u"GadgetClose"},
    {GadgetDone, u"GadgetDone"},
    {GadgetLostFocus, u"GadgetLostFocus"},
    {GadgetShape, u"GadgetShape"},
    {WindowMove, u"WindowMove"},
    {WindowSize, u"WindowSize"},
    {WindowClose, u"WindowClose"},
    {WindowActivate, u"WindowActivate"},
    {WindowAccept, u"WindowAccept"},
    {MenuAction, u"MenuAction"},
    {StreamEof, u"StreamEof"},
    {StreamAvail, u"StreamAvail"},
    {ProcessExit, u"ProcessExit"},
};

} // namespace

void StartEvents() {
    if (events.started)
        return;
    events.started = true;
    StartRuntime();
    events.emitHook = AllocHookId();
    for (const auto& entry : kNames)
        TEvent::RegisterId(entry.id, entry.name);
}

int EmitEventHook() { return events.emitHook; }

String TEvent::ToString() const {
    String name = DescriptionForId(id);
    if (name.empty()) {
        const auto unsignedId = static_cast<std::uint32_t>(id);
        name = unsignedId & 0x80000000u
                   ? u"UserEvent" + IntText(static_cast<int>(unsignedId - 0x80000000u))
                   : u"Unknown Event, id=" + IntText(id);
    }
    return name + u": data=" + IntText(data) + u", mods=" + IntText(mods) + u", x=" + IntText(x) +
           u", y=" + IntText(y) + u", extra=\"" + StringOf(extra) + u"\"";
}

int TEvent::Emit() {
    RunHooks(events.emitHook, Object(this));
    return 0;
}

Ref<TEvent> TEvent::Create(int id, Object source, int data, int mods, int x, int y, Object extra) {
    auto event = New<TEvent>();
    event->id = id;
    event->source = std::move(source);
    event->data = data;
    event->mods = mods;
    event->x = x;
    event->y = y;
    event->extra = std::move(extra);
    return event;
}

int TEvent::AllocUserId() { return static_cast<int>(++events.userIds); }

int TEvent::RegisterId(int id, const String& name) {
    events.registry += IntText(id) + u"{" + name + u"}";
    return 0;
}

String TEvent::DescriptionForId(int id) {
    const String key = u"}" + IntText(id) + u"{";
    const int at = Find(events.registry, key);
    if (at < 0)
        return String();
    const int from = at + static_cast<int>(key.size());
    const int to = Find(events.registry, u"}", from);
    if (to < 0)
        return String();
    return events.registry.substr(static_cast<std::size_t>(from),
                                  static_cast<std::size_t>(to - from));
}

Ref<TEvent> CreateEvent(int id, Object source, int data, int mods, int x, int y, Object extra) {
    return TEvent::Create(id, std::move(source), data, mods, x, y, std::move(extra));
}

int EmitEvent(const Ref<TEvent>& event) { return event->Emit(); }

int AllocUserEventId(const String& description) {
    const int id = TEvent::AllocUserId();
    if (!description.empty())
        TEvent::RegisterId(id, description);
    return id;
}

int HeldButton(bool left, bool right, bool middle) {
    if (right)
        return 2;
    if (middle)
        return 4;
    return left ? 1 : 0;
}

int ModifierOfKey(int key) {
    switch (key) {
    case 0x10:
    case 160:
    case 161:
        return 1;
    case 0x11:
    case 162:
    case 163:
        return 2;
    case 0x12:
    case 164:
    case 165:
        return 4;
    case 0x5B:
    case 0x5C:
        return 8;
    default:
        return 0;
    }
}

} // namespace vandro
