#include "WindowsTreeNode.h"

#include "WindowsTreeView.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/PlatformDriver.h"

#include <cstring>
#include <map>
#include <utility>

namespace vandro {

namespace {

// Handle -> node: what the native items carry, each holding its node until released.
std::map<LPARAM, Ref<TWindowsTreeNode>>& Handles() {
    static std::map<LPARAM, Ref<TWindowsTreeNode>> handles;
    return handles;
}

LPARAM NewHandle(const Ref<TWindowsTreeNode>& node) {
    static LPARAM last = 0;
    Handles()[++last] = node;
    return last;
}

// Item changes raise no events: the tree is desensitised around them.
class Quiet {
  public:
    explicit Quiet(TWindowsTreeView* tree) : tree_(tree) {
        if (tree_)
            tree_->DeSensitize();
    }
    ~Quiet() {
        if (tree_)
            tree_->Sensitize();
    }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    TWindowsTreeView* tree_;
};

} // namespace

Ref<TWindowsTreeNode> TWindowsTreeNode::FromHandle(LPARAM handle) {
    const auto found = Handles().find(handle);
    return found == Handles().end() ? nullptr : found->second;
}

long TWindowsTreeNode::LiveHandles() { return static_cast<long>(Handles().size()); }

TWindowsTreeView* TWindowsTreeNode::Tree() const {
    const TGadget* node = this;
    while (node->parent && dynamic_cast<TWindowsTreeNode*>(node->parent))
        node = node->parent;
    return dynamic_cast<TWindowsTreeView*>(node->parent);
}

Ref<TGadget> TWindowsTreeNode::Create(const Ref<TGadget>& group, int style, const String& text,
                                      int index, int icon) {
    const Ref<TWindowsTreeNode> parentNode = Cast<TWindowsTreeNode>(group);
    if (!parentNode)
        RefuseTreeNodeParent();
    this->style = style;
    name = text;
    _parent = parentNode.get();
    _tree = parentNode->_tree;
    _icon = icon;
    const std::wstring wide = Wide(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parentNode->_item;
    insert.hInsertAfter = parentNode->tviatindex(index);
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(wide.c_str());
    insert.item.iImage = insert.item.iSelectedImage = icon < 0 ? I_IMAGENONE : icon;
    _handle = NewHandle(Ref<TWindowsTreeNode>(this));
    insert.item.lParam = _handle;
    {
        Quiet quiet(parentNode->Tree());
        _item = reinterpret_cast<HTREEITEM>(
            SendMessageW(_tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    _setparent(group, index);
    return Ref<TGadget>(this);
}

Ref<TGadget> TWindowsTreeNode::CreateRoot(const Ref<TGadget>& tree) {
    _item = HandleFrom<HTREEITEM>(kTreeRootItem);
    _tree = HandleFrom<HWND>(tree->Query(1));
    _expanded = 1;
    _setparent(tree, -1);
    return Ref<TGadget>(this);
}

HTREEITEM TWindowsTreeNode::tviatindex(int index) {
    const int count = kids->Count();
    if (index == 0 || count == 0)
        return TVI_FIRST;
    if (index < 0 || index >= count)
        return TVI_LAST;
    return Cast<TWindowsTreeNode>(kids->ValueAtIndex(index - 1))->_item;
}

int TWindowsTreeNode::DeSelect() {
    TWindowsTreeView* tree = Tree();
    if (tree && tree->_selected && HasDescendant(tree->_selected))
        tree->_selected = nullptr;
    return 0;
}

void TWindowsTreeNode::ReleaseHandles() {
    for (const Object& kid : kids->ToArray())
        if (auto node = Cast<TWindowsTreeNode>(kid))
            node->ReleaseHandles();
    if (_handle)
        Handles().erase(std::exchange(_handle, 0));
    if (!IsRoot())
        _item = nullptr;
}

int TWindowsTreeNode::Free() {
    const Ref<TWindowsTreeNode> self(this);
    DeSelect();
    if (_item && !IsRoot()) {
        Quiet quiet(Tree());
        SendMessageW(_tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(_item));
    }
    ReleaseHandles();
    _tree = nullptr;
    _parent = nullptr;
    _setparent(nullptr, -1);
    return 0;
}

int TWindowsTreeNode::Activate(int command) {
    if (!_item || !_tree)
        return 0;
    switch (command) {
    case ActivateSelectNode: {
        if (IsRoot())
            return 0;
        TWindowsTreeView* tree = Tree();
        Quiet quiet(tree);
        SendMessageW(_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(_item));
        if (tree)
            tree->_selected = Ref<TWindowsTreeNode>(this);
        return 0;
    }
    case ActivateExpand:
    case ActivateCollapse: {
        if (IsRoot())
            return 0;
        Quiet quiet(Tree());
        const bool open = command == ActivateExpand;
        SendMessageW(_tree, TVM_EXPAND, open ? TVE_EXPAND : TVE_COLLAPSE,
                     reinterpret_cast<LPARAM>(_item));
        _expanded = open && kids->Count() > 0 ? 1 : 0;
        return 0;
    }
    case ActivateRedraw:
        return RedrawNode();
    default:
        return 0;
    }
}

int TWindowsTreeNode::RedrawNode() {
    // The message takes the item in the rectangle it answers in.
    RECT rect{};
    std::memcpy(&rect, &_item, sizeof _item);
    if (IsRoot() || !SendMessageW(_tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect)))
        InvalidateRect(_tree, nullptr, TRUE);
    else
        InvalidateRect(_tree, &rect, TRUE);
    return 0;
}

void TWindowsTreeNode::SendItem(TVITEMW& item) {
    item.hItem = _item;
    Quiet quiet(Tree());
    SendMessageW(_tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int TWindowsTreeNode::SetText(const String& text) {
    name = text;
    if (!_item || IsRoot())
        return 0;
    const std::wstring wide = Wide(text);
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(wide.c_str());
    SendItem(item);
    return 0;
}

String TWindowsTreeNode::GetText() {
    if (!_item || IsRoot())
        return {};
    wchar_t text[1024] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = _item;
    item.pszText = text;
    item.cchTextMax = 1024;
    SendMessageW(_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return FromWide(text);
}

int TWindowsTreeNode::Class() { return ClassTreeNode; }

Ref<TGadget> TWindowsTreeNode::InsertNode(int index, const String& text, int icon) {
    if (!_tree)
        return {};
    return New<TWindowsTreeNode>()->Create(Ref<TGadget>(this), 0, text, index, icon);
}

int TWindowsTreeNode::ModifyNode(const String& text, int icon) {
    _icon = icon;
    SetText(text);
    if (!_item || IsRoot())
        return 0;
    TVITEMW item{};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.iImage = item.iSelectedImage = icon < 0 ? I_IMAGENONE : icon;
    SendItem(item);
    return 0;
}

int TWindowsTreeNode::CountKids() { return kids->Count(); }

} // namespace vandro
