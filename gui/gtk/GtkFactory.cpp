// The one place that maps gadget classes to GTK gadget classes.
#include "GtkButton.h"
#include "GtkCanvas.h"
#include "GtkComboBox.h"
#include "GtkGUIDriver.h"
#include "GtkHTMLView.h"
#include "GtkLabel.h"
#include "GtkListBox.h"
#include "GtkMenu.h"
#include "GtkPanel.h"
#include "GtkProgressBar.h"
#include "GtkSlider.h"
#include "GtkTabber.h"
#include "GtkTextArea.h"
#include "GtkTextField.h"
#include "GtkToolbar.h"
#include "GtkTreeNode.h"
#include "GtkTreeView.h"
#include "GtkWindow.h"

#include "gui/GadgetConstants.h"

namespace vandro {

const TGadgetKinds& TGtkGUIDriver::GadgetKinds() {
    static const TGadgetKinds kinds = [] {
        TGadgetKinds made{u"GTK"};
        auto& m = made.makers;
        m[ClassWindow] = MakeGadget<TGtkWindow>;
        m[ClassButton] = MakeGadget<TGtkButton>;
        m[ClassPanel] = MakeGadget<TGtkPanel>;
        m[ClassHTMLView] = MakeGadget<TGtkHTMLView>;
        m[ClassTextField] = MakeGadget<TGtkTextField>;
        m[ClassTextArea] = MakeGadget<TGtkTextArea>;
        m[ClassLabel] = MakeGadget<TGtkLabel>;
        m[ClassSlider] = MakeGadget<TGtkSlider>;
        m[ClassProgressBar] = MakeGadget<TGtkProgressBar>;
        m[ClassMenu] = MakeGadget<TGtkMenu>;
        m[ClassToolbar] = MakeGadget<TGtkToolbar>;
        m[ClassTabber] = MakeGadget<TGtkTabber>;
        m[ClassListBox] = MakeGadget<TGtkListBox>;
        m[ClassComboBox] = MakeGadget<TGtkComboBox>;
        m[ClassTreeView] = MakeGadget<TGtkTreeView>;
        m[ClassTreeNode] = MakeTreeNode<TGtkTreeNode>;
        m[ClassCanvas] = MakeGadget<TGtkCanvas>;
        return made;
    }();
    return kinds;
}

} // namespace vandro
