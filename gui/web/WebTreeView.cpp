#include "WebTreeView.h"

#include "WebGUIDriver.h"
#include "WebIconStrip.h"
#include "WebTreeViewDom.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"
#include "gui/GadgetEvents.h"

#include <emscripten/emscripten.h>

namespace vandro {

Ref<TGadget> TWebTreeView::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_dom_tree_make(handle, GroupClient(group), style);
    Register(ClassTreeView, handle, 0);
    MakeRoot();
    return Ref<TGadget>(this);
}

int TWebTreeView::SetIconStrip(const Ref<TIconStrip>& strip) {
    _icons = strip;
    GiveIconStrip(_hwnd, strip);
    if (_hwnd)
        vandro_dom_tree_icons(_hwnd);
    return 0;
}

int TWebTreeView::FreeElement() {
    if (_root)
        _root->Free();
    _root = nullptr;
    _selected = nullptr;
    _icons = nullptr;
    _nodes.clear();
    return TWebGadget::FreeElement();
}

Ref<TWebTreeNode> TWebTreeView::UsableNode(int node) {
    const auto found = _nodes.find(node);
    if (found == _nodes.end() || !ShownAndEnabled())
        return {};
    return Ref<TWebTreeNode>(found->second);
}

void TWebTreeView::Chosen(int node) {
    const Ref<TWebTreeNode> chosen = UsableNode(node);
    if (!chosen || chosen == _selected)
        return;
    vandro_dom_tree_choose(_hwnd, node);
    _selected = chosen;
    PostGuiEvent(GadgetSelect, 0, 0, 0, 0, chosen);
}

void TWebTreeView::Toggled(int node, int open) {
    const Ref<TWebTreeNode> toggled = UsableNode(node);
    if (!toggled || toggled->kids->IsEmpty())
        return;
    // A closed branch cannot show the choice: its node becomes the choice first.
    if (!open && toggled->HoldsChoiceBelow(*this)) {
        vandro_dom_tree_choose(_hwnd, node);
        _selected = toggled;
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, toggled);
    }
    vandro_dom_tree_open(node, open);
    toggled->_expanded = open ? 1 : 0;
    PostGuiEvent(open ? GadgetOpen : GadgetClose, 0, 0, 0, 0, toggled);
}

void TWebTreeView::Acted() {
    if (ShownAndEnabled())
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, _selected);
}

void TWebTreeView::MenuAsked(int node, int x, int y) {
    if (ShownAndEnabled())
        PostGuiEvent(GadgetMenu, 0, 0, x, y, UsableNode(node));
}

void TWebTreeView::DragBegun(int node, int button, int modifiers, int x, int y) {
    const Ref<TWebTreeNode> dragged = UsableNode(node);
    if (!dragged || !(style & TreeViewDragAndDrop))
        return;
    SetDragSource(button, dragged);
    PostGuiEvent(GadgetDrag, button, modifiers, x, y, dragged);
}

void TWebTreeView::Dropped(int target, int button, int modifiers, int x, int y) {
    const Ref<TGadget> under = GadgetFromHandle(target);
    const Ref<TGadget> dragged = DragSource(button);
    if (!under || !dragged)
        return;
    EmitGadgetEvent(GadgetDrop, under, button, modifiers, x, y, dragged);
    SetDragSource(button, {});
}

} // namespace vandro

using namespace vandro;

namespace {

// The tree of the handle, to raise the user's doings on it.
template <class Doing> int OnTree(int tree, Doing doing) {
    if (const auto view = Cast<TWebTreeView>(GadgetFromHandle(tree)))
        Shielded([&] { doing(*view); });
    return 0;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_tree_chosen(int tree, int node) {
    return OnTree(tree, [&](TWebTreeView& view) { view.Chosen(node); });
}

EMSCRIPTEN_KEEPALIVE int vandro_web_tree_toggled(int tree, int node, int open) {
    return OnTree(tree, [&](TWebTreeView& view) { view.Toggled(node, open); });
}

EMSCRIPTEN_KEEPALIVE int vandro_web_tree_acted(int tree) {
    return OnTree(tree, [](TWebTreeView& view) { view.Acted(); });
}

EMSCRIPTEN_KEEPALIVE int vandro_web_tree_menu(int tree, int node, int x, int y) {
    return OnTree(tree, [&](TWebTreeView& view) { view.MenuAsked(node, x, y); });
}

EMSCRIPTEN_KEEPALIVE int vandro_web_tree_drag(int tree, int node, int button, int modifiers, int x,
                                              int y) {
    return OnTree(tree, [&](TWebTreeView& view) { view.DragBegun(node, button, modifiers, x, y); });
}

EMSCRIPTEN_KEEPALIVE int vandro_web_tree_drop(int tree, int target, int button, int modifiers,
                                              int x, int y) {
    return OnTree(tree, [&](TWebTreeView& view) { view.Dropped(target, button, modifiers, x, y); });
}
}
