#include "PlatformDriver.h"

#include "PlatformGadget.h"
#include "gui/GadgetConstants.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"
#include "gui/localization/LocalizationEngine.h"

#include "runtime/Exceptions.h"
#include "runtime/Text.h"

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

String TPlatformDriver::UserName() {
    const String name = EnvironmentValue("username");
    return name.empty() ? LoginName() : name;
}

String TPlatformDriver::ComputerName() {
    const String name = EnvironmentValue("userdomain");
    return name.empty() ? HostName() : name;
}

String TPlatformDriver::EnvironmentValue(const char* name) { return EnvironmentText(name); }

String TPlatformDriver::LoginName() { return {}; }

String TPlatformDriver::HostName() { return {}; }

Ref<TGuiFont> TPlatformDriver::LoadFont(const String& name, int size, int style) {
    return LoadFontWithDouble(name, size, style);
}

int TPlatformDriver::RequestColor(int red, int green, int blue) {
    const int chosen = RunColorChooser(red, green, blue);
    if (chosen < 0)
        return 0;
    return static_cast<int>(0xFF000000u | static_cast<unsigned>(chosen & 0xFFFFFF));
}

int TPlatformDriver::LookupColor(int index, unsigned char& red, unsigned char& green,
                                 unsigned char& blue) {
    if (index < ColorWindowBackground || index > ColorLinkText)
        return TVellumDriver::LookupColor(index, red, green, blue);
    const int color = SystemColor(index);
    red = static_cast<unsigned char>(color & 255);
    green = static_cast<unsigned char>((color >> 8) & 255);
    blue = static_cast<unsigned char>((color >> 16) & 255);
    return 1;
}

Ref<TGadget> TPlatformDriver::MissingGadgetKind(int gadgetClass, const String& platform) {
    if (gadgetClass < 0 || gadgetClass >= static_cast<int>(kKindNames.size()))
        return {};
    RuntimeError(u"The " + platform + u" platform has no " +
                 kKindNames[static_cast<std::size_t>(gadgetClass)] + u" gadgets yet");
}

Ref<TGuiFont> PlatformDefaultFont() {
    const auto driver = Cast<TPlatformDriver>(CurrentDriver());
    return driver ? driver->DefaultGadgetFont() : Ref<TGuiFont>();
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
