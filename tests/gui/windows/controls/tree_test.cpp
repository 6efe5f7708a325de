// Tree views and nodes on Win32: the native root, the arrow keys opening and closing a node,
// the native state and image of the program's changes, the handles the items carry, and
// tear-down.
#include "control_fixture.h"

#include "gui/windows/WindowsTreeView.h"

namespace vandro {
namespace {

using TreeTest = WindowsControlTest;

std::vector<String> NativeChildren(HWND tree, HTREEITEM parent) {
    std::vector<String> texts;
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(
        tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    while (item) {
        wchar_t text[64] = {};
        TVITEMW data{};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = 64;
        SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        texts.push_back(FromWide(text));
        item = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
    }
    return texts;
}

POINT ItemCentre(HWND tree, const Ref<TGadget>& node) {
    RECT rect{};
    *reinterpret_cast<HTREEITEM*>(&rect) = Cast<TWindowsTreeNode>(node)->_item;
    SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(tree, &point);
    return point;
}

TEST_F(TreeTest, TheRootNodeStandsForTheNativeRoot) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto root = TreeViewRoot(tree);
    EXPECT_EQ(Cast<TWindowsTreeNode>(root)->_item, TVI_ROOT);
    for (const char16_t* text : {u"a", u"b"})
        AddTreeNode(text, root, -1, {});
    InsertTreeNode(1, u"mid", root, -1, {});
    EXPECT_EQ(NativeChildren(Hwnd(tree), nullptr), (std::vector<String>{u"a", u"mid", u"b"}));
    EXPECT_EQ(tree->CountKids(), 3);
    FreeGadget(tree);
}

TEST_F(TreeTest, ArrowKeysOpenAndCloseTheChosenNode) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto root = TreeViewRoot(tree);
    auto parentNode = AddTreeNode(u"Eltern", root, -1, Box(String(u"p")));
    AddTreeNode(u"Kind", parentNode, -1, {});
    AddTreeNode(u"Andere", root, -1, {});
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), ItemCentre(Hwnd(tree), parentNode));
    PumpFor(50);
    ASSERT_EQ(SelectedTreeNode(tree), parentNode);
    TypeKey(VK_RIGHT);
    PumpFor(30);
    auto got = Taken({GadgetOpen, GadgetClose});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->id, GadgetOpen);
    EXPECT_EQ(got[0]->extra, Object(parentNode));
    TypeKey(VK_LEFT);
    PumpFor(30);
    got = Taken({GadgetOpen, GadgetClose});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->id, GadgetClose);
    EXPECT_EQ(got[0]->extra, Object(parentNode));
    FreeGadget(tree);
}

TEST_F(TreeTest, ProgramExpandAndModify) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto node = AddTreeNode(u"Alt", TreeViewRoot(tree), -1, {});
    auto kid = AddTreeNode(u"Kind", node, -1, {});
    ExpandTreeNode(node);
    EXPECT_EQ(Cast<TWindowsTreeNode>(node)->_expanded, 1);
    const auto state =
        SendMessageW(Hwnd(tree), TVM_GETITEMSTATE,
                     reinterpret_cast<WPARAM>(Cast<TWindowsTreeNode>(node)->_item), TVIS_EXPANDED);
    EXPECT_NE(state & TVIS_EXPANDED, 0);
    CollapseTreeNode(node);
    EXPECT_EQ(Cast<TWindowsTreeNode>(node)->_expanded, 0);
    ModifyTreeNode(node, u"Neu", 2);
    EXPECT_EQ(GadgetText(node), u"Neu");
    TVITEMW item{};
    item.mask = TVIF_IMAGE;
    item.hItem = Cast<TWindowsTreeNode>(node)->_item;
    SendMessageW(Hwnd(tree), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 2);
    PumpPending();
    EXPECT_TRUE(Taken({GadgetOpen, GadgetClose, GadgetSelect}).empty());
    FreeGadget(tree);
}

TEST_F(TreeTest, FreeingNodesRemovesItemsAndHandles) {
    const long handles = TWindowsTreeNode::LiveHandles();
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto root = TreeViewRoot(tree);
    auto a = AddTreeNode(u"a", root, -1, {});
    AddTreeNode(u"a1", a, -1, {});
    AddTreeNode(u"b", root, -1, {});
    EXPECT_EQ(TWindowsTreeNode::LiveHandles(), handles + 3);
    SelectTreeNode(a);
    FreeTreeNode(a);
    EXPECT_EQ(NativeChildren(Hwnd(tree), nullptr), (std::vector<String>{u"b"}));
    EXPECT_EQ(TWindowsTreeNode::LiveHandles(), handles + 1);
    EXPECT_EQ(SelectedTreeNode(tree), nullptr);
    EXPECT_EQ(GadgetText(a), u"");
    ClearTreeView(tree);
    EXPECT_EQ(SendMessageW(Hwnd(tree), TVM_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(TWindowsTreeNode::LiveHandles(), handles);
    AddTreeNode(u"c", root, -1, {});
    tree->Free();
    EXPECT_EQ(TWindowsTreeNode::LiveHandles(), handles) << "a view freed alone lets go too";
    FreeGadget(tree);
}

TEST_F(TreeTest, HundredCyclesLeaveNothing) {
    const long handles = TWindowsTreeNode::LiveHandles();
    std::vector<HWND> windows;
    for (int i = 0; i < 100; ++i) {
        auto tree = CreateTreeView(0, 0, 100, 100, window, i % 2);
        auto node = AddTreeNode(u"n", TreeViewRoot(tree), -1, {});
        AddTreeNode(u"m", node, 0, {});
        SelectTreeNode(node);
        windows.push_back(Hwnd(tree));
        FreeGadget(tree);
    }
    ExpectDestroyed(windows);
    EXPECT_EQ(TWindowsTreeNode::LiveHandles(), handles);
}

} // namespace
} // namespace vandro
