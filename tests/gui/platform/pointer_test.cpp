// The mouse pointer alike on every platform: each shape shows over every window of the program,
// those made later too, shape 0 gives each window its own pointer back, and a shape the
// platform lacks shows the arrow.
#include "KindFixture.h"

#include "gui/DriverFunctions.h"
#include "gui/WindowFunctions.h"

namespace vandro {
namespace {

class PointerTest : public KindTest {
  protected:
    void TearDown() override {
        SetMousePointer(0);
        KindTest::TearDown();
    }
    static int Shown(const Ref<TGadget>& over) { return PlatformUser()->ShownPointer(over); }
};

TEST_F(PointerTest, EachShapeShowsOverTheWindowAndShapeZeroGivesItsOwnBack) {
    for (int shape = 1; shape <= 14; ++shape) {
        SetMousePointer(shape);
        EXPECT_EQ(Shown(window), shape) << "shape " << shape;
    }
    SetMousePointer(0);
    EXPECT_EQ(Shown(window), 1);
    SetMousePointer(2);
    EXPECT_EQ(Shown(window), 2);
}

TEST_F(PointerTest, AShapeThePlatformLacksShowsTheArrow) {
    SetMousePointer(3);
    for (int shape : {15, -1, 1000}) {
        SetMousePointer(shape);
        EXPECT_EQ(Shown(window), 1) << "shape " << shape;
        SetMousePointer(3);
        EXPECT_EQ(Shown(window), 3);
    }
}

TEST_F(PointerTest, AWindowMadeLaterShowsTheShapeSetBefore) {
    SetMousePointer(3);
    const auto later = CreateWindow(u"Sp\u00e4ter", 80, 80, 200, 120, Desktop(), 557);
    Drain();
    EXPECT_EQ(Shown(later), 3);
    EXPECT_EQ(Shown(window), 3);
    // The same shape again changes nothing; another shows over both.
    SetMousePointer(3);
    EXPECT_EQ(Shown(later), 3);
    SetMousePointer(12);
    EXPECT_EQ(Shown(later), 12);
    EXPECT_EQ(Shown(window), 12);
    FreeGadget(later);
    SetMousePointer(0);
    EXPECT_EQ(Shown(window), 1);
}

} // namespace
} // namespace vandro
