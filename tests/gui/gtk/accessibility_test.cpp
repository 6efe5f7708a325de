// The game window as a screen reader reads it over AT-SPI, on a private accessibility bus: every
// card is a push button named "?" while covered and by its symbol once uncovered, the players'
// labels and the status line read as they are shown, and the menu holds its items with their
// check marks. No name or description anywhere gives a covered card's face away. Among the other
// gadgets, a stepper is a spin button with its value and range, and a toolbar's icon buttons
// are named by their tips.
#include "BoardFixture.h"

#include "tests/support/gtk/AccessibilityBus.h"

#include "gui/gtk/GtkSlider.h"
#include "runtime/Text.h"

#include <atspi/atspi.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace vandro {
namespace {

// What the reader learnt of one accessible and of those inside it.
struct TNode {
    AtspiRole role = ATSPI_ROLE_INVALID;
    std::string name;
    std::string description;
    bool checked = false;
    bool focusable = false;
    bool focused = false;
    // A value's, NaN for an accessible without one.
    double value = NAN;
    double minimum = NAN;
    double maximum = NAN;
    AtspiRect extents{};
    std::vector<TNode> kids;
};

std::string Taken(gchar* text) {
    std::string kept = text ? text : "";
    g_free(text);
    return kept;
}

TNode Read(AtspiAccessible* accessible) {
    TNode node;
    node.role = atspi_accessible_get_role(accessible, nullptr);
    node.name = Taken(atspi_accessible_get_name(accessible, nullptr));
    node.description = Taken(atspi_accessible_get_description(accessible, nullptr));
    if (AtspiStateSet* states = atspi_accessible_get_state_set(accessible)) {
        node.checked = atspi_state_set_contains(states, ATSPI_STATE_CHECKED);
        node.focusable = atspi_state_set_contains(states, ATSPI_STATE_FOCUSABLE);
        node.focused = atspi_state_set_contains(states, ATSPI_STATE_FOCUSED);
        g_object_unref(states);
    }
    if (AtspiValue* value = atspi_accessible_get_value_iface(accessible)) {
        node.value = atspi_value_get_current_value(value, nullptr);
        node.minimum = atspi_value_get_minimum_value(value, nullptr);
        node.maximum = atspi_value_get_maximum_value(value, nullptr);
        g_object_unref(value);
    }
    if (AtspiComponent* component = atspi_accessible_get_component_iface(accessible)) {
        if (AtspiRect* extents =
                atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr)) {
            node.extents = *extents;
            g_free(extents);
        }
        g_object_unref(component);
    }
    const int count = atspi_accessible_get_child_count(accessible, nullptr);
    for (int at = 0; at < count; ++at)
        if (AtspiAccessible* kid = atspi_accessible_get_child_at_index(accessible, at, nullptr)) {
            node.kids.push_back(Read(kid));
            g_object_unref(kid);
        }
    return node;
}

// This process among the applications the registry knows.
TNode ReadThisProgram() {
    AtspiAccessible* desktop = atspi_get_desktop(0);
    TNode program;
    const int count = atspi_accessible_get_child_count(desktop, nullptr);
    for (int at = 0; at < count; ++at)
        if (AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, at, nullptr)) {
            if (atspi_accessible_get_process_id(app, nullptr) == static_cast<guint>(getpid()))
                program = Read(app);
            g_object_unref(app);
        }
    g_object_unref(desktop);
    return program;
}

void Collect(const TNode& node, AtspiRole role, std::vector<const TNode*>& found) {
    if (node.role == role)
        found.push_back(&node);
    for (const TNode& kid : node.kids)
        Collect(kid, role, found);
}

std::vector<const TNode*> All(const TNode& tree, AtspiRole role) {
    std::vector<const TNode*> found;
    Collect(tree, role, found);
    return found;
}

std::vector<std::string> Names(const std::vector<const TNode*>& nodes) {
    std::vector<std::string> names;
    for (const TNode* node : nodes)
        names.push_back(node->name);
    return names;
}

// Every name and description in the tree that holds the text.
std::vector<std::string> Telling(const TNode& node, const std::string& text) {
    std::vector<std::string> found;
    for (const std::string* said : {&node.name, &node.description})
        if (said->find(text) != std::string::npos)
            found.push_back(*said);
    for (const TNode& kid : node.kids)
        for (std::string& said : Telling(kid, text))
            found.push_back(said);
    return found;
}

// The tree once the reader sees it as wanted, letting GTK run meanwhile (the bridge sends its
// changes as it runs); the last one read when that takes too long.
TNode ReadWhen(const std::function<bool(const TNode&)>& wanted) {
    TNode tree;
    PumpUntil([&] { return wanted(tree = ReadThisProgram()); }, 3000);
    return tree;
}

