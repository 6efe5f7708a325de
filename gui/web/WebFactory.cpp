// The one place that maps gadget classes to web gadget classes.
#include "WebButton.h"
#include "WebCanvas.h"
#include "WebComboBox.h"
#include "WebGUIDriver.h"
#include "WebHTMLView.h"
#include "WebLabel.h"
#include "WebListBox.h"
#include "WebMenu.h"
#include "WebPanel.h"
#include "WebProgressBar.h"
#include "WebSlider.h"
#include "WebTabber.h"
#include "WebTextArea.h"
#include "WebTextField.h"
#include "WebToolbar.h"
#include "WebTreeNode.h"
#include "WebTreeView.h"
#include "WebWindow.h"

namespace vandro {

namespace {

// Whether the program makes gadgets of the class. A program built with the list of the classes
// it makes (VANDRO_WEB_KINDS) has a page without the code and the script of any other kind.
constexpr bool Made([[maybe_unused]] int gadgetClass) {
#ifdef VANDRO_WEB_KINDS
    for (const int made : {VANDRO_WEB_KINDS})
        if (made == gadgetClass)
            return true;
    return false;
#else
    return true;
#endif
}

} // namespace

const TGadgetKinds& TWebGUIDriver::GadgetKinds() {
    return GadgetKindsOf<Made, TWebWindow, TWebButton, TWebPanel, TWebTextField, TWebTextArea,
                         TWebComboBox, TWebListBox, TWebToolbar, TWebTabber, TWebTreeView,
                         TWebHTMLView, TWebLabel, TWebSlider, TWebProgressBar, TWebMenu,
                         TWebTreeNode, TWebCanvas>(u"web");
}

} // namespace vandro
