#include "runtime/Boxed.h"
#include "runtime/List.h"
#include "runtime/Map.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {
String Texts(const TList& list) {
    String out;
    for (const auto& value : list)
        out += StringOf(value) + u",";
    return out;
}
} // namespace

TEST(List, AppendInsertFirstAndBefore) {
    TList list;
    auto b = Box(u"b");
    list.AddLast(b);
    list.AddLast(Box(u"d"));
    list.AddFirst(Box(u"a"));
    list.InsertBeforeLink(Box(u"c"), list.FindLink(list.ValueAtIndex(2)));
    list.InsertBeforeLink(Box(u"e"), nullptr);
    EXPECT_EQ(Texts(list), u"a,b,c,d,e,");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(StringOf(list.FirstLink()->value), u"a");
    EXPECT_EQ(StringOf(list.LastLink()->value), u"e");
    EXPECT_EQ(StringOf(list.LastLink()->prev->value), u"d");
}

TEST(List, RemovesByIdentity) {
    TList list;
    auto x = Box(u"x");
    auto twin = Box(u"x");
    list.AddLast(x);
    list.AddLast(twin);
    list.AddLast(x);
    EXPECT_TRUE(list.Remove(x));
    EXPECT_EQ(list.ValueAtIndex(0), twin);
    EXPECT_EQ(list.ValueAtIndex(1), x);
    EXPECT_FALSE(list.Remove(Box(u"x")));
    EXPECT_TRUE(list.Remove(x));
    EXPECT_TRUE(list.Remove(twin));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.FirstLink(), nullptr);
    EXPECT_EQ(list.LastLink(), nullptr);
}

TEST(List, IndexOutsideRaisesTheListError) {
    TList list;
    list.AddLast(Box(u"only"));
    for (int bad : {-1, 1, 100}) {
        try {
            list.ValueAtIndex(bad);
            ADD_FAILURE() << bad;
        } catch (const TRuntimeException& e) {
            EXPECT_EQ(e.error, u"List index out of range");
        }
    }
}

TEST(List, CopyIsIndependentAndReleasesItsElements) {
    const long before = TObject::LiveObjects();
    {
        auto list = New<TList>();
        list->AddLast(Box(u"1"));
        list->AddLast(Box(u"2"));
        auto copy = list->Copy();
        list->Clear();
        EXPECT_EQ(Texts(*copy), u"1,2,");
        EXPECT_EQ(copy->ToArray().size(), 2u);
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST(Map, OrderedByKeyCompareAndReplacing) {
    TMap map;
    map.Insert(Box(u"pear"), Box(u"2"));
    map.Insert(Box(u"apple"), Box(u"1"));
    map.Insert(Box(u"zucchini"), Box(u"3"));
    map.Insert(Box(u"pear"), Box(u"two"));
    EXPECT_EQ(map.Count(), 3);
    String order;
    for (const auto& [key, value] : map)
        order += StringOf(key) + u"=" + StringOf(value) + u" ";
    EXPECT_EQ(order, u"apple=1 pear=two zucchini=3 ");
    EXPECT_EQ(StringOf(map.ValueForKey(Box(u"apple"))), u"1");
    EXPECT_EQ(map.ValueForKey(Box(u"fig")), nullptr);
    EXPECT_TRUE(map.Remove(Box(u"apple")));
    EXPECT_FALSE(map.Remove(Box(u"apple")));
    EXPECT_FALSE(map.Contains(Box(u"apple")));
    EXPECT_TRUE(map.Contains(Box(u"pear")));
}

TEST(Map, IdentityKeysForPlainObjects) {
    TMap map;
    auto a = New<TObject>();
    auto b = New<TObject>();
    map.Insert(a, Box(u"a"));
    map.Insert(b, Box(u"b"));
    EXPECT_EQ(StringOf(map.ValueForKey(a)), u"a");
    EXPECT_EQ(StringOf(map.ValueForKey(b)), u"b");
    EXPECT_EQ(map.ValueForKey(New<TObject>()), nullptr);
}
