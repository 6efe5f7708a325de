// A tree view as its user and its program see it: nodes where the program put them, the
// refusal of a node under anything but a node, and one event per doing of the user with the
// node it concerns.
#include "ItemFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"
#include "gui/GadgetItemFunctions.h"
#include "runtime/Exceptions.h"

namespace vandro {
namespace {

class TreeViewTest : public ItemTest {
  protected:
    void SetUp() override {
        ItemTest::SetUp();
        tree = CreateTreeView(10, 10, 280, 240, window, 0);
        root = TreeViewRoot(tree);
    }

    Ref<TGadget> tree;
    Ref<TGadget> root;
};

TEST_F(TreeViewTest, NodesGoWhereTheirIndexPutsThem) {
    const auto obst = AddTreeNode(u"Obst", root, -1, {});
    InsertTreeNode(0, u"Brot", root, -1, {});
    InsertTreeNode(1, u"Eier", root, -1, {});
    InsertTreeNode(9, u"Zucker", root, -1, {});
    InsertTreeNode(-5, u"Wein", root, -1, {});
    const auto birne = AddTreeNode(u"Birne", obst, -1, {});
    InsertTreeNode(0, u"Apfel", obst, -1, {});
    const auto kern = AddTreeNode(u"Kern", birne, -1, {});
    InsertTreeNode(3, u"Tief", kern, -1, {});
    InsertTreeNode(1, u"Tiefer", kern, -1, {});
    EXPECT_EQ(User().ShownNodes(tree),
              (std::vector<String>{u"Brot", u"Eier", u"Obst", u"Zucker", u"Wein"}));
    ExpandTreeNode(obst);
    ExpandTreeNode(birne);
    EXPECT_EQ(User().ShownNodes(tree),
              (std::vector<String>{u"Brot", u"Eier", u"Obst", u"  Apfel", u"  Birne", u"    Kern",
                                   u"Zucker", u"Wein"}));
    EXPECT_EQ(CountTreeNodes(root), 5);
    EXPECT_EQ(CountTreeNodes(obst), 2);
    ExpandTreeNode(kern);
    EXPECT_EQ(User().ShownNodes(tree)[6], u"      Tief") << "first under a leaf";
    EXPECT_EQ(User().ShownNodes(tree)[7], u"      Tiefer");
    EXPECT_EQ(GadgetText(birne), u"Birne");
    EXPECT_EQ(GadgetText(root), u"");
    ModifyTreeNode(birne, u"Quitte", -1);
    EXPECT_EQ(GadgetText(birne), u"Quitte");
    EXPECT_EQ(User().ShownNodes(tree)[4], u"  Quitte");
    EXPECT_EQ(tree->CountKids(), 5);
    EXPECT_TRUE(TakenFrom(tree).empty()) << "the program's own changes raise nothing";
}

TEST_F(TreeViewTest, ANodeUnderAnythingButANodeIsRefusedWithTheMessage) {
    const auto button = CreateButton(u"Knopf", 10, 260, 80, 24, window, 0);
    for (const Ref<TGadget>& parent : {button, tree}) {
        try {
            CurrentDriver()->CreateGadget(ClassTreeNode, u"x", 0, 0, 0, 0, parent, 0);
            ADD_FAILURE() << "a node was made under class " << GadgetClass(parent);
        } catch (const TRuntimeException& error) {
            EXPECT_EQ(error.error, u"Parent isn't a treeview node. Use TreeViewRoot() when "
                                   u"creating a root node.");
        }
    }
    const auto node = CurrentDriver()->CreateGadget(ClassTreeNode, u"x", 0, 0, 0, 0, root, 0);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(GadgetClass(node), ClassTreeNode);
    EXPECT_EQ(User().ShownNodes(tree), (std::vector<String>{u"x"}));
}

TEST_F(TreeViewTest, ChoosingANodeRaisesOneSelectWithIt) {
    const auto first = AddTreeNode(u"Erster", root, -1, {});
    const auto second = AddTreeNode(u"Zweiter", root, -1, {});
    Drain();
    ASSERT_EQ(User().ChooseNode(second), 1);
    auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->extra, Object(second));
    EXPECT_EQ(SelectedTreeNode(tree), second);
    ASSERT_EQ(User().ChooseNode(second), 1);
    EXPECT_TRUE(TakenFrom(tree).empty()) << "choosing the chosen node again changes nothing";
}

TEST_F(TreeViewTest, TheProgramsOwnChoiceRaisesNothing) {
    const auto first = AddTreeNode(u"Erster", root, -1, {});
    const auto second = AddTreeNode(u"Zweiter", root, -1, {});
    const auto inner = AddTreeNode(u"Innen", second, -1, {});
    SelectTreeNode(first);
    EXPECT_TRUE(TakenFrom(tree).empty());
    EXPECT_EQ(SelectedTreeNode(tree), first);
    SelectTreeNode(inner);
    EXPECT_TRUE(TakenFrom(tree).empty()) << "nor the opening that shows the node";
    EXPECT_EQ(SelectedTreeNode(tree), inner);
    EXPECT_EQ(User().ShownNodes(tree), (std::vector<String>{u"Erster", u"Zweiter", u"  Innen"}));
    ASSERT_EQ(User().ChooseNode(first), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->extra, Object(first));
}

TEST_F(TreeViewTest, EnterRaisesActionWithTheChosenNodeAndSpaceNothing) {
    AddTreeNode(u"Erster", root, -1, {});
    const auto second = AddTreeNode(u"Zweiter", root, -1, {});
    ASSERT_EQ(User().ChooseNode(second), 1);
    TakenFrom(tree);
    FocusGadget(tree);
    ASSERT_EQ(User().PressKeyIn(tree, 32), 1);
    EXPECT_TRUE(TakenFrom(tree).empty());
    ASSERT_EQ(User().PressKeyIn(tree, 13), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->extra, Object(second));
    EXPECT_EQ(SelectedTreeNode(tree), second);
}

TEST_F(TreeViewTest, EnterWithoutAChoiceRaisesActionWithNone) {
    AddTreeNode(u"Erster", root, -1, {});
    FocusGadget(tree);
    ASSERT_EQ(User().PressKeyIn(tree, 13), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->extra, nullptr);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
}

TEST_F(TreeViewTest, ALeafNeitherOpensNorIsChosenThroughTheRoot) {
    const auto leaf = AddTreeNode(u"Blatt", root, -1, {});
    EXPECT_EQ(User().ToggleNode(leaf), 0) << "a leaf has no button";
    ExpandTreeNode(leaf);
    SelectTreeNode(root);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
    EXPECT_EQ(User().ShownNodes(tree), std::vector<String>{u"Blatt"});
    EXPECT_TRUE(TakenFrom(tree).empty());
    ASSERT_EQ(User().ChooseNode(leaf), 1);
    EXPECT_EQ(Ids(TakenFrom(tree)), std::vector<int>{GadgetSelect});
}

TEST_F(TreeViewTest, ClosingTheBranchOfTheChoiceChoosesItsNode) {
    const auto parentNode = AddTreeNode(u"Eltern", root, -1, {});
    const auto kid = AddTreeNode(u"Kind", parentNode, -1, {});
    const auto other = AddTreeNode(u"Andere", root, -1, {});
    SelectTreeNode(kid);
    CollapseTreeNode(parentNode);
    EXPECT_EQ(SelectedTreeNode(tree), parentNode) << "the program's closing";
    EXPECT_TRUE(TakenFrom(tree).empty());
    ASSERT_EQ(User().ChooseNode(parentNode), 1);
    EXPECT_TRUE(TakenFrom(tree).empty()) << "the node is the choice already";
    SelectTreeNode(kid);
    ASSERT_EQ(User().ToggleNode(parentNode), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetSelect, GadgetClose}));
    EXPECT_EQ(events[0]->extra, Object(parentNode));
    EXPECT_EQ(events[1]->extra, Object(parentNode));
    EXPECT_EQ(SelectedTreeNode(tree), parentNode) << "the user's closing";
    ASSERT_EQ(User().ChooseNode(other), 1);
    EXPECT_EQ(Ids(TakenFrom(tree)), std::vector<int>{GadgetSelect});
}

