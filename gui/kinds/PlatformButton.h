// What every platform's button does the same way: its kind from the style, the text it keeps
// while an image-only button shows none, the check state a program sets (indeterminate only for
// a check box), which buttons take an image, which colours make a push button owner-drawn or a
// check box unthemed, and the "GadgetAction" a press raises with the state after it. The
// platform fills in the native half: the check mark shown and read, the image shown, and the
// look the colours call for.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsButton : public TPlatformButton<TWindowsGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "events/EventIds.h"
#include "graphics/Pixmap.h"
#include "gui/GadgetConstants.h"

#include <type_traits>
#include <utility>

namespace vandro {

template <class Base> class TPlatformButton : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order.
    // With 0x10 checked, and 0x40 as well when indeterminate.
    int State() override {
        const int check = NativeCheck();
        return Base::State() | (check == 1   ? StateChecked
                                : check == 2 ? StateChecked | StateIndeterminate
                                             : 0);
    }
    // The text is kept even while an image-only button shows none.
    int SetText(const String& text) override {
        const String previous = std::exchange(_strButtonText, text);
        if (ShowsImage() && Base::GetText() != previous)
            return 0;
        return Base::SetText(text);
    }
    String GetText() override { return _strButtonText; }
    // A colour makes a push button owner-drawn.
    int SetColor(int red, int green, int blue) override {
        if (Kind() == ButtonPush)
            ShowOwnerDrawn(true);
        return Base::SetColor(red, green, blue);
    }
    int RemoveColor() override {
        if (Kind() == ButtonPush)
            ShowOwnerDrawn(false);
        return Base::RemoveColor();
    }
    // A theme would paint a check box's or radio button's text in its own colour.
    int SetTextColor(int red, int green, int blue) override {
        const int kind = Kind();
        if (kind == ButtonPush)
            ShowOwnerDrawn(true);
        else if ((kind == ButtonCheckBox || kind == ButtonRadio) && !(this->style & ButtonPushLike))
            ShowUnthemed();
        return Base::SetTextColor(red, green, blue);
    }
    // With flag 8 an image, on a push button with style bit 8 or a Cancel button; flag 16
    // shows the image without the text. Answers 1 when the image was taken.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override {
        if (!(flags & 8) || !((this->style & ButtonPushLike) || this->style == ButtonCancel))
            return 0;
        return ShowImage(pixmap, (flags & 16) != 0);
    }
    // 0 unchecked, -1 indeterminate (check boxes only), anything else checked. Only check boxes
    // and radio buttons hold a state, and a radio button's own only: its group is the user's.
    int SetSelected(int state) override {
        const int kind = Kind();
        if (kind == ButtonCheckBox || kind == ButtonRadio)
            ShowCheck(state == 0 ? 0 : state == -1 && kind == ButtonCheckBox ? 2 : 1);
        return 0;
    }
    int Class() override { return ClassButton; }

    // Its own.
    // ButtonPush, ButtonCheckBox, ButtonRadio, ButtonOk or ButtonCancel: style & 7, with 1, 6
    // and 7 as push buttons.
    int Kind() const {
        const int kind = this->style & 7;
        return kind == 1 || kind == 6 || kind == 7 ? ButtonPush : kind;
    }
    // The press the element reported: "GadgetAction" with -1 indeterminate, 1 checked, else 0.
    // A press checks a radio button and unchecks the other radio buttons of its container, and
    // those only: a group frame beside it holds a group of its own.
    void RaiseAction() {
        if (Kind() == ButtonRadio) {
            ShowCheck(1);
            UncheckOtherRadios();
        }
        const int state = State();
        const int data = (state & StateIndeterminate) ? -1 : (state & StateChecked) ? 1 : 0;
        this->PostGuiEvent(GadgetAction, data, 0, 0, 0, {});
    }

    String _strButtonText;

  protected:
    void UncheckOtherRadios() {
        if (!this->parent)
            return;
        for (const Object& kid : *this->parent->kids) {
            const auto other = Cast<TGadget>(kid);
            if (other && other.get() != this && other->Class() == ClassButton &&
                (other->style & 7) == ButtonRadio)
                other->SetSelected(0);
        }
    }

    // The native half. The mark: 0 none, 1 checked, 2 indeterminate.
    virtual int NativeCheck() = 0;
    virtual void ShowCheck(int check) = 0;
    // Shows the image (null: none), alone when imageOnly; answers 1 when taken.
    virtual int ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) = 0;
    // True while an image stands in for the text the element shows.
    virtual bool ShowsImage() = 0;
    // A push button's owner drawing on or off; a platform that draws colours itself ignores it.
    virtual void ShowOwnerDrawn(bool) {}
    // A check box or radio button drops the theme that would hide its text colour.
    virtual void ShowUnthemed() {}
};

} // namespace vandro