std::string Face(const Ref<TCard>& card) {
    return ToUtf8(CharText(static_cast<char16_t>(card->symbol->code)));
}

class GtkAccessibilityTest : public GtkBoardTest {
  protected:
    void SetUp() override {
        // The bus comes before GTK, whose bridge looks for it as GTK starts.
        if (!AccessibilityBus().Failure().empty())
            GTEST_SKIP() << AccessibilityBus().Failure();
        GtkBoardTest::SetUp();
        if (IsSkipped())
            return;
        static const int reader = atspi_init();
        ASSERT_GE(reader, 0);
        WaitUntilDrawn();
    }

    // The card's button as read: the push button where the card is on the screen.
    static const TNode* ButtonOf(const TNode& tree, const Ref<TCard>& card) {
        int x = 0, y = 0;
        if (!ScreenCentre(Cast<TGtkButton>(card->gadget)->_widget, x, y))
            return nullptr;
        for (const TNode* button : All(tree, ATSPI_ROLE_PUSH_BUTTON)) {
            const AtspiRect& r = button->extents;
            if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
                return button;
        }
        return nullptr;
    }

    static void Press(const Ref<TCard>& card) {
        ASSERT_EQ(PlatformUser()->PressButton(card->gadget), 1);
        Settle();
    }

    // No name or description tells the face of a covered card.
    static void ExpectCoveredFacesUntold(const TNode& tree) {
        for (const auto& column : TDeck::cards)
            for (const auto& card : column) {
                if (card->uncovered || PartnerOf(card)->uncovered)
                    continue;
                EXPECT_EQ(Telling(tree, Face(card)), std::vector<std::string>{})
                    << "covered card " << Face(card);
            }
    }
};

TEST_F(GtkAccessibilityTest, EveryCardIsAButtonNamedByWhatItShows) {
    const auto cards = static_cast<std::size_t>(GameState().columns * GameState().rows);
    TNode tree = ReadWhen(
        [&](const TNode& read) { return All(read, ATSPI_ROLE_PUSH_BUTTON).size() == cards; });
    EXPECT_EQ(Names(All(tree, ATSPI_ROLE_PUSH_BUTTON)), std::vector<std::string>(cards, "?"));
    ExpectCoveredFacesUntold(tree);

    // Two cards of different symbols uncovered: each is named by its symbol, every other card
    // is still "?", and the partners' faces stay untold.
    const Ref<TCard> first = CardAt(0, 0);
    Ref<TCard> second = CardAt(1, 0);
    if (second == PartnerOf(first))
        second = CardAt(2, 0);
    Press(first);
    Press(second);
    tree = ReadWhen([&](const TNode& read) {
        const TNode* one = ButtonOf(read, first);
        const TNode* two = ButtonOf(read, second);
        return one && two && one->name == Face(first) && two->name == Face(second);
    });
    ASSERT_NE(ButtonOf(tree, first), nullptr);
    ASSERT_NE(ButtonOf(tree, second), nullptr);
    EXPECT_EQ(ButtonOf(tree, first)->name, Face(first));
    EXPECT_EQ(ButtonOf(tree, second)->name, Face(second));
    EXPECT_EQ(Telling(tree, Face(first)), std::vector<std::string>{Face(first)});
    const auto names = Names(All(tree, ATSPI_ROLE_PUSH_BUTTON));
    EXPECT_EQ(std::count(names.begin(), names.end(), "?"), static_cast<long>(cards - 2));
    ExpectCoveredFacesUntold(tree);

    // A miss: the next press covers both again, and they read "?" again.
    Press(first);
    tree = ReadWhen([&](const TNode& read) {
        const auto shown = Names(All(read, ATSPI_ROLE_PUSH_BUTTON));
        return std::count(shown.begin(), shown.end(), "?") == static_cast<long>(cards);
    });
    EXPECT_EQ(Names(All(tree, ATSPI_ROLE_PUSH_BUTTON)), std::vector<std::string>(cards, "?"));
    ExpectCoveredFacesUntold(tree);
}

