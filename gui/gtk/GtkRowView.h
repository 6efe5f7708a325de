// What the gadgets that show rows (tree views, list boxes) share on this platform: a GTK tree
// view without a header in a scrolled frame, one column of an icon and a text, the keyboard
// focus on the rows, and the gadget's colours and font on them. A mixin over the platform's
// gadget base, like the core's item gadget.
#pragma once

#include "GtkGadget.h"

namespace vandro {

// The view of the model in a scrolled frame, its one column showing the pixbuf of iconColumn
// before the text of textColumn; answers the frame and sets view.
GtkWidget* NewRowView(GtkTreeModel* model, int iconColumn, int textColumn, GtkWidget*& view);
// The row at (x, y) of the view's rows' area as its path (freed by the caller); null for none.
GtkTreePath* RowPathAt(GtkWidget* view, int x, int y);
// GTK selects the first row of a view without a selection as it takes the focus; a choice the
// user did not make would surprise the program, so the view keeps choosing nothing, and the
// handlers of its selection that have the data do not hear of it.
void KeepNoChoiceOnFocus(GtkWidget* view, gpointer data);

template <class Base> class TGtkRowView : public Base {
  public:
    // 0 puts the keyboard focus on the rows.
    int Activate(int command) override {
        if (command == 0 && _view) {
            this->GrabFocus(_view);
            return 1;
        }
        return Base::Activate(command);
    }
    int HasKeyFocus() override { return _view && gtk_widget_has_focus(_view) ? 1 : 0; }
    int RefreshLook() override {
        if (!_view)
            return 0;
        const String look = this->ColorCss(true) + this->FontCss();
        ApplyCss(_view, _viewProvider, look.empty() ? String() : u"treeview{" + look + u"}");
        return 0;
    }

    GtkWidget* _view = nullptr;

  protected:
    // Makes the view of the model inside the group and registers its frame as the gadget's
    // widget.
    void MakeRowView(const Ref<TGadget>& group, int gadgetClass, GtkTreeModel* model,
                     int iconColumn, int textColumn) {
        GtkWidget* frame = NewRowView(model, iconColumn, textColumn, _view);
        KeepNoChoiceOnFocus(_view, this);
        if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
            gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), frame, 0, 0);
        this->Register(gadgetClass, frame, nullptr);
    }
    // Taking the view apart clears its selection, which is no choice of the user's: the view's
    // signals go first.
    int FreeElement() override {
        if (_view) {
            g_signal_handlers_disconnect_by_data(gtk_tree_view_get_selection(GTK_TREE_VIEW(_view)),
                                                 this);
            g_signal_handlers_disconnect_by_data(_view, this);
            _view = nullptr;
        }
        return Base::FreeElement();
    }

  private:
    GtkCssProvider* _viewProvider = nullptr;
};

} // namespace vandro
