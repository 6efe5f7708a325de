#include "PlainSyncData.h"
#include "RaisedText.h"
#include "RecordingGadget.h"
#include "gui/KeyPositions.h"
#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <random>

using namespace vandro;

namespace {

// mt19937's raw output is the same on every platform; the library's distributions are not.
class Keys {
  public:
    explicit Keys(unsigned seed) : random_(seed) {}

    int Below(int limit) { return static_cast<int>(random_() % static_cast<unsigned>(limit)); }

    // Few distinct keys, so that repeats are common.
    std::vector<String> Random(int length, int alphabet) {
        std::vector<String> keys;
        for (int i = 0; i < length; ++i)
            keys.push_back(CharText(char16_t(u'a' + Below(alphabet))));
        return keys;
    }

    // The keys with a few removals, insertions, replacements and moved runs.
    std::vector<String> Edited(std::vector<String> keys, int edits, int alphabet) {
        for (int e = 0; e < edits; ++e) {
            const int size = static_cast<int>(keys.size());
            const int at = Below(size + 1);
            switch (Below(4)) {
            case 0:
                if (at < size)
                    keys.erase(keys.begin() + at);
                break;
            case 1:
                keys.insert(keys.begin() + at, CharText(char16_t(u'a' + Below(alphabet))));
                break;
            case 2:
                if (at < size)
                    keys[static_cast<std::size_t>(at)] = u"new" + IntText(e);
                break;
            default:
                if (at < size) {
                    const int to = Below(size);
                    const String moved = keys[static_cast<std::size_t>(at)];
                    keys.erase(keys.begin() + at);
                    keys.insert(keys.begin() + std::min(to, size - 1), moved);
                }
            }
        }
        return keys;
    }

  private:
    std::mt19937 random_;
};

Ref<TRecordingGadget> Mirroring(const std::vector<String>& keys) {
    auto gadget = New<TRecordingGadget>();
    gadget->SetDataSource(New<TStringArray>(keys));
    gadget->calls.clear();
    return gadget;
}

String Joined(const std::vector<String>& keys) {
    String out;
    for (const auto& key : keys)
        out += (out.empty() ? u"" : u",") + key;
    return out;
}

void ExpectSameEdits(const std::vector<String>& before, const std::vector<String>& after) {
    auto indexed = Mirroring(before);
    auto plain = Mirroring(before);
    indexed->SyncData(after);
    PlainSyncData(*plain, after);
    ASSERT_EQ(indexed->calls, plain->calls)
        << ToUtf8(Joined(before)) << " -> " << ToUtf8(Joined(after));
    ASSERT_EQ(indexed->ShownTexts(), Joined(after));
}

} // namespace

TEST(KeyPositions, FirstAfterFindsTheNextPlaceOfAKey) {
    const std::vector<String> keys{u"a", u"b", u"a", u"c", u"a"};
    TKeyPositions positions(keys);
    EXPECT_EQ(positions.FirstAfter(u"a", -1), 0);
    EXPECT_EQ(positions.FirstAfter(u"a", 0), 2);
    EXPECT_EQ(positions.FirstAfter(u"c", 1), 3);
    EXPECT_EQ(positions.FirstAfter(u"b", 1), 5);
    EXPECT_EQ(positions.FirstAfter(u"a", 2), 4);
    EXPECT_EQ(positions.FirstAfter(u"z", 2), 5);
    EXPECT_EQ(positions.FirstAfter(u"A", 3), 5);
    EXPECT_EQ(positions.FirstAfter(u"a", 4), 5);
    EXPECT_EQ(positions.FirstAfter(u"a", 4), 5);
    EXPECT_EQ(RaisedText([&] { positions.FirstAfter(u"a", 3); }),
              u"Key positions are read front to back");
    EXPECT_EQ(TKeyPositions({}).FirstAfter(u"a", 0), 0);
}

TEST(KeyPositions, AgreeWithAScanForAnyKeysReadFrontToBack) {
    Keys random(5);
    for (int trial = 0; trial < 300; ++trial) {
        const int count = random.Below(200);
        const auto keys = random.Random(count, 1 + random.Below(60));
        TKeyPositions positions(keys);
        for (int after = -1; after < count; after += 1 + random.Below(3)) {
            const String key = CharText(char16_t(u'a' + random.Below(61)));
            int scan = after + 1;
            while (scan < count && keys[static_cast<std::size_t>(scan)] != key)
                ++scan;
            ASSERT_EQ(positions.FirstAfter(key, after), scan) << trial;
        }
    }
}

TEST(SyncDataEquivalence, RandomKeysWithManyRepeats) {
    Keys random(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        const int alphabet = 1 + random.Below(6);
        const auto before = random.Random(random.Below(25), alphabet);
        const auto after = trial % 3 == 0 ? random.Random(random.Below(25), alphabet)
                                          : random.Edited(before, 1 + random.Below(6), alphabet);
        ExpectSameEdits(before, after);
    }
}

TEST(SyncDataEquivalence, LongListsWithOnePercentChanged) {
    Keys random(7);
    std::vector<String> before;
    for (int i = 0; i < 3000; ++i)
        before.push_back(u"key" + IntText(i % 2500));
    for (int trial = 0; trial < 5; ++trial)
        ExpectSameEdits(before, random.Edited(before, 30, 4));
}

TEST(SyncDataEquivalence, EdgeShapes) {
    const std::vector<String> none;
    const std::vector<String> abc{u"a", u"b", u"c"};
    ExpectSameEdits(none, abc);
    ExpectSameEdits(abc, none);
    ExpectSameEdits(abc, {u"c", u"b", u"a"});
    ExpectSameEdits(abc, {u"a", u"a", u"a"});
    ExpectSameEdits({u"a", u"a", u"b", u"a", u"b"}, {u"b", u"a", u"b"});
}
