#include "WindowsTreeView.h"

#include "WindowsGUIDriver.h"
#include "WindowsListBox.h"

#include "events/EventIds.h"
#include "events/windows/Win32Dpi.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, TVS_HASBUTTONS, TVS_HASLINES, TVS_LINESATROOT,
// TVS_SHOWSELALWAYS, TVS_NOTOOLTIPS.
constexpr DWORD kTreeStyle = 0x440000A7;

Ref<TWindowsTreeNode> NodeOf(const TVITEMW& item) {
    return TWindowsTreeNode::FromHandle(item.lParam);
}

} // namespace

Ref<TWindowsGadget> TWindowsTreeView::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const DWORD native = kTreeStyle | ((style & TreeViewDragAndDrop) ? 0 : TVS_DISABLEDRAGDROP);
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", native, 0, 0, 0, 0, parent,
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    Register(ClassTreeView, hwnd, nullptr, 0);
    UseExplorerTheme();
    MakeRoot();
    return Ref<TWindowsGadget>(this);
}

int TWindowsTreeView::UseExplorerTheme() { return vandro::UseExplorerTheme(_hwnd); }

int TWindowsTreeView::Free() {
    // Freed on its own, the view still lets go of every node's handle.
    if (_root)
        _root->Free();
    _selected = nullptr;
    _icons = nullptr;
    return TWindowsGadget::Free();
}

int TWindowsTreeView::SetColor(int red, int green, int blue) {
    TWindowsGadget::SetColor(red, green, blue);
    SendMessageW(_hwnd, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(BgColor()));
    return 0;
}

int TWindowsTreeView::RemoveColor() {
    TWindowsGadget::RemoveColor();
    SendMessageW(_hwnd, TVM_SETBKCOLOR, 0, -1);
    return 0;
}

int TWindowsTreeView::SetTextColor(int red, int green, int blue) {
    TWindowsGadget::SetTextColor(red, green, blue);
    SendMessageW(_hwnd, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(FgColor()));
    return 0;
}

int TWindowsTreeView::SetIconStrip(const Ref<TIconStrip>& strip) {
    _icons = Cast<TWindowsIconStrip>(strip);
    SendMessageW(_hwnd, TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(ImageListOf(_icons, WindowDpi(_hwnd))));
    return 0;
}

LRESULT TWindowsTreeView::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_SETFOCUS || hwnd != _hwnd || Caret())
        return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
    // The control chooses its first node as it takes the focus without a choice; a choice the
    // user did not make would surprise the program, so the tree keeps choosing nothing.
    _focusing = true;
    const LRESULT result = TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
    if (Caret())
        SendMessageW(_hwnd, TVM_SELECTITEM, TVGN_CARET, 0);
    _focusing = false;
    return result;
}

HTREEITEM TWindowsTreeView::Caret() {
    return reinterpret_cast<HTREEITEM>(SendMessageW(_hwnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

Ref<TWindowsTreeNode> TWindowsTreeView::NodeUnderPointer(POINT& client) {
    ::GetCursorPos(&client);
    ScreenToClient(_hwnd, &client);
    TVHITTESTINFO hit{client};
    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(_hwnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (!item || !(hit.flags & TVHT_ONITEM))
        return {};
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageW(_hwnd, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return NodeOf(data);
}

void TWindowsTreeView::StartDrag(int button, const NMTREEVIEWW& drag) {
    Ref<TWindowsTreeNode> node = NodeOf(drag.itemNew);
    if (node && node->IsRoot())
        node = nullptr;
    SetDragSource(button, node);
    const POINT at = UnitsOfPoint(_hwnd, drag.ptDrag);
    PostGuiEvent(GadgetDrag, button, TWindowsGUIDriver::CurrentModifiers(), at.x, at.y, node);
}

LRESULT TWindowsTreeView::OnNotify(WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const auto& change = *reinterpret_cast<const NMTREEVIEWW*>(lParam);
    switch (header->code) {
    case TVN_SELCHANGEDW:
        if (!_sensitive || _focusing)
            return 0;
        _selected = NodeOf(change.itemNew);
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, _selected);
        return 0;
    case TVN_ITEMEXPANDEDW: {
        const Ref<TWindowsTreeNode> node = NodeOf(change.itemNew);
        const bool open = (change.action & TVE_EXPAND) != 0;
        if (node)
            node->_expanded = open ? 1 : 0;
        // The user closed the branch of the choice: its node becomes the choice, whether or not
        // the control said so.
        if (node && !open && _sensitive && node->HoldsChoiceBelow(*this)) {
            DeSensitize();
            SendMessageW(_hwnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node->_item));
            Sensitize();
            _selected = node;
            PostGuiEvent(GadgetSelect, 0, 0, 0, 0, node);
        }
        PostGuiEvent(open ? GadgetOpen : GadgetClose, 0, 0, 0, 0, node);
        return 0;
    }
    case NM_DBLCLK:
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, _selected);
        return 0;
    case TVN_KEYDOWN:
        if (reinterpret_cast<const NMTVKEYDOWN*>(lParam)->wVKey == VK_RETURN)
            PostGuiEvent(GadgetAction, 0, 0, 0, 0, _selected);
        return 0;
    case NM_RCLICK: {
        POINT client{};
        const Ref<TWindowsTreeNode> node = NodeUnderPointer(client);
        const POINT at = UnitsOfPoint(_hwnd, client);
        PostGuiEvent(GadgetMenu, 0, 0, at.x, at.y, node);
        return 0;
    }
    case TVN_BEGINDRAGW:
        StartDrag(1, change);
        return 0;
    case TVN_BEGINRDRAGW:
        StartDrag(2, change);
        return 0;
    default:
        return 0;
    }
}

} // namespace vandro
