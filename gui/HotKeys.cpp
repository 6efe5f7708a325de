#include "HotKey.h"

#include "Gadget.h"
#include "GadgetConstants.h"
#include "ToolkitState.h"

namespace vandro {

Ref<THotKey> BindHotKey(int key, int mods, Ref<TEvent> event, int owner) {
    if (!event)
        event = TEvent::Create(HotkeyHit, {}, key, mods, 0, 0, {});
    Ref<THotKey>& head = Toolkit().hotkeys;
    Ref<THotKey> record = head;
    while (record && !(record->key == key && record->mods == mods && record->owner == owner))
        record = record->succ;
    if (!record) {
        record = New<THotKey>();
        record->key = key;
        record->mods = mods;
        record->succ = head;
        head = record;
    }
    record->owner = owner;
    record->event = std::move(event);
    return record;
}

int UnbindHotKey(const Ref<THotKey>& hotkey) {
    if (!hotkey)
        return 0;
    Ref<THotKey>* link = &Toolkit().hotkeys;
    while (*link && !(*link == hotkey))
        link = &(*link)->succ;
    if (!*link)
        return 0;
    *link = hotkey->succ;
    hotkey->succ = nullptr;
    return 0;
}

Ref<THotKey> RebindHotKey(const Ref<THotKey>& old, int key, int mods, Ref<TEvent> event,
                          int owner) {
    UnbindHotKey(old);
    return key ? BindHotKey(key, mods, std::move(event), owner) : nullptr;
}

Ref<TEvent> FindHotKeyEvent(int key, int mods, int owner) {
    for (Ref<THotKey> record = Toolkit().hotkeys; record; record = record->succ)
        if (record->key == key && record->mods == mods &&
            (record->owner == 0 || record->owner == owner))
            return record->event;
    return {};
}

bool FireHotKey(const Ref<TEvent>& event) {
    if (!event)
        return false;
    if (const auto source = Cast<TGadget>(event->source);
        source && (source->State() & StateDisabled))
        return false;
    event->Emit();
    return event->mods != 0;
}

} // namespace vandro
