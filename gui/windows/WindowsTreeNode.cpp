#include "WindowsTreeNode.h"

#include "WindowsTreeView.h"

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
    explicit Quiet(TWindowsTreeView& tree) : tree_(tree) { tree_.DeSensitize(); }
    ~Quiet() { tree_.Sensitize(); }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    TWindowsTreeView& tree_;
};

int ImageOf(int icon) { return icon < 0 ? I_IMAGENONE : icon; }

} // namespace

Ref<TWindowsTreeNode> TWindowsTreeNode::FromHandle(LPARAM handle) {
    const auto found = Handles().find(handle);
    return found == Handles().end() ? nullptr : found->second;
}

long TWindowsTreeNode::LiveHandles() { return static_cast<long>(Handles().size()); }

Ref<TGadget> TWindowsTreeNode::CreateRoot(const Ref<TGadget>& tree) {
    _item = TVI_ROOT;
    return TPlatformTreeNode::CreateRoot(tree);
}

bool TWindowsTreeNode::InsertNativeItem(TWindowsTreeView& tree, TWindowsTreeNode& above,
                                        int position) {
    const std::wstring wide = Wide(name);
    TVINSERTSTRUCTW insert{};
    insert.hParent = above._item;
    if (position == 0)
        insert.hInsertAfter = TVI_FIRST;
    else if (position == above.kids->Count())
        insert.hInsertAfter = TVI_LAST;
    else
        insert.hInsertAfter = Cast<TWindowsTreeNode>(above.kids->ValueAtIndex(position - 1))->_item;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(wide.c_str());
    insert.item.iImage = insert.item.iSelectedImage = ImageOf(_icon);
    _handle = NewHandle(Ref<TWindowsTreeNode>(this));
    insert.item.lParam = _handle;
    Quiet quiet(tree);
    _item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree._hwnd, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    return _item != nullptr;
}

void TWindowsTreeNode::RemoveNativeItem(TWindowsTreeView& tree) {
    Quiet quiet(tree);
    SendMessageW(tree._hwnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(_item));
    // The control chooses a neighbour of a chosen item that goes; the program chose none.
    if (!tree._selected)
        SendMessageW(tree._hwnd, TVM_SELECTITEM, TVGN_CARET, 0);
}

void TWindowsTreeNode::ForgetNativeItem() {
    if (_handle)
        Handles().erase(std::exchange(_handle, 0));
    if (!IsRoot())
        _item = nullptr;
}

void TWindowsTreeNode::ShowNativeItem(TWindowsTreeView& tree) {
    const std::wstring wide = Wide(name);
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = _item;
    item.pszText = const_cast<wchar_t*>(wide.c_str());
    item.iImage = item.iSelectedImage = ImageOf(_icon);
    Quiet quiet(tree);
    SendMessageW(tree._hwnd, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

String TWindowsTreeNode::NativeText(TWindowsTreeView& tree) {
    wchar_t text[1024] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = _item;
    item.pszText = text;
    item.cchTextMax = 1024;
    SendMessageW(tree._hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return FromWide(text);
}

int TWindowsTreeNode::ActivateNativeItem(TWindowsTreeView& tree, int command) {
    if (command == ActivateRedraw) {
        Redraw(tree._hwnd);
        return 0;
    }
    Quiet quiet(tree);
    if (command == ActivateSelectNode)
        SendMessageW(tree._hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(_item));
    else
        SendMessageW(tree._hwnd, TVM_EXPAND, command == ActivateExpand ? TVE_EXPAND : TVE_COLLAPSE,
                     reinterpret_cast<LPARAM>(_item));
    return 0;
}

void TWindowsTreeNode::Redraw(HWND tree) {
    // The message takes the item in the rectangle it answers in.
    RECT rect{};
    std::memcpy(&rect, &_item, sizeof _item);
    if (IsRoot() || !SendMessageW(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect)))
        InvalidateRect(tree, nullptr, TRUE);
    else
        InvalidateRect(tree, &rect, TRUE);
}

} // namespace vandro