TEST_F(TreeViewTest, TakingTheFocusChoosesNothing) {
    AddTreeNode(u"Erster", root, -1, {});
    AddTreeNode(u"Zweiter", root, -1, {});
    FocusGadget(tree);
    ASSERT_EQ(User().PressKeyIn(tree, 16), 1) << "the tree has the focus (Shift)";
    EXPECT_TRUE(TakenFrom(tree).empty());
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
}

TEST_F(TreeViewTest, OpeningAndClosingANodeRaisesOpenAndCloseWithIt) {
    const auto parentNode = AddTreeNode(u"Eltern", root, -1, {});
    const auto kid = AddTreeNode(u"Kind", parentNode, -1, {});
    AddTreeNode(u"Nachbar", root, -1, {});
    EXPECT_EQ(User().ChooseNode(kid), 0) << "a node inside a closed one is out of reach";
    ASSERT_EQ(User().ToggleNode(parentNode), 1);
    auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetOpen});
    EXPECT_EQ(events[0]->extra, Object(parentNode));
    EXPECT_EQ(User().ShownNodes(tree), (std::vector<String>{u"Eltern", u"  Kind", u"Nachbar"}));
    ASSERT_EQ(User().ToggleNode(parentNode), 1);
    events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetClose});
    EXPECT_EQ(events[0]->extra, Object(parentNode));
    EXPECT_EQ(User().ShownNodes(tree), (std::vector<String>{u"Eltern", u"Nachbar"}));
    ExpandTreeNode(parentNode);
    EXPECT_TRUE(TakenFrom(tree).empty()) << "the program's own opening raises nothing";
    EXPECT_EQ(User().ShownNodes(tree).size(), 3u);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr) << "opening and closing choose nothing";
}

