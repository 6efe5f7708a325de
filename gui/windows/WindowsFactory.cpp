// The one place that maps gadget class numbers to the Windows gadget classes.
#include "WindowsGUIDriver.h"

#include "WindowsButton.h"
#include "WindowsComboBox.h"
#include "WindowsHTMLView.h"
#include "WindowsLabel.h"
#include "WindowsListBox.h"
#include "WindowsMenu.h"
#include "WindowsPanel.h"
#include "WindowsProgressBar.h"
#include "WindowsSlider.h"
#include "WindowsTabber.h"
#include "WindowsTextArea.h"
#include "WindowsTextField.h"
#include "WindowsToolbar.h"
#include "WindowsTreeView.h"
#include "WindowsWindow.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// A canvas is a panel that paints itself and takes the mouse.
struct TWindowsCanvasKind {
    static Ref<TGadget> Make(const Ref<TGadget>& group, int style, const String& text) {
        return New<TWindowsPanel>()->Create(group, style | PanelCanvasStyle | PanelActive, text);
    }
};

} // namespace

const TGadgetKinds& TWindowsGUIDriver::GadgetKinds() {
    return GadgetKindsOf<TWindowsWindow, TWindowsButton, TWindowsPanel, TWindowsTextField,
                         TWindowsTextArea, TWindowsComboBox, TWindowsListBox, TWindowsToolbar,
                         TWindowsTabber, TWindowsTreeView, TWindowsHTMLView, TWindowsLabel,
                         TWindowsSlider, TWindowsProgressBar, TWindowsMenu, TWindowsTreeNode,
                         TWindowsCanvasKind>(u"Windows");
}

} // namespace vandro
