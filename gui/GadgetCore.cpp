#include "GadgetCore.h"

#include "BlankGadget.h"

namespace vandro {

namespace {

constexpr int kDragButtons = 3;

struct GadgetCoreState {
    bool started = false;
    Ref<TGadget> blank;
    Ref<TGadget> dragSources[kDragButtons];
    LocalizeFunction localize;
    GadgetFreedFunction freed;
};
GadgetCoreState core;

bool IsDragButton(int button) { return button >= 1 && button <= kDragButtons; }

} // namespace

void StartGadgetCore() {
    if (core.started)
        return;
    core.started = true;
    StartEvents();
    TEvent::RegisterId(GadgetDrag, u"GadgetDrag");
    TEvent::RegisterId(GadgetDrop, u"GadgetDrop");
    core.blank = New<TBlankGadget>();
}

Ref<TGadget> BlankGadget() { return core.blank; }

Ref<TGadget> DragSource(int button) {
    return IsDragButton(button) ? core.dragSources[button - 1] : Ref<TGadget>();
}

void SetDragSource(int button, const Ref<TGadget>& gadget) {
    if (!IsDragButton(button))
        RuntimeError(u"Drag source button must be 1, 2 or 3");
    core.dragSources[button - 1] = gadget;
}

void ClearDragSource(const TGadget* gadget) {
    for (auto& slot : core.dragSources)
        if (slot == gadget)
            slot = nullptr;
}

void SetLocalizeHook(LocalizeFunction hook) { core.localize = hook; }
LocalizeFunction LocalizeHook() { return core.localize; }
void SetGadgetFreedHook(GadgetFreedFunction hook) { core.freed = hook; }
GadgetFreedFunction GadgetFreedHook() { return core.freed; }

String LocalizeItemText(const String& text) {
    return core.localize.IsNull() ? text : core.localize(text);
}

void NotifyGadgetFreed(const Ref<TGadget>& gadget) {
    if (!core.freed.IsNull())
        core.freed(gadget);
}

} // namespace vandro
