#include "RecordingGadget.h"
#include "gui/GadgetConstants.h"

#include <gtest/gtest.h>

using namespace vandro;

namespace {

Rect RectOf(const TGadget& g) { return {g.xpos, g.ypos, g.width, g.height}; }

class Layout : public testing::Test {
  protected:
    void SetUp() override {
        parent->clientWidth = 200;
        parent->clientHeight = 100;
        child->_setparent(parent, -1);
    }

    // Locks the child at x, width w on a client that wide; vertically it stays fixed.
    void Lock(int x, int w, int left, int right, int clientWidth = 200) {
        parent->clientWidth = clientWidth;
        child->SetShape(x, 10, w, 20);
        child->SetLayout(left, right, LockFixed, LockFixed);
    }

    Rect ResizeTo(int clientWidth) {
        parent->clientWidth = clientWidth;
        parent->SetArea(0, 0, clientWidth, 100);
        return RectOf(*child);
    }

    Ref<TRecordingGadget> parent = New<TRecordingGadget>();
    Ref<TRecordingGadget> child = New<TRecordingGadget>();
};

} // namespace

TEST_F(Layout, LockingRecordsTheRectangleAndTheParentsClientSize) {
    child->SetShape(10, 11, 50, 20);
    EXPECT_EQ((Rect{child->lockx, child->locky, child->lockw, child->lockh}),
              (Rect{10, 11, 50, 20}));
    EXPECT_EQ(child->lockcw, 200);
    EXPECT_EQ(child->lockch, 100);
    EXPECT_EQ(child->rethinks, (std::vector<Rect>{{10, 11, 50, 20}}));

    auto alone = New<TRecordingGadget>();
    alone->SetShape(1, 2, 3, 4);
    EXPECT_EQ(alone->lockcw, 1);
    EXPECT_EQ(alone->lockch, 1);
}

TEST_F(Layout, StretchKeepsBothDistances) {
    Lock(10, 50, LockFixed, LockFixed);
    EXPECT_EQ(ResizeTo(300), (Rect{10, 10, 150, 20}));
    EXPECT_EQ(child->rethinks.back(), (Rect{10, 10, 150, 20}));
}

TEST_F(Layout, CentredKeepsTheSizeAndTheRelativeCentre) {
    Lock(50, 100, LockFree, LockFree);
    EXPECT_EQ(ResizeTo(400), (Rect{150, 10, 100, 20}));
}

TEST_F(Layout, ProportionalScalesBothEdges) {
    Lock(50, 100, LockProportional, LockProportional);
    EXPECT_EQ(ResizeTo(400), (Rect{100, 10, 200, 20}));
}

TEST_F(Layout, OneFixedEdgeKeepsItsDistanceAndTheWidth) {
    Lock(10, 50, LockFixed, LockFree);
    EXPECT_EQ(ResizeTo(300), (Rect{10, 10, 50, 20}));
    Lock(10, 50, LockFree, LockFixed);
    EXPECT_EQ(ResizeTo(300), (Rect{110, 10, 50, 20}));
    EXPECT_EQ(ResizeTo(150), (Rect{-40, 10, 50, 20}));
}

TEST_F(Layout, TheVerticalAxisFollowsTheSameRules) {
    child->SetShape(0, 10, 20, 30);
    child->SetLayout(LockFixed, LockFixed, LockFixed, LockProportional);
    parent->clientHeight = 200;
    parent->SetArea(0, 0, 200, 200);
    EXPECT_EQ(RectOf(*child), (Rect{0, 10, 20, 70}));
}

TEST_F(Layout, OtherModesLeaveTheirEdgeWhereItIs) {
    Lock(10, 50, 3, LockFixed);
    child->SetRect(20, 10, 50, 20);
    EXPECT_EQ(ResizeTo(300), (Rect{20, 10, 140, 20}));
}

TEST_F(Layout, DivisionsTruncateTowardZeroAfterTheProduct) {
    // Centred: 4 * (-7 + 2) / 3 = -20 / 3 = -6, less half the width: -8.
    Lock(-7, 4, LockFree, LockFree, 3);
    EXPECT_EQ(ResizeTo(4), (Rect{-8, 10, 4, 20}));
    // Proportional: 3 * 3 / 2 = 4, where dividing first would give 3.
    Lock(3, 1, LockProportional, LockFree, 2);
    EXPECT_EQ(ResizeTo(3), (Rect{4, 10, 1, 20}));
}

