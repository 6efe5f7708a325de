#include "ItemArray.h"

#include <algorithm>

namespace vandro {

void TItemArray::Insert(int index, Ref<TGadgetItem> item) {
    if (gapStart_ == gapEnd_)
        Grow();
    MoveGapTo(index);
    slots_[static_cast<std::size_t>(gapStart_++)] = std::move(item);
}

void TItemArray::Remove(int index) {
    MoveGapTo(index);
    // Released only once the array is consistent: the item may hold what holds this array.
    Ref<TGadgetItem> removed = std::move(slots_[static_cast<std::size_t>(gapEnd_++)]);
}

void TItemArray::Clear() {
    std::vector<Ref<TGadgetItem>> old;
    old.swap(slots_);
    gapStart_ = gapEnd_ = 0;
}

void TItemArray::MoveGapTo(int index) {
    const auto at = [this](int slot) { return slots_.begin() + slot; };
    if (index < gapStart_) {
        std::move_backward(at(index), at(gapStart_), at(gapEnd_));
        gapEnd_ -= gapStart_ - index;
    } else if (index > gapStart_) {
        std::move(at(gapEnd_), at(gapEnd_ + index - gapStart_), at(gapStart_));
        gapEnd_ += index - gapStart_;
    }
    gapStart_ = index;
}

// Doubles the room. A full array holds its items in order, so the new gap goes at the end.
void TItemArray::Grow() {
    gapStart_ = Count();
    slots_.resize(std::max<std::size_t>(16, slots_.size() * 2));
    gapEnd_ = static_cast<int>(slots_.size());
}

} // namespace vandro
