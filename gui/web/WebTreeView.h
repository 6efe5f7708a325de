// A tree view: a tree of items, each with an open-close button where nodes are under it, the
// node's icon from the tree's strip and its text. Clicking a node's text chooses it and raises
// "GadgetSelect", its button "GadgetOpen" or "GadgetClose", a double click or Enter
// "GadgetAction" with the chosen node, a right click "GadgetMenu" with the node there (or none)
// and the pointer's place. With style bit 1 a node dragged with the left or right button raises
// "GadgetDrag" (button 1 or 2, where it was pressed) and is the button's drag source, and letting
// go over a gadget raises "GadgetDrop" there; the right button's menu then waits for its
// release, which a drag does not open it. What the program does to the nodes raises nothing.
#pragma once

#include "WebGadget.h"
#include "WebTreeNode.h"

#include "gui/kinds/PlatformTreeView.h"

#include <map>

namespace vandro {

class TWebTreeView : public TPlatformTreeView<TWebGadget, TWebTreeNode> {
  public:
    // The TGadget slots it overrides, in slot order.
    // The nodes show their icons from the strip; none without one.
    int SetIconStrip(const Ref<TIconStrip>& strip) override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The user's doings, each given the handle of the node's item (0 for none).
    void Chosen(int node);
    // Opens (open 1) or closes the node.
    void Toggled(int node, int open);
    // A double click or Enter.
    void Acted();
    // At (x, y) of the tree.
    void MenuAsked(int node, int x, int y);
    // The node pressed at (x, y) of the tree began to move with the button held.
    void DragBegun(int node, int button, int modifiers, int x, int y);
    // The button was let go over the gadget of that handle, at (x, y) of it.
    void Dropped(int target, int button, int modifiers, int x, int y);

    // The nodes that have an item, by the item's handle; not owned.
    std::map<int, TWebTreeNode*> _nodes;
    Ref<TIconStrip> _icons;

  protected:
    // Frees the nodes with the tree.
    int FreeElement() override;

  private:
    // The node of the item's handle, null for none or while the user cannot use the tree.
    Ref<TWebTreeNode> UsableNode(int node);
};

} // namespace vandro