TEST_F(GtkAccessibilityTest, TheLabelsAndTheStatusLineReadAsShown) {
    const std::vector<std::string> start = {"Spieler 1: 0",   "Spieler 2: 0", "Spieler 3: 0",
                                            "Spieler 4: 0",   "Spieler 1",    "",
                                            "Karten: 20 / 20"};
    TNode tree =
        ReadWhen([&](const TNode& read) { return Names(All(read, ATSPI_ROLE_LABEL)) == start; });
    EXPECT_EQ(Names(All(tree, ATSPI_ROLE_LABEL)), start);

    // A pair found: the score and the cards left change, and read so.
    const Ref<TCard> card = CardAt(0, 0);
    const Ref<TCard> partner = PartnerOf(card);
    Press(card);
    Press(partner);
    Press(card);
    const std::vector<std::string> found = {"Spieler 1: 1",   "Spieler 2: 0", "Spieler 3: 0",
                                            "Spieler 4: 0",   "Spieler 1",    "",
                                            "Karten: 18 / 20"};
    tree = ReadWhen([&](const TNode& read) { return Names(All(read, ATSPI_ROLE_LABEL)) == found; });
    EXPECT_EQ(Names(All(tree, ATSPI_ROLE_LABEL)), found);
    EXPECT_EQ(All(tree, ATSPI_ROLE_PUSH_BUTTON).size(), 18u);
}

TEST_F(GtkAccessibilityTest, TheMenuHoldsItsItemsWithTheirMarks) {
    const TNode tree = ReadWhen([](const TNode& read) {
        return !All(read, ATSPI_ROLE_MENU_BAR).empty() &&
               !All(*All(read, ATSPI_ROLE_MENU_BAR)[0], ATSPI_ROLE_MENU).empty();
    });
    const auto bars = All(tree, ATSPI_ROLE_MENU_BAR);
    ASSERT_EQ(bars.size(), 1u);
    ASSERT_EQ(bars[0]->kids.size(), 1u);
    const TNode& game = bars[0]->kids[0];
    EXPECT_EQ(game.role, ATSPI_ROLE_MENU);
    EXPECT_EQ(game.name, "Spiel");
    EXPECT_EQ(
        Names({&game.kids[0], &game.kids[1], &game.kids[2], &game.kids[3], &game.kids[4]}),
        (std::vector<std::string>{"Grösse", "Spieler", "", "Spiel neustarten", "Spiel beenden"}));
    ASSERT_EQ(game.kids.size(), 5u);
    EXPECT_EQ(game.kids[2].role, ATSPI_ROLE_SEPARATOR);
    // Only an item that carries a mark is announced as a check item.
    EXPECT_EQ(game.kids[3].role, ATSPI_ROLE_MENU_ITEM);
    EXPECT_EQ(game.kids[4].role, ATSPI_ROLE_MENU_ITEM);
    ASSERT_GE(game.kids[0].kids.size(), 2u);
    EXPECT_EQ(game.kids[0].kids[0].role, ATSPI_ROLE_CHECK_MENU_ITEM);
    EXPECT_EQ(game.kids[0].kids[1].role, ATSPI_ROLE_MENU_ITEM);

    const TNode& sizes = game.kids[0];
    std::vector<std::string> names;
    std::vector<std::string> checked;
    for (const TNode& item : sizes.kids) {
        names.push_back(item.name);
        if (item.checked)
            checked.push_back(item.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"5 x 4", "6 x 5", "7 x 6", "8 x 7", "9 x 8",
                                               "10 x 9", "11 x 10"}));
    EXPECT_EQ(checked, std::vector<std::string>{"5 x 4"});
    names.clear();
    checked.clear();
    for (const TNode& item : game.kids[1].kids) {
        names.push_back(item.name);
        if (item.checked)
            checked.push_back(item.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"1 Spieler", "2 Spieler", "3 Spieler", "4 Spieler"}));
    EXPECT_EQ(checked, std::vector<std::string>{"1 Spieler"});
}

class GtkGadgetReaderTest : public GtkWindowTest {
  protected:
    void SetUp() override {
        if (!AccessibilityBus().Failure().empty())
            GTEST_SKIP() << AccessibilityBus().Failure();
        GtkWindowTest::SetUp();
        if (IsSkipped())
            return;
        static const int reader = atspi_init();
        ASSERT_GE(reader, 0);
    }

    // Named apart from the game's window, which the cases before may have left.
    Ref<TGadget> MakeWindow() override { return CreateWindow(u"Leser", 0, 0, 420, 330, {}, 557); }

    // The window as read, in the program's tree; an empty node before the reader sees it.
    static TNode Window(const TNode& tree) {
        for (const TNode* frame : All(tree, ATSPI_ROLE_FRAME))
            if (frame->name == "Leser")
                return *frame;
        return {};
    }
    static TNode ReadWindowWhen(const std::function<bool(const TNode&)>& wanted) {
        return Window(ReadWhen([&](const TNode& read) { return wanted(Window(read)); }));
    }
    // The one spin button in the window; null for none or more.
    static const TNode* Spin(const TNode& window) {
        const auto spins = All(window, ATSPI_ROLE_SPIN_BUTTON);
        return spins.size() == 1 ? spins[0] : nullptr;
    }
};

