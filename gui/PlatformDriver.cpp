#include "PlatformDriver.h"

#include "GadgetConstants.h"
#include "LocalizationEngine.h"
#include "PlatformGadget.h"
#include "WindowFunctions.h"

#include "runtime/Exceptions.h"

#include <array>

namespace vandro {

namespace {

// A control takes the enabled state its group passes on.
void InheritEnabled(TPlatformGadget& control, const Ref<TGadget>& group) {
    if (auto outer = Cast<TPlatformGadget>(group))
        control._forcedisable = (outer->_enabled == 0 || outer->_forcedisable) ? 1 : 0;
    control.SetEnabled((control.State() & StateDisabled) ? 0 : 1);
}

// By gadget class number.
constexpr std::array<const char16_t*, kGadgetClasses> kKindNames{
    u"desktop",   u"window",   u"button",       u"panel",  u"text field", u"text area",
    u"combo box", u"list box", u"toolbar",      u"tabber", u"tree view",  u"HTML view",
    u"label",     u"slider",   u"progress bar", u"menu",   u"tree node",  u"canvas"};

} // namespace

Ref<TGadget> TPlatformDriver::MissingGadgetKind(int gadgetClass, const String& platform) {
    if (gadgetClass < 0 || gadgetClass >= static_cast<int>(kKindNames.size()))
        return {};
    RuntimeError(u"The " + platform + u" platform has no " +
                 kKindNames[static_cast<std::size_t>(gadgetClass)] + u" gadgets yet");
}

void RefuseTreeNodeParent() {
    RuntimeError(u"Parent isn't a treeview node. Use TreeViewRoot() when creating a root node.");
}

Ref<TGadget> TPlatformDriver::GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>& group,
                                                      int style, const String& text) {
    if (gadgetClass == ClassDesktop)
        return DesktopGadget();
    if (gadgetClass < 0 || gadgetClass >= kGadgetClasses)
        return {};
    const TGadgetKinds& kinds = GadgetKinds();
    const GadgetMaker make = kinds.makers[static_cast<std::size_t>(gadgetClass)];
    if (!make)
        return MissingGadgetKind(gadgetClass, kinds.platform);
    const bool withText = gadgetClass == ClassTextField || gadgetClass == ClassComboBox ||
                          gadgetClass == ClassToolbar || gadgetClass == ClassMenu ||
                          gadgetClass == ClassTreeNode;
    return make(group, style, withText ? text : String());
}

Ref<TGadget> TPlatformDriver::CreateGadget(int gadgetClass, const String& text, int x, int y, int w,
                                           int h, const Ref<TGadget>& given, int style) {
    Ref<TGadget> group = given;
    if (gadgetClass == ClassWindow && !group)
        group = DesktopGadget();
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
    if (auto element = Cast<TPlatformGadget>(gadget)) {
        if (gadgetClass == ClassWindow) {
            if (!(style & WindowHidden))
                element->SetShow(1);
        } else {
            element->SetFont(DefaultGadgetFont());
            InheritEnabled(*element, group);
            element->SetShow(1);
        }
        element->Sensitize();
    }
    return gadget;
}

} // namespace vandro
