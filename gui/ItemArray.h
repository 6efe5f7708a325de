// The items of a gadget, index 0 first. The free room sits where the last insert or removal
// was, so that a run of edits walking from front to back (as SyncData's) moves each item once
// instead of once per edit.
#pragma once

#include "GadgetItem.h"

#include <vector>

namespace vandro {

class TItemArray {
  public:
    int Count() const { return static_cast<int>(slots_.size()) - (gapEnd_ - gapStart_); }
    bool IsEmpty() const { return Count() == 0; }
    // The index is not checked: the gadget checks it first.
    const Ref<TGadgetItem>& operator[](int index) const {
        return slots_[static_cast<std::size_t>(index < gapStart_ ? index
                                                                 : index + gapEnd_ - gapStart_)];
    }

    void Insert(int index, Ref<TGadgetItem> item);
    void Remove(int index);
    void Clear();

  private:
    void MoveGapTo(int index);
    void Grow();

    std::vector<Ref<TGadgetItem>> slots_;
    // Slots gapStart_ .. gapEnd_ - 1 are empty.
    int gapStart_ = 0;
    int gapEnd_ = 0;
};

} // namespace vandro