TEST_F(Layout, ArithmeticIsThirtyTwoBitsWide) {
    Lock(50000, 10, LockProportional, LockFree, 1);
    // 100000 * 50000 wraps to 705032704 in 32 bits.
    EXPECT_EQ(ResizeTo(100000), (Rect{705032704, 10, 10, 20}));
}

TEST_F(Layout, RepeatedResizesNeverDrift) {
    auto centred = New<TRecordingGadget>();
    centred->_setparent(parent, -1);
    centred->SetShape(33, 7, 17, 9);
    centred->SetLayout(LockFree, LockFree, LockFree, LockFree);
    Lock(13, 77, LockProportional, LockProportional);
    for (int i = 0; i < 1000; ++i)
        ResizeTo(150 + (i * 37) % 311);
    EXPECT_EQ(ResizeTo(200), (Rect{13, 10, 77, 20}));
    EXPECT_EQ(RectOf(*centred), (Rect{33, 7, 17, 9}));
    // 301 * (13 + 77) / 200 = 135 and 301 * 13 / 200 = 19, straight from the record.
    EXPECT_EQ(ResizeTo(301), (Rect{19, 10, 116, 20}));
}

TEST_F(Layout, AZeroWideClientCountsAsOneWide) {
    Lock(10, 50, LockFree, LockFixed);
    // Right edge 1 + 10 + 50 - 200 = -139, not -140.
    EXPECT_EQ(ResizeTo(0), (Rect{-189, 10, 50, 20}));

    parent->clientWidth = 0;
    parent->clientHeight = 0;
    child->LockLayout();
    EXPECT_EQ(child->lockcw, 1);
    EXPECT_EQ(child->lockch, 1);
}

TEST_F(Layout, WindowsMenusAndTreeNodesAreNotMovedByTheirParent) {
    for (int kind : {ClassWindow, ClassMenu, ClassTreeNode}) {
        child->kind = kind;
        Lock(10, 50, LockFixed, LockFixed);
        child->rethinks.clear();
        EXPECT_EQ(ResizeTo(300), (Rect{10, 10, 50, 20})) << kind;
        EXPECT_TRUE(child->rethinks.empty()) << kind;
    }
}

TEST_F(Layout, AGadgetWhoseLayoutWasNeverLockedStaysWhereItIs) {
    auto placed = New<TRecordingGadget>();
    placed->_setparent(parent, -1);
    placed->SetRect(5, 6, 7, 8);
    ResizeTo(300);
    EXPECT_EQ(RectOf(*placed), (Rect{5, 6, 7, 8}));
    EXPECT_TRUE(placed->rethinks.empty());
}

TEST_F(Layout, SetAreaMovesTheGadgetBeforeItsChildrenAllTheWayDown) {
    std::vector<String> journal;
    auto top = New<TRecordingGadget>(u"top", &journal);
    auto middle = New<TRecordingGadget>(u"middle", &journal);
    auto bottom = New<TRecordingGadget>(u"bottom", &journal);
    top->clientWidth = middle->clientWidth = 100;
    top->clientHeight = middle->clientHeight = 100;
    middle->_setparent(top, -1);
    bottom->_setparent(middle, -1);
    middle->SetShape(0, 0, 100, 100);
    bottom->SetShape(10, 10, 80, 80);
    middle->SetLayout(LockFixed, LockFixed, LockFixed, LockFixed);
    bottom->SetLayout(LockFixed, LockFixed, LockFixed, LockFixed);
    journal.clear();

    top->clientWidth = 150;
    middle->clientWidth = 150;
    top->SetArea(0, 0, 150, 100);
    EXPECT_EQ(journal, (std::vector<String>{u"top.Rethink", u"middle.Rethink", u"bottom.Rethink"}));
    EXPECT_EQ(RectOf(*middle), (Rect{0, 0, 150, 100}));
    EXPECT_EQ(RectOf(*bottom), (Rect{10, 10, 130, 80}));
}

TEST_F(Layout, SetRectStoresAndClampsOnly) {
    child->SetRect(-5, -6, -7, -8);
    EXPECT_EQ(RectOf(*child), (Rect{-5, -6, 0, 0}));
    EXPECT_TRUE(child->rethinks.empty());
    EXPECT_EQ(child->lockcw, 0);
}

TEST_F(Layout, PlacingByHandReBasesTheLayout) {
    Lock(10, 50, LockFixed, LockFixed);
    ResizeTo(300);
    child->SetShape(20, 10, 40, 20);
    EXPECT_EQ(child->lockcw, 300);
    EXPECT_EQ(ResizeTo(400), (Rect{20, 10, 140, 20}));
}