TEST_F(GtkGadgetReaderTest, AStepperIsASpinButtonThatTheKeysAndTheReaderMove) {
    const auto before = CreateButton(u"Vorher", 10, 10, 80, 24, window, 0);
    const auto stepper = CreateSlider(100, 10, 20, 40, window, SliderStepper);
    SetSliderRange(stepper, 2, 9);
    SetSliderValue(stepper, 8);
    TNode tree =
        ReadWindowWhen([](const TNode& read) { return Spin(read) && Spin(read)->value == 8; });
    const TNode* spin = Spin(tree);
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->value, 8);
    EXPECT_EQ(spin->minimum, 2);
    EXPECT_EQ(spin->maximum, 9);
    EXPECT_TRUE(spin->focusable);
    EXPECT_TRUE(spin->kids.empty());
    // The arrows are no unnamed buttons beside it: the one push button is the other gadget.
    EXPECT_EQ(Names(All(tree, ATSPI_ROLE_PUSH_BUTTON)), std::vector<std::string>{"Vorher"});

    // Focused (a stepper is no tab stop, as on the other platforms), the keys step it, up to
    // the top of its range and no further.
    FocusGadget(stepper);
    Drain();
    ASSERT_TRUE(
        PumpUntil([&] { return gtk_widget_has_focus(Cast<TGtkSlider>(stepper)->_widget); }, 1000));
    std::vector<int> moves;
    for (const int key : {0x26, 0x26, 0x28, 0x28, 0x28}) {
        TypeKey(key, 0);
        for (const auto& event : DrainAfterInput())
            if (event->id == GadgetAction && event->source == stepper)
                moves.push_back(event->data);
    }
    EXPECT_EQ(moves, (std::vector<int>{9, 8, 7, 6}));
    tree = ReadWindowWhen([](const TNode& read) { return Spin(read) && Spin(read)->value == 6; });
    ASSERT_NE(Spin(tree), nullptr);
    EXPECT_EQ(Spin(tree)->value, 6);
    EXPECT_TRUE(Spin(tree)->focused);

    // The reader sets a value, as the user does through it; beyond the range it is held at the
    // range's end.
    AtspiAccessible* desktop = atspi_get_desktop(0);
    AtspiValue* value = nullptr;
    const auto find = [&](AtspiAccessible* at, const auto& self) -> void {
        if (value)
            return;
        if (atspi_accessible_get_role(at, nullptr) == ATSPI_ROLE_SPIN_BUTTON &&
            atspi_accessible_get_process_id(at, nullptr) == static_cast<guint>(getpid()))
            value = atspi_accessible_get_value_iface(at);
        const int count = atspi_accessible_get_child_count(at, nullptr);
        for (int i = 0; i < count && !value; ++i)
            if (AtspiAccessible* kid = atspi_accessible_get_child_at_index(at, i, nullptr)) {
                self(kid, self);
                g_object_unref(kid);
            }
    };
    find(desktop, find);
    g_object_unref(desktop);
    ASSERT_NE(value, nullptr);
    moves.clear();
    for (const double wanted : {3.0, 40.0}) {
        atspi_value_set_current_value(value, wanted, nullptr);
        for (const auto& event : DrainAfterInput())
            if (event->id == GadgetAction && event->source == stepper)
                moves.push_back(event->data);
    }
    g_object_unref(value);
    EXPECT_EQ(moves, (std::vector<int>{3, 9}));
    EXPECT_EQ(SliderValue(stepper), 9);
}

TEST_F(GtkGadgetReaderTest, AToolbarsIconButtonsAreNamedByTheirTips) {
    // Three icons, each with a dot of its own colour, so that none is blank.
    auto pixmap = TPixmap::Create(48, 16, 6, 4);
    pixmap->ClearPixels(static_cast<int>(0xFFFFFFFFu));
    for (int icon = 0; icon < 3; ++icon)
        pixmap->WritePixel(icon * 16 + 8, 8, static_cast<int>(0xFF000000u + icon));
    const auto toolbar = CreateToolbar(pixmap, 0, 0, 0, 0, window, 0);
    ModifyGadgetItem(toolbar, 0, u"", 0, 0, u"Neu");
    ModifyGadgetItem(toolbar, 2, u"", 0, 2, u"\u00d6ffnen");
    const std::vector<std::string> named = {"Neu", "", ToUtf8(u"\u00d6ffnen")};
    const TNode tree = ReadWindowWhen(
        [&](const TNode& read) { return Names(All(read, ATSPI_ROLE_PUSH_BUTTON)) == named; });
    EXPECT_EQ(Names(All(tree, ATSPI_ROLE_PUSH_BUTTON)), named);
}

} // namespace
} // namespace vandro
