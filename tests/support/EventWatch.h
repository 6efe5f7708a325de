// Watches, while it lives, for one event of an id raised by a source: a platform's user looks
// for the program's answer to its input this way.
#pragma once

#include "events/Event.h"
#include "events/Hook.h"

namespace vandro {

class TEventWatch {
  public:
    TEventWatch(int id, Object source) : state_(New<State>()) {
        state_->id = id;
        state_->source = std::move(source);
        AddHook(EmitEventHook(), &Watch, state_, 20000);
    }
    ~TEventWatch() { RemoveHook(EmitEventHook(), &Watch, state_); }
    TEventWatch(const TEventWatch&) = delete;
    TEventWatch& operator=(const TEventWatch&) = delete;

    bool Seen() const { return state_->seen; }

  private:
    struct State : TObject {
        int id = 0;
        Object source;
        bool seen = false;
    };

    static Object Watch(int, Object data, Object context) {
        const auto event = Cast<TEvent>(data);
        const auto state = Cast<State>(context);
        if (event && state && event->id == state->id && event->source == state->source)
            state->seen = true;
        return data;
    }

    Ref<State> state_;
};

} // namespace vandro
