// The tree node every platform shares, against a native half that writes down what it is asked:
// where a new item goes, which items go and are forgotten when a branch is freed, and what the
// root and a node without an item leave alone.
#include "DriverFixture.h"

#include "gui/GadgetFunctions.h"
#include "gui/kinds/PlatformTreeNode.h"
#include "runtime/Exceptions.h"

namespace vandro {
namespace {

// What the native half was asked to do, in order.
std::vector<String> nodeCalls;

class TTracedView;

class TTracedNode : public TPlatformTreeNode<TTracedNode, TTracedView> {
  protected:
    bool InsertNativeItem(TTracedView&, TTracedNode& above, int position) override {
        nodeCalls.push_back(u"insert " + name + u" under " + above.name + u" at " +
                            IntText(position));
        return name != u"refused";
    }
    void RemoveNativeItem(TTracedView&) override { nodeCalls.push_back(u"remove " + name); }
    void ForgetNativeItem() override { nodeCalls.push_back(u"forget " + name); }
    void ShowNativeItem(TTracedView&) override {
        nodeCalls.push_back(u"show " + name + u" " + IntText(_icon));
    }
    String NativeText(TTracedView&) override { return u"shown " + name; }
    int ActivateNativeItem(TTracedView&, int command) override {
        nodeCalls.push_back(u"activate " + IntText(command) + u" " + name);
        return 5;
    }
};

class TTracedView : public TGadget {
  public:
    Ref<TTracedNode> _selected;
};

class TreeNodeTest : public DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        view = New<TTracedView>();
        root = New<TTracedNode>();
        root->name = u"root";
        root->CreateRoot(view);
    }
    void TearDown() override {
        root->Free();
        root = nullptr;
        view = nullptr;
        nodeCalls.clear();
        DriverTest::TearDown();
    }

    Ref<TTracedNode> Add(const String& text, const Ref<TGadget>& above, int index = -1) {
        return Cast<TTracedNode>(above->InsertNode(index, text, -1));
    }

    Ref<TTracedView> view;
    Ref<TTracedNode> root;
};

TEST_F(TreeNodeTest, ANewItemGoesAtItsIndexAndPastTheEndOrBelowZeroLast) {
    Add(u"b", root);
    Add(u"a", root, 0);
    Add(u"d", root, 7);
    Add(u"c", root, 2);
    Add(u"e", root, -3);
    EXPECT_EQ(nodeCalls,
              (std::vector<String>{u"insert b under root at 0", u"insert a under root at 0",
                                   u"insert d under root at 2", u"insert c under root at 2",
                                   u"insert e under root at 4"}));
    String order;
    for (const Object& kid : *root->kids)
        order += Cast<TGadget>(kid)->name;
    EXPECT_EQ(order, u"abcde");
    EXPECT_EQ(root->CountKids(), 5);
    EXPECT_EQ(GadgetClass(Cast<TGadget>(root->kids->ValueAtIndex(0))), ClassTreeNode);
}

TEST_F(TreeNodeTest, OnlyANodeHoldsANode) {
    EXPECT_THROW(New<TTracedNode>()->Create(view, 0, u"x", -1, -1), TRuntimeException);
    EXPECT_THROW(New<TTracedNode>()->Create(nullptr, 0, u"x", -1, -1), TRuntimeException);
    EXPECT_TRUE(nodeCalls.empty());
}

TEST_F(TreeNodeTest, FreeingABranchRemovesItsTopItemForgetsEveryItemAndTheChoiceInIt) {
    const auto fruit = Add(u"fruit", root);
    const auto apple = Add(u"apple", fruit);
    const auto bread = Add(u"bread", root);
    apple->Activate(ActivateSelectNode);
    EXPECT_EQ(view->_selected, apple);
    nodeCalls.clear();

    fruit->Free();
    EXPECT_EQ(nodeCalls, (std::vector<String>{u"remove fruit", u"forget apple", u"forget fruit"}));
    EXPECT_EQ(view->_selected, nullptr);
    EXPECT_EQ(root->CountKids(), 1);

    // A node cut off asks the native half for nothing more.
    nodeCalls.clear();
    EXPECT_EQ(apple->InsertNode(-1, u"core", -1), nullptr);
    apple->ModifyNode(u"pear", 2);
    EXPECT_EQ(apple->GetText(), u"");
    EXPECT_EQ(apple->Activate(ActivateSelectNode), 0);
    apple->Activate(ActivateExpand);
    EXPECT_TRUE(nodeCalls.empty());
    EXPECT_EQ(apple->name, u"pear");

    // Freeing a node outside the choice keeps it.
    bread->Activate(ActivateSelectNode);
    Add(u"other", root)->Free();
    EXPECT_EQ(view->_selected, bread);
}

TEST_F(TreeNodeTest, TheRootIsOnlyRedrawnAndANodeWithoutAnItemTakesNoChildren) {
    root->Activate(ActivateSelectNode);
    root->Activate(ActivateExpand);
    root->Activate(ActivateRedraw);
    root->SetText(u"new");
    EXPECT_EQ(nodeCalls, (std::vector<String>{u"activate 13 root"}));
    EXPECT_EQ(root->GetText(), u"");
    EXPECT_EQ(view->_selected, nullptr);

    nodeCalls.clear();
    const auto refused = Add(u"refused", root);
    EXPECT_EQ(refused->CountKids(), 0);
    EXPECT_EQ(refused->InsertNode(-1, u"x", -1), nullptr);
    EXPECT_EQ(refused->GetText(), u"");
    EXPECT_EQ(nodeCalls, (std::vector<String>{u"insert refused under new at 0"}));
}

TEST_F(TreeNodeTest, ExpandingKeepsTheNodeOpenOnlyWithChildrenAndSelectingAnswersTheNatives) {
    const auto leaf = Add(u"leaf", root);
    const auto branch = Add(u"branch", root);
    Add(u"twig", branch);
    leaf->Activate(ActivateExpand);
    branch->Activate(ActivateExpand);
    EXPECT_EQ(leaf->_expanded, 0);
    EXPECT_EQ(branch->_expanded, 1);
    branch->Activate(ActivateCollapse);
    EXPECT_EQ(branch->_expanded, 0);
    EXPECT_EQ(branch->Activate(ActivateSelectNode), 5);
    EXPECT_EQ(view->_selected, branch);
    EXPECT_EQ(branch->Activate(ActivateExpand), 0);
    EXPECT_EQ(branch->Activate(ActivateRedraw), 0);
    EXPECT_EQ(branch->Activate(6), 0);
    EXPECT_EQ(nodeCalls,
              (std::vector<String>{u"insert leaf under root at 0", u"insert branch under root at 1",
                                   u"insert twig under branch at 0", u"activate 8 leaf",
                                   u"activate 8 branch", u"activate 9 branch", u"activate 7 branch",
                                   u"activate 8 branch", u"activate 13 branch"}));

    nodeCalls.clear();
    branch->ModifyNode(u"bough", 4);
    EXPECT_EQ(branch->GetText(), u"shown bough");
    EXPECT_EQ(nodeCalls, (std::vector<String>{u"show bough 4"}));
}

} // namespace
} // namespace vandro
