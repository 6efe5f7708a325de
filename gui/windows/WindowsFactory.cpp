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

template <class T> Ref<TGadget> Instance(const Ref<TGadget>& group, int style, const String& text) {
    return New<T>()->Create(group, style, text);
}

} // namespace

Ref<TGadget> TWindowsGUIDriver::GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>& group,
                                                        int style, const String& text) {
    switch (gadgetClass) {
    case ClassDesktop:
        return WindowsDriver().DesktopGadget;
    case ClassWindow:
        return Instance<TWindowsWindow>(group, style, u"");
    case ClassButton:
        return Instance<TWindowsButton>(group, style, u"");
    case ClassLabel:
        return Instance<TWindowsLabel>(group, style, u"");
    case ClassMenu:
        return Instance<TWindowsMenu>(group, style, text);
    case ClassPanel:
        return Instance<TWindowsPanel>(group, style, u"");
    case ClassCanvas:
        return Instance<TWindowsPanel>(group, style | PanelCanvasStyle | PanelActive, u"");
    case ClassTextField:
        return Instance<TWindowsTextField>(group, style, text);
    case ClassTextArea:
        return Instance<TWindowsTextArea>(group, style, u"");
    case ClassComboBox:
        return Instance<TWindowsComboBox>(group, style, text);
    case ClassListBox:
        return Instance<TWindowsListBox>(group, style, u"");
    case ClassTabber:
        return Instance<TWindowsTabber>(group, style, u"");
    case ClassSlider:
        return Instance<TWindowsSlider>(group, style, u"");
    case ClassProgressBar:
        return Instance<TWindowsProgressBar>(group, style, u"");
    case ClassHTMLView:
        return Instance<TWindowsHTMLView>(group, style, u"");
    case ClassToolbar:
        return Instance<TWindowsToolbar>(group, style, text);
    case ClassTreeView:
        return Instance<TWindowsTreeView>(group, style, u"");
    case ClassTreeNode:
        return New<TWindowsTreeNode>()->Create(group, style, text, -1, -1);
    }
    // A number outside the gadget classes.
    return {};
}

} // namespace vandro
