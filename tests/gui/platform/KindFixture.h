// The fixture of the kind tests: a window on the platform the test program links, and the
// events the program takes from it.
#pragma once

#include "PlatformFixture.h"

#include "events/Event.h"
#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetItemFunctions.h"
#include "gui/TextAreaFunctions.h"

#include <ostream>
#include <vector>

namespace vandro {

// What a key filter or an event hook counted.
class TCount : public TObject {
  public:
    int value = 0;
};

// A gadget in a failure's message: its class and place.
inline void PrintTo(const Ref<TGadget>& gadget, std::ostream* out) {
    if (!gadget) {
        *out << "null";
        return;
    }
    *out << "class " << gadget->Class() << " at " << gadget->xpos << "," << gadget->ypos;
}

class KindTest : public PlatformTest {
  protected:
    void SetUp() override {
        window = CreateWindow(u"Kinds", 40, 40, 360, 260, Desktop(), 557);
        Drain();
    }
    void TearDown() override {
        FreeGadget(window);
        Drain();
    }

    // The ids of the events the gadget raised since the last look, in order.
    std::vector<int> IdsFrom(const Ref<TGadget>& gadget) {
        std::vector<int> ids;
        for (const auto& event : Take())
            if (event->source == gadget)
                ids.push_back(event->id);
        return ids;
    }
    // The events queued now, the gadget's and others'.
    static std::vector<Ref<TEvent>> Take() {
        std::vector<Ref<TEvent>> taken;
        while (PollEvent() != 0)
            taken.push_back(CurrentEvent());
        return taken;
    }
    static int Count(const std::vector<int>& ids, int id) {
        int count = 0;
        for (int seen : ids)
            count += seen == id ? 1 : 0;
        return count;
    }

    Ref<TGadget> window;

    // The keys the user presses, as virtual-key codes, and the modifier bits.
    static constexpr int kTab = 0x09;
    static constexpr int kEnter = 0x0D;
    static constexpr int kLeft = 0x25;
    static constexpr int kUp = 0x26;
    static constexpr int kRight = 0x27;
    static constexpr int kDown = 0x28;
    static constexpr int kF5 = 0x74;
    static constexpr int kShift = 1;
    static constexpr int kCtrl = 2;
};

} // namespace vandro
