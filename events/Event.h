// The event record: what happened, to what, with which values. Emitting passes it through
// the emit hook chain; the event queue is one hook on it.
#pragma once

#include "EventIds.h"
#include "runtime/Object.h"

namespace vandro {

class TEvent : public TObject {
  public:
    String ToString() const override;
    int Emit();

    static Ref<TEvent> Create(int id, Object source, int data, int mods, int x, int y,
                              Object extra);
    static int AllocUserId();
    static int RegisterId(int id, const String& name);
    static String DescriptionForId(int id);

    int id = 0;
    Object source;
    int data = 0;
    int mods = 0;
    int x = 0;
    int y = 0;
    Object extra;
};

// Starts the hook chains, allocates the emit hook and registers the event names; runs once.
void StartEvents();
int EmitEventHook();

Ref<TEvent> CreateEvent(int id, Object source = {}, int data = 0, int mods = 0, int x = 0,
                        int y = 0, Object extra = {});
int EmitEvent(const Ref<TEvent>& event);
// A new user event id, registered under the description unless it is empty.
int AllocUserEventId(const String& description);

// The modifier bit a modifier key's own virtual-key code stands for (Shift 1, Ctrl 2, Alt 4,
// Windows 8; left and right keys alike), 0 for any other key.
int ModifierOfKey(int key);

// What a mouse move reports of the buttons held: the right one (2), else the middle one (4),
// else the left one (1); 0 for none.
int HeldButton(bool left, bool right, bool middle);

} // namespace vandro
