// Tree views and nodes on Win32: insertion places (first, middle, past the end, negative, under
// a leaf), the native root, the refusal of a node under a non-node, real clicks and keys
// raising select, open, close and action events, a drag with the mouse, and tear-down.
#include "control_fixture.h"

#include "gui/GadgetCore.h"
#include "gui/windows/WindowsTreeView.h"
#include "runtime/Exceptions.h"

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

std::vector<String> KidTexts(const Ref<TGadget>& node) {
    std::vector<String> texts;
    for (const Object& kid : node->kids->ToArray())
        texts.push_back(Cast<TGadget>(kid)->GetText());
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

void MouseAt(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) /
                                    GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = static_cast<LONG>((screen.y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) /
                                    GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

TEST_F(TreeTest, InsertionPlacesFollowTheIndex) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto root = TreeViewRoot(tree);
    EXPECT_EQ(Cast<TWindowsTreeNode>(root)->_item, TVI_ROOT);
    EXPECT_EQ(GadgetClass(root), ClassTreeNode);
    EXPECT_EQ(root->GetText(), u"");
    for (const char16_t* text : {u"a", u"b", u"c"})
        AddTreeNode(text, root, -1, {});
    InsertTreeNode(0, u"first", root, -1, {});
    InsertTreeNode(2, u"mid", root, -1, {});
    InsertTreeNode(99, u"end", root, -1, {});
    InsertTreeNode(-5, u"neg", root, -1, {});
    const std::vector<String> expected{u"first", u"a", u"mid", u"b", u"c", u"end", u"neg"};
    EXPECT_EQ(NativeChildren(Hwnd(tree), nullptr), expected);
    EXPECT_EQ(KidTexts(root), expected);
    EXPECT_EQ(CountTreeNodes(root), 7);
    EXPECT_EQ(tree->CountKids(), 7);
    auto leaf = Cast<TGadget>(root->kids->ValueAtIndex(1));
    InsertTreeNode(3, u"only", leaf, -1, {});
    InsertTreeNode(1, u"second", leaf, -1, {});
    EXPECT_EQ(NativeChildren(Hwnd(tree), Cast<TWindowsTreeNode>(leaf)->_item),
              (std::vector<String>{u"only", u"second"}));
    FreeGadget(tree);
}

TEST_F(TreeTest, NodeUnderANonNodeIsRefusedWithTheMessage) {
    auto button = CreateButton(u"b", 0, 0, 50, 20, window, 0);
    try {
        CurrentDriver()->CreateGadget(ClassTreeNode, u"x", 0, 0, 0, 0, button, 0);
        ADD_FAILURE() << "no error";
    } catch (const TRuntimeException& error) {
        EXPECT_EQ(error.error,
                  u"Parent isn't a treeview node. Use TreeViewRoot() when creating a root node.");
    }
    auto tree = CreateTreeView(10, 40, 100, 100, window, 0);
    EXPECT_ANY_THROW(CurrentDriver()->CreateGadget(ClassTreeNode, u"x", 0, 0, 0, 0, tree, 0));
    auto node =
        CurrentDriver()->CreateGadget(ClassTreeNode, u"x", 0, 0, 0, 0, TreeViewRoot(tree), 0);
    EXPECT_EQ(NativeChildren(Hwnd(tree), nullptr), (std::vector<String>{u"x"}));
    FreeGadget(tree);
    FreeGadget(button);
}

TEST_F(TreeTest, ClicksAndKeysRaiseSelectOpenCloseAndAction) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto root = TreeViewRoot(tree);
    auto parentNode = AddTreeNode(u"Eltern", root, -1, Box(String(u"p")));
    AddTreeNode(u"Kind", parentNode, -1, {});
    auto other = AddTreeNode(u"Andere", root, -1, {});
    PumpPending();
    events.Take();
    ClickAt(Hwnd(window), ItemCentre(Hwnd(tree), parentNode));
    PumpFor(50);
    auto got = Taken({GadgetSelect});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->extra, Object(parentNode));
    EXPECT_EQ(got[0]->source, tree);
    EXPECT_EQ(SelectedTreeNode(tree), parentNode);
    TypeKey(VK_RIGHT);
    PumpFor(30);
    got = Taken({GadgetOpen, GadgetClose});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->id, GadgetOpen);
    EXPECT_EQ(got[0]->extra, Object(parentNode));
    TypeKey(VK_LEFT);
    PumpFor(30);
    got = Taken({GadgetOpen, GadgetClose});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->id, GadgetClose);
    TypeKey(VK_RETURN);
    PumpFor(30);
    got = Taken({GadgetAction});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->extra, Object(parentNode));
    SelectTreeNode(other);
    PumpFor(30);
    EXPECT_TRUE(Taken({GadgetSelect}).empty()) << "the program's own choice";
    EXPECT_EQ(SelectedTreeNode(tree), other);
    FreeGadget(tree);
}

TEST_F(TreeTest, DoubleAndRightClicksCarryTheNode) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, 0);
    auto first = AddTreeNode(u"Erster", TreeViewRoot(tree), -1, {});
    auto second = AddTreeNode(u"Zweiter", TreeViewRoot(tree), -1, {});
    PumpPending();
    events.Take();
    DoubleClickAt(Hwnd(window), ItemCentre(Hwnd(tree), first));
    PumpFor(50);
    auto got = Taken({GadgetAction});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->extra, Object(first));
    RightClickAt(Hwnd(window), ItemCentre(Hwnd(tree), second));
    PumpFor(50);
    got = Taken({GadgetMenu});
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->extra, Object(second));
    POINT client = ItemCentre(Hwnd(tree), second);
    ScreenToClient(Hwnd(tree), &client);
    EXPECT_EQ(got[0]->x, client.x);
    EXPECT_EQ(got[0]->y, client.y);
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

TEST_F(TreeTest, DraggingANodeRaisesDragThenDrop) {
    auto tree = CreateTreeView(10, 10, 250, 250, window, TreeViewDragAndDrop);
    EXPECT_EQ(GetWindowLongW(Hwnd(tree), GWL_STYLE) & TVS_DISABLEDRAGDROP, 0);
    auto a = AddTreeNode(u"Ziehen", TreeViewRoot(tree), -1, {});
    AddTreeNode(u"Ablegen", TreeViewRoot(tree), -1, {});
    PumpPending();
    events.Take();
    const POINT start = ItemCentre(Hwnd(tree), a);
    SetForegroundWindow(Hwnd(window));
    MouseAt(start, 0);
    MouseAt(start, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 8; ++step)
        MouseAt(POINT{start.x + step * 3, start.y + step * 6}, 0);
    PumpFor(100);
    MouseAt(POINT{start.x + 24, start.y + 48}, MOUSEEVENTF_LEFTUP);
    PumpFor(100);
    const auto got = Taken({GadgetDrag, GadgetDrop});
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0]->id, GadgetDrag);
    EXPECT_EQ(got[0]->data, 1);
    EXPECT_EQ(got[0]->extra, Object(a));
    EXPECT_EQ(got[1]->id, GadgetDrop);
    EXPECT_EQ(got[1]->extra, Object(a));
    EXPECT_EQ(DragSource(1), nullptr);
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
