// The one place that maps gadget classes to headless gadget classes.
#include "HeadlessButton.h"
#include "HeadlessCanvas.h"
#include "HeadlessComboBox.h"
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

namespace vandro {

const TGadgetKinds& THeadlessGUIDriver::GadgetKinds() {
    return GadgetKindsOf<THeadlessWindow, THeadlessButton, THeadlessPanel, THeadlessTextField,
                         THeadlessTextArea, THeadlessComboBox, THeadlessListBox, THeadlessToolbar,
                         THeadlessTabber, THeadlessTreeView, THeadlessHTMLView, THeadlessLabel,
                         THeadlessSlider, THeadlessProgressBar, THeadlessMenu, THeadlessTreeNode,
                         THeadlessCanvas>(u"headless");
}

} // namespace vandro
