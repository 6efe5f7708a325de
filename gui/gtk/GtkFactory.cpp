// The one place that maps gadget classes to GTK gadget classes. The kinds this platform does
// not have yet are refused by name, so that a program learns at once what it lacks.
#include "GtkButton.h"
#include "GtkDesktop.h"
#include "GtkGUIDriver.h"
#include "GtkLabel.h"
#include "GtkMenu.h"
#include "GtkPanel.h"
#include "GtkWindow.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

template <class T> Ref<TGadget> Make(const Ref<TGadget>& group, int style, const String& text) {
    return New<T>()->Create(group, style, text);
}

} // namespace

Ref<TGadget> TGtkGUIDriver::GadgetInstanceFromClass(int gadgetClass, const Ref<TGadget>& group,
                                                    int style, const String& text) {
    switch (gadgetClass) {
    case ClassDesktop:
        return GtkDriver().desktop;
    case ClassWindow:
        return Make<TGtkWindow>(group, style, {});
    case ClassButton:
        return Make<TGtkButton>(group, style, {});
    case ClassPanel:
        return Make<TGtkPanel>(group, style, {});
    case ClassLabel:
        return Make<TGtkLabel>(group, style, {});
    case ClassMenu:
        return New<TGtkMenu>()->Create(group, style, text);
    default:
        return MissingGadgetKind(gadgetClass, u"GTK");
    }
}

} // namespace vandro
