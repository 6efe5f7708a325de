// The hot-key registry: a chain of bindings, newest first, each raising a prepared event for
// a key with modifiers, limited to one window handle or (owner 0) to none.
#pragma once

#include "events/Event.h"

namespace vandro {

class THotKey : public TObject {
  public:
    Ref<THotKey> succ;
    int key = 0;
    int mods = 0;
    Ref<TEvent> event;
    int owner = 0;
};

// A null event becomes a "HotkeyHit" carrying key and mods. A binding of the same key, mods
// and owner is updated rather than added again.
Ref<THotKey> BindHotKey(int key, int mods, Ref<TEvent> event, int owner);
// A record that is not in the chain changes nothing.
int UnbindHotKey(const Ref<THotKey>& hotkey);
// A gadget's hot key changes: its old binding (null for none) goes, and a nonzero key binds
// the event. Answers the new binding, null for key 0.
Ref<THotKey> RebindHotKey(const Ref<THotKey>& old, int key, int mods, Ref<TEvent> event, int owner);
// The newest binding of key and mods whose owner is 0 or this one; null when there is none.
Ref<TEvent> FindHotKeyEvent(int key, int mods, int owner);
// A key press found this binding's event (null for none): it is raised unless the gadget it
// belongs to is disabled. Answers whether the press is used up, as a binding with modifiers
// uses it; a bare key goes on to the gadget with the focus.
bool FireHotKey(const Ref<TEvent>& event);

} // namespace vandro
