// The one place that maps gadget classes to headless gadget classes.
#include "HeadlessButton.h"
#include "HeadlessCanvas.h"
#include "HeadlessComboBox.h"
#include "HeadlessDesktop.h"
#include "HeadlessDriver.h"
#include "HeadlessHTMLView.h"
#include "HeadlessLabel.h"
#include "HeadlessListBox.h"
#include "HeadlessMenu.h"
#include "HeadlessProgressBar.h"
#include "HeadlessSlider.h"
#include "HeadlessTabber.h"
#include "HeadlessTextArea.h"
#include "HeadlessTextField.h"
#include "HeadlessToolbar.h"
#include "HeadlessTreeNode.h"
#include "HeadlessTreeView.h"
#include "HeadlessWindow.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

template <class T> Ref<TGadget> Make(const Ref<TGadget>& group, int style, const String& text) {
    return New<T>()->Create(group, style, text);
}

} // namespace

Ref<TGadget> THeadlessDriver::GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>& group,
                                                      int style, const String& text) {
    switch (gadgetClass) {
    case ClassDesktop:
        return Headless().desktop;
    case ClassWindow:
        return Make<THeadlessWindow>(group, style, {});
    case ClassButton:
        return Make<THeadlessButton>(group, style, {});
    case ClassPanel:
        return Make<THeadlessPanel>(group, style, {});
    case ClassTextField:
        return Make<THeadlessTextField>(group, style, text);
    case ClassTextArea:
        return Make<THeadlessTextArea>(group, style, {});
    case ClassComboBox:
        return Make<THeadlessComboBox>(group, style, text);
    case ClassListBox:
        return Make<THeadlessListBox>(group, style, {});
    case ClassToolbar:
        return Make<THeadlessToolbar>(group, style, text);
    case ClassTabber:
        return Make<THeadlessTabber>(group, style, {});
    case ClassTreeView:
        return Make<THeadlessTreeView>(group, style, {});
    case ClassHTMLView:
        return Make<THeadlessHTMLView>(group, style, {});
    case ClassLabel:
        return Make<THeadlessLabel>(group, style, {});
    case ClassSlider:
        return Make<THeadlessSlider>(group, style, {});
    case ClassProgressBar:
        return Make<THeadlessProgressBar>(group, style, {});
    case ClassMenu:
        return New<THeadlessMenu>()->Create(group, style, text);
    case ClassTreeNode:
        return New<THeadlessTreeNode>()->Create(group, style, text, -1, -1);
    case ClassCanvas:
        return Make<THeadlessCanvas>(group, style, {});
    default:
        return {};
    }
}

Ref<TGadget> THeadlessDriver::DesktopGadget() { return Headless().desktop; }

Ref<TGuiFont> THeadlessDriver::DefaultGadgetFont() { return Headless().defaultFont; }

} // namespace vandro
