// What every platform's text field does the same way: focusing it selects the whole text, the
// program's own text raises nothing (the element keeps its selection), every change the user
// makes raises "GadgetAction", and losing the focus collapses the selection and raises
// "GadgetLostFocus". The platform fills in the native half: select all, collapse the selection.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsTextField : public TPlatformTextField<TWindowsGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

#include <type_traits>

namespace vandro {

template <class Base> class TPlatformTextField : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order.
    // Focus (0) selects the whole text first.
    int Activate(int command) override {
        if (command == ActivateFocus && this->NativeHandle(0))
            SelectAllNative();
        return Base::Activate(command);
    }
    int SetText(const String& text) override {
        ++_busy;
        Base::SetText(text);
        --_busy;
        return 0;
    }
    int Class() override { return ClassTextField; }

    // Its own.
    // Style bit 1 hides the characters.
    bool Password() const { return (this->style & TextFieldPassword) != 0; }
    // What the element reports: its text changed, it lost the keyboard focus.
    void ReportChange() {
        if (!_busy)
            this->PostGuiEvent(GadgetAction, 0, 0, 0, 0, {});
    }
    void ReportFocusLost() {
        if (this->NativeHandle(0))
            CollapseSelection();
        this->PostGuiEvent(GadgetLostFocus, 0, 0, 0, 0, {});
    }
    // Enter ends the input: the group around the field takes the focus, and the field raises
    // GadgetLostFocus as it goes.
    void ReportEnter() {
        if (auto* group = dynamic_cast<TPlatformGadget*>(this->parent))
            group->FocusElement();
    }

    // Non-zero while the program changes the text.
    int _busy = 0;

  protected:
    // The native half.
    virtual void SelectAllNative() = 0;
    virtual void CollapseSelection() = 0;
};

} // namespace vandro
