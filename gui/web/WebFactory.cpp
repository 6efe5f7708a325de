// The one place that maps gadget classes to web gadget classes. The kinds the page does not
// show yet have no maker: making one raises the error that names the kind and the platform.
#include "WebButton.h"
#include "WebComboBox.h"
#include "WebGUIDriver.h"
#include "WebLabel.h"
#include "WebListBox.h"
#include "WebMenu.h"
#include "WebTabber.h"
#include "WebWindow.h"

namespace vandro {

const TGadgetKinds& TWebGUIDriver::GadgetKinds() {
    static const TGadgetKinds kinds = [] {
        TGadgetKinds made{u"web", {}};
        made.makers[ClassWindow] = MakeKind<ClassWindow, TWebWindow>;
        made.makers[ClassButton] = MakeKind<ClassButton, TWebButton>;
        made.makers[ClassLabel] = MakeKind<ClassLabel, TWebLabel>;
        made.makers[ClassMenu] = MakeKind<ClassMenu, TWebMenu>;
        made.makers[ClassComboBox] = MakeKind<ClassComboBox, TWebComboBox>;
        made.makers[ClassListBox] = MakeKind<ClassListBox, TWebListBox>;
        made.makers[ClassTabber] = MakeKind<ClassTabber, TWebTabber>;
        return made;
    }();
    return kinds;
}

} // namespace vandro
