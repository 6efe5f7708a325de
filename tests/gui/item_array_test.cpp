#include "gui/ItemArray.h"

#include <gtest/gtest.h>

#include <random>

using namespace vandro;

namespace {

Ref<TGadgetItem> Item(int number) {
    auto item = New<TGadgetItem>();
    item->icon = number;
    return item;
}

void ExpectSame(const TItemArray& items, const std::vector<Ref<TGadgetItem>>& model) {
    ASSERT_EQ(items.Count(), static_cast<int>(model.size()));
    for (int i = 0; i < items.Count(); ++i)
        ASSERT_EQ(items[i], model[static_cast<std::size_t>(i)]) << i;
}

} // namespace

TEST(ItemArray, KeepsTheOrderOfAnArrayThroughInsertsAndRemovalsAnywhere) {
    std::mt19937 random(99);
    TItemArray items;
    std::vector<Ref<TGadgetItem>> model;
    for (int step = 0; step < 4000; ++step) {
        const int count = static_cast<int>(model.size());
        if (count > 0 && random() % 5 < 2) {
            const int at = static_cast<int>(random() % static_cast<unsigned>(count));
            items.Remove(at);
            model.erase(model.begin() + at);
        } else {
            const int at = static_cast<int>(random() % static_cast<unsigned>(count + 1));
            auto item = Item(step);
            items.Insert(at, item);
            model.insert(model.begin() + at, item);
        }
        if (step % 97 == 0)
            ExpectSame(items, model);
    }
    ExpectSame(items, model);
    EXPECT_FALSE(items.IsEmpty());
}

TEST(ItemArray, ReleasesWhatItRemovesAndClears) {
    const long before = TObject::LiveObjects();
    TItemArray items;
    for (int i = 0; i < 40; ++i)
        items.Insert(i / 2, Item(i));
    EXPECT_EQ(TObject::LiveObjects(), before + 40);
    items.Remove(0);
    items.Remove(38);
    items.Remove(17);
    EXPECT_EQ(items.Count(), 37);
    EXPECT_EQ(TObject::LiveObjects(), before + 37);
    items.Clear();
    EXPECT_TRUE(items.IsEmpty());
    EXPECT_EQ(TObject::LiveObjects(), before);
    items.Insert(0, Item(1));
    EXPECT_EQ(items[0]->icon, 1);
}
