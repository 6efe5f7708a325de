#include "RecordingGadget.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {

Ref<TStringArray> Strings(std::vector<String> keys) { return New<TStringArray>(std::move(keys)); }

class DataSource : public testing::Test {
  protected:
    // Mirrors the keys, then forgets what the driver heard so far.
    void Mirror(std::vector<String> keys) {
        source = Strings(std::move(keys));
        list->SetDataSource(source);
        list->calls.clear();
    }

    int ChangeTo(std::vector<String> keys) {
        source->elements = std::move(keys);
        return list->SyncDataSource();
    }

    Ref<TRecordingGadget> list = New<TRecordingGadget>();
    Ref<TStringArray> source;
};

} // namespace

TEST_F(DataSource, ARemovedKeyRemovesOnlyItsItem) {
    Mirror({u"red", u"green", u"blue", u"grey"});
    const auto before = list->items;
    EXPECT_EQ(ChangeTo({u"red", u"blue", u"grey"}), 0);
    EXPECT_EQ(list->calls, (std::vector<String>{u"RemoveListItem(1)"}));
    ASSERT_EQ(list->items.Count(), 3);
    EXPECT_EQ(list->items[0], before[0]);
    EXPECT_EQ(list->items[1], before[2]);
    EXPECT_EQ(list->items[2], before[3]);
    EXPECT_EQ(list->datakeys, (std::vector<String>{u"red", u"blue", u"grey"}));
}

TEST_F(DataSource, WithoutAMatchingRunTheKeyIsInsertedAndTheSurplusTrimmed) {
    Mirror({u"red", u"green", u"blue"});
    const auto before = list->items;
    ChangeTo({u"red", u"blue"});
    EXPECT_EQ(list->calls, (std::vector<String>{u"InsertListItem(1,blue,,0)", u"RemoveListItem(2)",
                                                u"RemoveListItem(2)"}));
    ASSERT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->items[0], before[0]);
    // The surviving blue is the new item, not the old one.
    EXPECT_NE(list->items[1], before[2]);
    EXPECT_EQ(list->ShownTexts(), u"red,blue");
}

TEST_F(DataSource, ItemsFromKeysCarryTheWholeSourceAndIconZero) {
    Mirror({u"a", u"b"});
    EXPECT_EQ(list->ItemExtra(1), source);
    EXPECT_EQ(list->ItemIcon(1), 0);
    EXPECT_EQ(list->ItemTip(1), u"");
    EXPECT_EQ(list->ItemFlags(1), 0);
    list->InsertItemFromKey(0, u"z");
    EXPECT_EQ(list->calls, (std::vector<String>{u"InsertListItem(0,z,,0)"}));
    EXPECT_EQ(list->ItemExtra(0), source);
}

TEST_F(DataSource, SettingASourceClearsFirstAndMirrorsIt) {
    list->InsertItem(0, u"old", u"", 0, nullptr, 0);
    list->datakeys = {u"old"};
    list->calls.clear();
    list->SetDataSource(Strings({u"a", u"b"}));
    EXPECT_EQ(list->calls, (std::vector<String>{u"ClearListItems", u"InsertListItem(0,a,,0)",
                                                u"InsertListItem(1,b,,0)"}));
    list->SetDataSource(nullptr);
    EXPECT_EQ(list->ItemCount(), 0);
    EXPECT_TRUE(list->datakeys.empty());
    EXPECT_EQ(list->SyncDataSource(), 0);
}

TEST_F(DataSource, ListsObjectArraysStringArraysAndAnythingElse) {
    auto objects = New<TList>();
    objects->AddLast(Box(u"one"));
    objects->AddLast(nullptr);
    objects->AddLast(Box(u"two"));
    list->SetDataSource(objects);
    // A null element is skipped and leaves an empty key at the end.
    EXPECT_EQ(list->ShownTexts(), u"one,two,");

    auto array = New<TObjectArray>(std::vector<Object>{nullptr, Box(u"x"), Box(u"y")});
    list->SetDataSource(array);
    EXPECT_EQ(list->ShownTexts(), u"x,y,");

    list->SetDataSource(Strings({u"s", u""}));
    EXPECT_EQ(list->ShownTexts(), u"s,");

    list->SetDataSource(Box(u"not a collection"));
    EXPECT_EQ(list->ItemCount(), 0);
}

TEST_F(DataSource, KeysAreTheTextsOfTheElementsFromTheFront) {
    auto objects = New<TList>();
    objects->AddLast(nullptr);
    objects->AddLast(Box(u"b"));
    EXPECT_EQ(list->KeysFromList(objects), (std::vector<String>{u"b", u""}));
    EXPECT_EQ(list->KeysFromList(New<TList>()), (std::vector<String>{}));
    auto array = New<TObjectArray>(std::vector<Object>{Box(u"a"), nullptr, nullptr, Box(u"d")});
    EXPECT_EQ(list->KeysFromObjectArray(array), (std::vector<String>{u"a", u"d", u"", u""}));
}

TEST_F(DataSource, ASourceWhoseKeysAreAllGoneEmptiesTheItems) {
    Mirror({u"a", u"b"});
    EXPECT_EQ(ChangeTo({}), 1);
    EXPECT_EQ(list->calls, (std::vector<String>{u"ClearListItems"}));
    EXPECT_EQ(list->ItemCount(), 0);
    EXPECT_EQ(ChangeTo({}), 0);
}

TEST_F(DataSource, ASourceThatRefillsAfterEmptyingIsMirroredInFull) {
    Mirror({u"x", u"a", u"b"});
    ChangeTo({});
    list->calls.clear();
    EXPECT_EQ(ChangeTo({u"a", u"b"}), 0);
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"InsertListItem(0,a,,0)", u"InsertListItem(1,b,,0)"}));
    EXPECT_EQ(list->ShownTexts(), u"a,b");
}

TEST_F(DataSource, KeysCompareExactly) {
    Mirror({u"Red"});
    ChangeTo({u"red"});
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"InsertListItem(0,red,,0)", u"RemoveListItem(1)"}));
}

TEST_F(DataSource, InsertionsAndRemovalsMixed) {
    Mirror({u"a", u"b", u"c", u"d", u"e"});
    ChangeTo({u"n", u"a", u"c", u"d", u"m", u"e", u"f"});
    EXPECT_EQ(list->ShownTexts(), u"n,a,c,d,m,e,f");
    EXPECT_EQ(list->calls,
              (std::vector<String>{u"InsertListItem(0,n,,0)", u"RemoveListItem(2)",
                                   u"InsertListItem(4,m,,0)", u"InsertListItem(6,f,,0)"}));
}
