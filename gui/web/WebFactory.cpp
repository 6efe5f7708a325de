// The one place that maps gadget classes to web gadget classes. The kinds the page does not
// show yet have no maker: making one raises the error that names the kind and the platform.
#include "WebButton.h"
#include "WebGUIDriver.h"
#include "WebLabel.h"
#include "WebMenu.h"
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
        made.makers[ClassTextField] = MakeKind<ClassTextField, TWebTextField>;
        made.makers[ClassTextArea] = MakeKind<ClassTextArea, TWebTextArea>;
        made.makers[ClassLabel] = MakeKind<ClassLabel, TWebLabel>;
        made.makers[ClassMenu] = MakeKind<ClassMenu, TWebMenu>;
        made.makers[ClassToolbar] = MakeKind<ClassToolbar, TWebToolbar>;
        made.makers[ClassTreeView] = MakeKind<ClassTreeView, TWebTreeView>;
        made.makers[ClassTreeNode] = MakeKind<ClassTreeNode, TWebTreeNode>;
        return made;
    }();
    return kinds;
}

} // namespace vandro
