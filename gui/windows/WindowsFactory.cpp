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
Ref<TGadget> MakeCanvas(const Ref<TGadget>& group, int style, const String& text) {
    return MakeGadget<TWindowsPanel>(group, style | PanelCanvasStyle | PanelActive, text);
}

} // namespace

const TGadgetKinds& TWindowsGUIDriver::GadgetKinds() {
    static const TGadgetKinds kinds = [] {
        TGadgetKinds made{u"Windows"};
        auto& m = made.makers;
        m[ClassWindow] = MakeGadget<TWindowsWindow>;
        m[ClassButton] = MakeGadget<TWindowsButton>;
        m[ClassLabel] = MakeGadget<TWindowsLabel>;
        m[ClassMenu] = MakeGadget<TWindowsMenu>;
        m[ClassPanel] = MakeGadget<TWindowsPanel>;
        m[ClassCanvas] = MakeCanvas;
        m[ClassTextField] = MakeGadget<TWindowsTextField>;
        m[ClassTextArea] = MakeGadget<TWindowsTextArea>;
        m[ClassComboBox] = MakeGadget<TWindowsComboBox>;
        m[ClassListBox] = MakeGadget<TWindowsListBox>;
        m[ClassTabber] = MakeGadget<TWindowsTabber>;
        m[ClassSlider] = MakeGadget<TWindowsSlider>;
        m[ClassProgressBar] = MakeGadget<TWindowsProgressBar>;
        m[ClassHTMLView] = MakeGadget<TWindowsHTMLView>;
        m[ClassToolbar] = MakeGadget<TWindowsToolbar>;
        m[ClassTreeView] = MakeGadget<TWindowsTreeView>;
        m[ClassTreeNode] = MakeTreeNode<TWindowsTreeNode>;
        return made;
    }();
    return kinds;
}

} // namespace vandro
