// The status line's fields and its room for the sizing grip, the same on every platform.
#include "gui/WindowFunctions.h"
#include "gui/kinds/StatusLine.h"

#include <gtest/gtest.h>

using namespace vandro;

TEST(StatusLine, TabsSplitTheTextIntoThreeFieldsTheLastTakingTheRest) {
    const String text = u"Spieler 1\t20 Karten\trechts\tund mehr";
    EXPECT_EQ(StatusField(text, 0), u"Spieler 1");
    EXPECT_EQ(StatusField(text, 1), u"20 Karten");
    EXPECT_EQ(StatusField(text, 2), u"rechts\tund mehr");
    EXPECT_EQ(StatusField(u"links", 0), u"links");
    EXPECT_EQ(StatusField(u"links", 1), u"");
    EXPECT_EQ(StatusField(u"links\tmitte", 2), u"");
    EXPECT_EQ(StatusField(u"\t\t", 2), u"");
}

TEST(StatusLine, OnlyAResizableWindowKeepsRoomForTheGrip) {
    EXPECT_EQ(ShownStatusText(u"a\tb", WindowTitleBar | WindowStatusBar), u"a\tb");
    EXPECT_EQ(ShownStatusText(u"a\tb", WindowResizable | WindowStatusBar), u"a\tb     ");
}
