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

const TGadgetKinds& TWebGUIDriver::GadgetKinds() {
    static const TGadgetKinds kinds = [] {
        TGadgetKinds made{u"web", {}};
        made.makers[ClassWindow] = MakeKind<ClassWindow, TWebWindow>;
        made.makers[ClassButton] = MakeKind<ClassButton, TWebButton>;
        made.makers[ClassPanel] = MakeKind<ClassPanel, TWebPanel>;
        made.makers[ClassTextField] = MakeKind<ClassTextField, TWebTextField>;
        made.makers[ClassTextArea] = MakeKind<ClassTextArea, TWebTextArea>;
        made.makers[ClassComboBox] = MakeKind<ClassComboBox, TWebComboBox>;
        made.makers[ClassListBox] = MakeKind<ClassListBox, TWebListBox>;
        made.makers[ClassToolbar] = MakeKind<ClassToolbar, TWebToolbar>;
        made.makers[ClassTabber] = MakeKind<ClassTabber, TWebTabber>;
        made.makers[ClassTreeView] = MakeKind<ClassTreeView, TWebTreeView>;
        made.makers[ClassHTMLView] = MakeKind<ClassHTMLView, TWebHTMLView>;
        made.makers[ClassLabel] = MakeKind<ClassLabel, TWebLabel>;
        made.makers[ClassSlider] = MakeKind<ClassSlider, TWebSlider>;
        made.makers[ClassProgressBar] = MakeKind<ClassProgressBar, TWebProgressBar>;
        made.makers[ClassMenu] = MakeKind<ClassMenu, TWebMenu>;
        made.makers[ClassTreeNode] = MakeKind<ClassTreeNode, TWebTreeNode>;
        made.makers[ClassCanvas] = MakeKind<ClassCanvas, TWebCanvas>;
        return made;
    }();
    return kinds;
}

} // namespace vandro
