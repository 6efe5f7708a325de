// The one place that maps gadget classes to headless gadget classes, and how a new gadget is
// given its text, group, rectangle, font, enabled state and visibility.
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
#include "gui/LocalizationEngine.h"
#include "gui/WindowFunctions.h"

namespace vandro {

namespace {

template <class T> Ref<TGadget> Make(const Ref<TGadget>& group, int style, const String& text) {
    return New<T>()->Create(group, style, text);
}

// A control takes the enabled state its group passes on.
void InheritEnabled(THeadlessGadget& control, const Ref<TGadget>& group) {
    if (auto outer = Cast<THeadlessGadget>(group))
        control._forcedisable = (outer->_enabled == 0 || outer->_forcedisable) ? 1 : 0;
    control.SetEnabled((control.State() & StateDisabled) ? 0 : 1);
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

Ref<TGadget> THeadlessDriver::CreateGadget(int gadgetClass, const String& text, int x, int y, int w,
                                           int h, const Ref<TGadget>& given, int style) {
    Ref<TGadget> group = given;
    if (gadgetClass == ClassWindow && !group)
        group = Headless().desktop;
    const Ref<TGadget> gadget = GadgetInstanceFromClass(gadgetClass, group, style, text);
    if (!gadget)
        return {};
    if (gadgetClass == ClassDesktop || gadgetClass == ClassMenu || gadgetClass == ClassTreeNode)
        return gadget;
    if (TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeKeysAtCreation)
        SetGadgetLocalization(gadget, text, {});
    else
        gadget->SetText(text);
    if (group)
        gadget->_setparent(group, -1);
    if (gadgetClass != ClassToolbar)
        gadget->SetShape(x, y, w, h);
    if (auto element = Cast<THeadlessGadget>(gadget)) {
        if (gadgetClass == ClassWindow) {
            if (!(style & WindowHidden))
                element->SetShow(1);
        } else {
            element->SetFont(Headless().defaultFont);
            InheritEnabled(*element, group);
            element->SetShow(1);
        }
        element->Sensitize();
    }
    return gadget;
}

} // namespace vandro
