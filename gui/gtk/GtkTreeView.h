// A tree view: a GTK tree view of one text column (an icon in front when the node has one) in a
// scrolled frame. Choosing a node raises "GadgetSelect", expanding and collapsing one
// "GadgetOpen" and "GadgetClose", a double click or Enter "GadgetAction" with the selected
// node, and a right click "GadgetMenu" with the node under the pointer (or none) and the
// pointer's place. What the program does to the nodes raises nothing.
#pragma once

#include "GtkGadget.h"
#include "GtkTreeNode.h"

namespace vandro {

class TGtkTreeView : public TGtkGadget {
  public:
    // The columns of the tree's store.
    enum Column : int { ColumnText, ColumnNode, ColumnIcon, Columns };

    // The TGadget slots it overrides, in slot order.
    int Class() override;
    Ref<TGadget> RootNode() override;
    Ref<TGadget> SelectedNode() override;
    int CountKids() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    int HasKeyFocus() override;
    int RefreshLook() override;

    // The node a row of the store stands for.
    static Ref<TGtkTreeNode> NodeOfRow(GtkTreeModel* model, GtkTreeIter* row);

    // The user's doings, each raising its event unless the program is changing the tree.
    void SelectionChanged();
    void RowToggled(GtkTreeIter* row, bool open);
    void RowActivated();
    // A right click at (x, y) of the rows' area.
    void MenuAt(int x, int y);

    // The program's own changes of the tree raise nothing while this is above 0.
    int _busy = 0;
    GtkTreeStore* _store = nullptr;
    GtkWidget* _view = nullptr;
    Ref<TGtkTreeNode> _root;
    Ref<TGtkTreeNode> _selected;

  protected:
    // Frees the nodes with the view.
    int FreeElement() override;

  private:
    GtkCssProvider* _viewProvider = nullptr;
};

// Holds the tree's events back while the program changes it.
class TQuietTree {
  public:
    explicit TQuietTree(TGtkTreeView* tree) : tree_(tree) {
        if (tree_)
            ++tree_->_busy;
    }
    ~TQuietTree() {
        if (tree_)
            --tree_->_busy;
    }
    TQuietTree(const TQuietTree&) = delete;
    TQuietTree& operator=(const TQuietTree&) = delete;

  private:
    TGtkTreeView* tree_;
};

} // namespace vandro
