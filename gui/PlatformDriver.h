// A driver that backs gadgets with a platform's native elements. It takes the steps every
// platform takes when it makes a gadget (text or localization key, group, shape, default font,
// enabled state from the group, shown, sensitized last); a platform supplies the native step:
// its gadget object for each class, from a table.
#pragma once

#include "GadgetConstants.h"
#include "VellumDriver.h"

#include <array>

namespace vandro {

// How a platform makes its object of one gadget class: the native element made inside the
// group with the style and the creation text.
using GadgetMaker = Ref<TGadget> (*)(const Ref<TGadget>& group, int style, const String& text);
template <class T>
Ref<TGadget> MakeGadget(const Ref<TGadget>& group, int style, const String& text) {
    return New<T>()->Create(group, style, text);
}
// A tree node, last under the node given as its group, with no icon.
template <class T>
Ref<TGadget> MakeTreeNode(const Ref<TGadget>& group, int style, const String& text) {
    return New<T>()->Create(group, style, text, -1, -1);
}

constexpr int kGadgetClasses = ClassCanvas + 1;
// A platform's maker of each gadget class, and its name as an error names it. The desktop has
// none (it is the platform's DesktopGadget); a class without one is a kind the platform lacks.
struct TGadgetKinds {
    const char16_t* platform;
    std::array<GadgetMaker, kGadgetClasses> makers{};
};

class TPlatformDriver : public TVellumDriver {
  public:
    Ref<TGadget> CreateGadget(int gadgetClass, const String& text, int x, int y, int w, int h,
                              const Ref<TGadget>& group, int style) override;

    // The platform's object for a gadget class from its table, its native element made inside
    // the group with the style, and with the text for the classes made with one (text fields,
    // combo boxes, toolbars, menus, tree nodes); the desktop for class 0; null for a number
    // outside the classes.
    virtual Ref<TGadget> GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>& group,
                                                 int style, const String& text);
    virtual const TGadgetKinds& GadgetKinds() = 0;
    // The one desktop gadget, the group of windows made without one.
    virtual Ref<TGadget> DesktopGadget() = 0;
    // The font every new control starts with.
    virtual Ref<TGuiFont> DefaultGadgetFont() = 0;

  protected:
    // For a gadget class the platform has no native element for (yet): a runtime error that
    // names the kind and the platform, instead of a gadget that pretends. Answers null for a
    // number outside the gadget classes.
    Ref<TGadget> MissingGadgetKind(int gadgetClass, const String& platform);
};

// A tree node is made only under a node of a tree (the root from TreeViewRoot, or another
// node); every platform refuses any other parent with the same runtime error.
[[noreturn]] void RefuseTreeNodeParent();

} // namespace vandro
