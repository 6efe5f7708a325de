// What a platform's tree view keeps the same way: its root node, which stands for the tree, and
// the selected node, which a node's branch lets go of when it is freed (TPlatformTreeNode).
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsTreeView : public TPlatformTreeView<TWindowsGadget, TWindowsTreeNode> { ... };
#pragma once

#include "PlatformGadget.h"
#include "gui/GadgetConstants.h"

#include <type_traits>

namespace vandro {

template <class Base, class Node> class TPlatformTreeView : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order.
    int Class() override { return ClassTreeView; }
    Ref<TGadget> RootNode() override { return _root; }
    Ref<TGadget> SelectedNode() override { return _selected; }
    // The nodes right under the root.
    int CountKids() override { return _root ? _root->CountKids() : 0; }

    Ref<Node> _root;
    Ref<Node> _selected;

  protected:
    // Makes the root node, once the element is there.
    void MakeRoot() { _root = Cast<Node>(New<Node>()->CreateRoot(Ref<TGadget>(this))); }
};

} // namespace vandro