TEST_F(TreeViewTest, ADoubleClickChoosesTheNodeThenRaisesActionWithIt) {
    AddTreeNode(u"Erster", root, -1, {});
    const auto second = AddTreeNode(u"Zweiter", root, -1, {});
    Drain();
    ASSERT_EQ(User().DoubleClickNode(second), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetSelect, GadgetAction}));
    EXPECT_EQ(events[0]->extra, Object(second));
    EXPECT_EQ(events[1]->extra, Object(second));
}

TEST_F(TreeViewTest, ARightClickRaisesMenuWithTheNodeAndLeavesTheChoice) {
    const auto first = AddTreeNode(u"Erster", root, -1, {});
    const auto second = AddTreeNode(u"Zweiter", root, -1, {});
    SelectTreeNode(first);
    Drain();
    ASSERT_EQ(User().RightClickNode(second), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetMenu});
    EXPECT_EQ(events[0]->extra, Object(second));
    EXPECT_GE(events[0]->x, 0);
    EXPECT_LT(events[0]->x, 280);
    EXPECT_GE(events[0]->y, 0);
    EXPECT_LT(events[0]->y, 240);
    EXPECT_EQ(SelectedTreeNode(tree), first);
}

TEST_F(TreeViewTest, ARightClickInATreeWithoutAChoiceChoosesNothing) {
    AddTreeNode(u"Erster", root, -1, {});
    const auto second = AddTreeNode(u"Zweiter", root, -1, {});
    ASSERT_EQ(User().RightClickNode(second), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetMenu});
    EXPECT_EQ(events[0]->extra, Object(second));
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
}

TEST_F(TreeViewTest, ANodeInsideAnOpenedOneIsChosenWithItself) {
    const auto parentNode = AddTreeNode(u"Eltern", root, -1, {});
    AddTreeNode(u"Kind", parentNode, -1, {});
    const auto second = AddTreeNode(u"Zweites", parentNode, -1, {});
    ExpandTreeNode(parentNode);
    ASSERT_EQ(User().ChooseNode(second), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->extra, Object(second));
    EXPECT_EQ(SelectedTreeNode(tree), second);
}

TEST_F(TreeViewTest, NodesAddedAndChangedAroundTheChoiceKeepIt) {
    const auto a = AddTreeNode(u"a", root, -1, {});
    SelectTreeNode(a);
    const auto before = InsertTreeNode(0, u"vor", root, -1, {});
    AddTreeNode(u"a1", a, -1, {});
    ExpandTreeNode(a);
    ModifyTreeNode(a, u"A", -1);
    EXPECT_EQ(SelectedTreeNode(tree), a);
    EXPECT_EQ(User().ShownNodes(tree), (std::vector<String>{u"vor", u"A", u"  a1"}));
    EXPECT_TRUE(TakenFrom(tree).empty());
    ASSERT_EQ(User().ChooseNode(before), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->extra, Object(before));
}

TEST_F(TreeViewTest, ADoubleClickOnTheChosenNodeRaisesOnlyAction) {
    const auto node = AddTreeNode(u"Knoten", root, -1, {});
    SelectTreeNode(node);
    ASSERT_EQ(User().DoubleClickNode(node), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->extra, Object(node));
}

TEST_F(TreeViewTest, AfterTheChosenNodeIsFreedChoosingAnotherRaisesSelect) {
    const auto a = AddTreeNode(u"a", root, -1, {});
    const auto b = AddTreeNode(u"b", root, -1, {});
    ASSERT_EQ(User().ChooseNode(a), 1);
    TakenFrom(tree);
    FreeTreeNode(a);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
    EXPECT_TRUE(TakenFrom(tree).empty());
    ASSERT_EQ(User().ChooseNode(b), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->extra, Object(b));
    EXPECT_EQ(SelectedTreeNode(tree), b);
}

