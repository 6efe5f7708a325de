// The one place that maps gadget classes to headless gadget classes.
#include "HeadlessButton.h"
#include "HeadlessCanvas.h"
#include "HeadlessComboBox.h"
#include "HeadlessDesktop.h"
#include "HeadlessGUIDriver.h"
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

const TGadgetKinds& THeadlessGUIDriver::GadgetKinds() {
    static const TGadgetKinds kinds = [] {
        TGadgetKinds made{u"headless"};
        auto& m = made.makers;
        m[ClassWindow] = MakeGadget<THeadlessWindow>;
        m[ClassButton] = MakeGadget<THeadlessButton>;
        m[ClassPanel] = MakeGadget<THeadlessPanel>;
        m[ClassTextField] = MakeGadget<THeadlessTextField>;
        m[ClassTextArea] = MakeGadget<THeadlessTextArea>;
        m[ClassComboBox] = MakeGadget<THeadlessComboBox>;
        m[ClassListBox] = MakeGadget<THeadlessListBox>;
        m[ClassToolbar] = MakeGadget<THeadlessToolbar>;
        m[ClassTabber] = MakeGadget<THeadlessTabber>;
        m[ClassTreeView] = MakeGadget<THeadlessTreeView>;
        m[ClassHTMLView] = MakeGadget<THeadlessHTMLView>;
        m[ClassLabel] = MakeGadget<THeadlessLabel>;
        m[ClassSlider] = MakeGadget<THeadlessSlider>;
        m[ClassProgressBar] = MakeGadget<THeadlessProgressBar>;
        m[ClassMenu] = MakeGadget<THeadlessMenu>;
        m[ClassTreeNode] = MakeTreeNode<THeadlessTreeNode>;
        m[ClassCanvas] = MakeGadget<THeadlessCanvas>;
        return made;
    }();
    return kinds;
}

Ref<TGadget> THeadlessGUIDriver::DesktopGadget() { return Headless().desktop; }

Ref<TGuiFont> THeadlessGUIDriver::DefaultGadgetFont() { return Headless().defaultFont; }

} // namespace vandro
