#include "Gadget.h"

#include "GadgetCore.h"

namespace vandro {

TGadget::TGadget() : kids(New<TList>()) {}

TGadget::~TGadget() {
    // Children that outlive their group must not point at it.
    if (!kids)
        return;
    for (const auto& kid : *kids)
        if (auto* child = dynamic_cast<TGadget*>(kid.get()); child && child->parent == this)
            child->parent = nullptr;
}

int TGadget::SetFilter(EventFilter filter, const Object& context) {
    eventfilter = filter;
    this->context = context;
    return 0;
}

int TGadget::HasDescendant(const Ref<TGadget>& gadget) {
    if (gadget == this)
        return 1;
    for (const auto& kid : *kids)
        if (auto child = Cast<TGadget>(kid))
            if (int found = child->HasDescendant(gadget))
                return found;
    return 0;
}

int TGadget::_setparent(const Ref<TGadget>& group, int index) {
    for (const TGadget* above = group.get(); above; above = above->parent)
        if (above == this)
            RuntimeError(u"A gadget cannot be placed inside itself");
    // Leaving the old group may drop the last other reference to this gadget.
    Ref<TGadget> self(this);
    if (parent)
        parent->kids->Remove(self);
    parent = group.get();
    if (!group)
        return 0;
    TList& siblings = *group->kids;
    if (index >= 0 && index < siblings.Count())
        siblings.InsertBeforeLink(self, siblings.LinkAtIndex(index));
    else
        siblings.AddLast(self);
    return 0;
}

Ref<TGadget> TGadget::Handle() { return Ref<TGadget>(this); }
int TGadget::GetXPos() { return xpos; }
int TGadget::GetYPos() { return ypos; }
int TGadget::GetWidth() { return width; }
int TGadget::GetHeight() { return height; }
Ref<TGadget> TGadget::GetGroup() { return Ref<TGadget>(parent); }

int TGadget::CleanUp() {
    Ref<TGadget> self(this);
    // Each child leaves kids while this runs.
    for (const auto& kid : kids->ToArray())
        if (auto child = Cast<TGadget>(kid))
            child->CleanUp();
    Free();
    // A driver's Free leaves the group; a kind without a native side must not stay listed.
    if (parent)
        _setparent(nullptr, -1);
    NotifyGadgetFreed(self);
    kids->Clear();
    parent = nullptr;
    extra = nullptr;
    context = nullptr;
    eventfilter = EventFilter();
    items.Clear();
    ClearDragSource(this);
    return 0;
}

int TGadget::SetSensitivity(int flags) {
    sensitivity = flags;
    return 0;
}

int TGadget::GetSensitivity() { return sensitivity; }

Ref<TGadget> FindOutermostGadget(const Ref<TGadget>& gadget) {
    TGadget* outermost = gadget.get();
    if (!outermost)
        return {};
    while (outermost->source)
        outermost = outermost->source;
    return Ref<TGadget>(outermost);
}

} // namespace vandro