TEST_F(TreeViewTest, ANodeDraggedOntoAnotherGadgetIsDroppedThereAndNotChosen) {
    FreeGadget(tree);
    tree = CreateTreeView(10, 10, 140, 240, window, TreeViewDragAndDrop);
    AddTreeNode(u"Eins", TreeViewRoot(tree), -1, {});
    const auto two = AddTreeNode(u"Zwei", TreeViewRoot(tree), -1, {});
    const auto target = CreateListBox(170, 10, 120, 150, window, 0);
    Drain();
    ASSERT_EQ(User().DragNode(two, target), 1);
    std::vector<Ref<TEvent>> events;
    while (PollEvent() != 0)
        if (CurrentEvent()->source == Object(tree) || CurrentEvent()->source == Object(target))
            events.push_back(CurrentEvent());
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetDrag, GadgetDrop}));
    EXPECT_EQ(events[0]->source, Object(tree));
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(events[0]->extra, Object(two));
    EXPECT_EQ(events[1]->source, Object(target));
    EXPECT_EQ(events[1]->data, 1);
    EXPECT_EQ(events[1]->extra, Object(two));
    EXPECT_GE(events[1]->x, 0);
    EXPECT_LT(events[1]->x, 120);
    EXPECT_GE(events[1]->y, 0);
    EXPECT_LT(events[1]->y, 150);
    EXPECT_EQ(DragSource(1), nullptr);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
}

TEST_F(TreeViewTest, WithoutDraggingAllowedANodeIsNotDragged) {
    const auto node = AddTreeNode(u"Eins", root, -1, {});
    const auto target = CreateListBox(170, 10, 120, 150, window, 0);
    Drain();
    EXPECT_EQ(User().DragNode(node, target), 0);
    while (PollEvent() != 0) {
        EXPECT_NE(CurrentEvent()->id, GadgetDrag);
        EXPECT_NE(CurrentEvent()->source, Object(target));
    }
    EXPECT_EQ(DragSource(1), nullptr);
}

TEST_F(TreeViewTest, AfterTheTreeIsClearedANewNodeIsChosenWithSelect) {
    const auto a = AddTreeNode(u"a", root, -1, {});
    ASSERT_EQ(User().ChooseNode(a), 1);
    TakenFrom(tree);
    ClearTreeView(tree);
    const auto fresh = AddTreeNode(u"neu", root, -1, {});
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
    EXPECT_TRUE(TakenFrom(tree).empty());
    ASSERT_EQ(User().ChooseNode(fresh), 1);
    const auto events = TakenFrom(tree);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetSelect});
    EXPECT_EQ(events[0]->extra, Object(fresh));
}

TEST_F(TreeViewTest, FreeingNodesTakesTheirRowsAndForgetsTheChoice) {
    const auto a = AddTreeNode(u"a", root, -1, {});
    AddTreeNode(u"a1", a, -1, {});
    const auto b = AddTreeNode(u"b", root, -1, {});
    ExpandTreeNode(a);
    SelectTreeNode(a);
    Drain();
    FreeTreeNode(a);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
    EXPECT_EQ(User().ShownNodes(tree), (std::vector<String>{u"b"}));
    EXPECT_EQ(CountTreeNodes(root), 1);
    EXPECT_EQ(GadgetText(a), u"");
    AddTreeNode(u"c", root, -1, {});
    ClearTreeView(tree);
    EXPECT_TRUE(User().ShownNodes(tree).empty());
    EXPECT_EQ(CountTreeNodes(root), 0);
    EXPECT_EQ(GadgetText(b), u"");
    EXPECT_TRUE(TakenFrom(tree).empty());
}

TEST_F(TreeViewTest, AHiddenOrDisabledTreeCannotBeUsed) {
    const auto node = AddTreeNode(u"Knoten", root, -1, {});
    DisableGadget(tree);
    EXPECT_EQ(User().ChooseNode(node), 0);
    EnableGadget(tree);
    HideGadget(tree);
    EXPECT_EQ(User().ChooseNode(node), 0);
    ShowGadget(tree);
    EXPECT_EQ(User().ChooseNode(node), 1);
    EXPECT_EQ(SelectedTreeNode(tree), node);
}

} // namespace
} // namespace vandro
