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

namespace vandro {

const TGadgetKinds& TGtkGUIDriver::GadgetKinds() {
    return GadgetKindsOf<TGtkWindow, TGtkButton, TGtkPanel, TGtkTextField, TGtkTextArea,
                         TGtkComboBox, TGtkListBox, TGtkToolbar, TGtkTabber, TGtkTreeView,
                         TGtkHTMLView, TGtkLabel, TGtkSlider, TGtkProgressBar, TGtkMenu,
                         TGtkTreeNode, TGtkCanvas>(u"GTK");
}

} // namespace vandro
