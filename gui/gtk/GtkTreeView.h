// A tree view: a GTK tree view of one column, the node's icon from the tree's strip and its
// text, in a scrolled frame. Choosing a node raises
// "GadgetSelect", expanding and collapsing one "GadgetOpen" and "GadgetClose", a double click
// or Enter "GadgetAction" with the selected node, and a right click "GadgetMenu" with the node
// under the pointer (or none) and the pointer's place. With style bit 1 a node dragged with the
// left or right button raises "GadgetDrag" (button 1 or 2, the place it was pressed) and is the
// button's drag source, and releasing the button over a gadget raises "GadgetDrop" there; a
// right button's menu then waits for its release, which a drag does not open it. What the
// program does to the nodes raises nothing.
#pragma once

#include "GtkIconStrip.h"
#include "GtkRowView.h"
#include "GtkTreeNode.h"

#include "gui/kinds/PlatformTreeView.h"

namespace vandro {

class TGtkTreeView : public TGtkRowView<TPlatformTreeView<TGtkGadget, TGtkTreeNode>> {
  public:
    // The columns of the tree's store.
    enum Column : int { ColumnText, ColumnNode, ColumnIcon, Columns };

    // The TGadget slots it overrides, in slot order.
    // The nodes show their icons from the strip; none without one.
    int SetIconStrip(const Ref<TIconStrip>& strip) override;

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
    // A button pressed, the pointer moved and a button released in the rows' area: true when
    // the view takes the event for itself.
    bool Pressed(const GdkEventButton& event);
    void Moved(const GdkEventMotion& event);
    bool Released(const GdkEventButton& event);

    // Makes the program's own change of the tree, which raises nothing.
    template <class Change> void Quietly(Change change) {
        ++_busy;
        change();
        --_busy;
    }

    // Above 0 while the program changes the tree.
    int _busy = 0;
    GtkTreeStore* _store = nullptr;
    Ref<TGtkIconStrip> _icons;

  protected:
    // Frees the nodes with the view.
    int FreeElement() override;

  private:
    // The node at (x, y) of the rows' area, null for none.
    Ref<TGtkTreeNode> NodeAt(int x, int y);
    // A click there: true when it hit a node's expander and toggled it.
    bool ToggleAt(int x, int y);
    // A right click there.
    void MenuAt(int x, int y);
    // The dragged node's button (1 or 2) was released.
    void Drop(const GdkEventButton& event, int button);

    // A press that may begin a drag: its button as the program numbers it (1 left, 2 right; 0
    // while none is held), where it was in the rows' area and on the screen, and the node there.
    struct TPress {
        int button = 0;
        int x = 0, y = 0;
        int rootX = 0, rootY = 0;
        Ref<TGtkTreeNode> node;
        bool dragging = false;
    } _press;
};

} // namespace vandro
