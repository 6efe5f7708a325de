// A tree view: a GTK tree view of one column, the node's icon from the tree's strip and its
// text, in a scrolled frame. Choosing a node raises
// "GadgetSelect", expanding and collapsing one "GadgetOpen" and "GadgetClose", a double click
// or Enter "GadgetAction" with the selected node, and a right click "GadgetMenu" with the node
// under the pointer (or none) and the pointer's place. What the program does to the nodes
// raises nothing.
#pragma once

#include "GtkIconStrip.h"
#include "GtkRowView.h"
#include "GtkTreeNode.h"

namespace vandro {

class TGtkTreeView : public TGtkRowView<TGtkGadget> {
  public:
    // The columns of the tree's store.
    enum Column : int { ColumnText, ColumnNode, ColumnIcon, Columns };

    // The TGadget slots it overrides, in slot order.
    // The nodes show their icons from the strip; none without one.
    int SetIconStrip(const Ref<TIconStrip>& strip) override;
    int Class() override;
    Ref<TGadget> RootNode() override;
    Ref<TGadget> SelectedNode() override;
    int CountKids() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The picture of an icon of the tree's strip; null for -1, or without a strip.
    GdkPixbuf* Icon(int index) const { return _icons ? _icons->Icon(index) : nullptr; }
    // The node a row of the store stands for.
    static Ref<TGtkTreeNode> NodeOfRow(GtkTreeModel* model, GtkTreeIter* row);

    // The user's doings, each raising its event unless the program is changing the tree.
    void ChoiceChanged();
    void RowToggled(GtkTreeIter* row, bool open);
    void RowActivated();
    // A click at (x, y) of the rows' area: true when it hit a node's expander and toggled it.
    bool ToggleAt(int x, int y);
    // A right click there.
    void MenuAt(int x, int y);

    // Makes the program's own change of the tree, which raises nothing.
    template <class Change> void Quietly(Change change) {
        ++_busy;
        change();
        --_busy;
    }

    // Above 0 while the program changes the tree.
    int _busy = 0;
    GtkTreeStore* _store = nullptr;
    Ref<TGtkTreeNode> _root;
    Ref<TGtkTreeNode> _selected;
    Ref<TGtkIconStrip> _icons;

  protected:
    // Frees the nodes with the view.
    int FreeElement() override;
};

} // namespace vandro
