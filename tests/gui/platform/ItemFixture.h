// The fixture of the item gadgets' tests: a window to put them in, and the events the user's
// actions raised, in order.
#pragma once

#include "PlatformFixture.h"

#include "events/Event.h"
#include "gui/GadgetItemFunctions.h"
#include "runtime/Boxed.h"

#include <vector>

namespace vandro {

class ItemTest : public PlatformTest {
  protected:
    void SetUp() override {
        window = CreateWindow(u"Einträge", 30, 30, 320, 300, Desktop(), 1);
        Drain();
    }

    void TearDown() override { FreeGadget(window); }

    // What the queue holds now from the gadget, taken in order; the rest is dropped.
    static std::vector<Ref<TEvent>> TakenFrom(const Ref<TGadget>& source) {
        std::vector<Ref<TEvent>> events;
        while (PollEvent() != 0)
            if (CurrentEvent()->source == Object(source))
                events.push_back(CurrentEvent());
        return events;
    }

    static std::vector<int> Ids(const std::vector<Ref<TEvent>>& events) {
        std::vector<int> ids;
        for (const auto& event : events)
            ids.push_back(event->id);
        return ids;
    }

    static TPlatformItemUser& User() { return *PlatformItemUser(); }

    // A list box of four items, each with its name as its extra.
    Ref<TGadget> MakeList(int style) {
        const auto list = CreateListBox(10, 10, 200, 200, window, style);
        for (const char16_t* name : {u"Anna", u"Bert", u"Cleo", u"Dora"})
            AddGadgetItem(list, name, 0, -1, {}, Box(name));
        Drain();
        return list;
    }

    static String ExtraText(const Ref<TEvent>& event) { return StringOf(event->extra); }

    Ref<TGadget> window;
};

} // namespace vandro
