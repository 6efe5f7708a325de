// What every platform's label does the same way: its style's frame and alignment, a separator
// that is 2 pixels across its shorter side and keeps its (empty) text, and no events. The
// platform makes the native element and shows the style; a separator's direction may follow
// its rectangle.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsLabel : public TPlatformLabel<TWindowsGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "gui/GadgetConstants.h"

#include <type_traits>

namespace vandro {

template <class Base> class TPlatformLabel : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order.
    int SetArea(int x, int y, int w, int h) override {
        if (Frame() == LabelSeparator) {
            if (w > h)
                h = 2;
            else
                w = 2;
            ShowSeparatorDirection(w > h);
        }
        return Base::SetArea(x, y, w, h);
    }
    int SetText(const String& text) override {
        if (Frame() == LabelSeparator)
            return 0;
        return Base::SetText(text);
    }
    int Class() override { return ClassLabel; }

    // Its own.
    // LabelRightAligned or LabelCentred; both bits together, or neither, left-align.
    int Alignment() const {
        const int alignment = this->style & (LabelRightAligned | LabelCentred);
        return alignment == LabelRightAligned || alignment == LabelCentred ? alignment
                                                                           : LabelLeftAligned;
    }
    // The low three bits of the style; 4 to 7 draw no frame.
    int Frame() const {
        const int frame = this->style & 7;
        return frame <= LabelSeparator ? frame : LabelNoFrame;
    }
    bool IsSeparator() const { return Frame() == LabelSeparator; }
    // The width of a plain or sunken frame, 0 for none.
    int FrameWidth() const {
        return Frame() == LabelPlainFrame || Frame() == LabelSunkenFrame ? 1 : 0;
    }

  protected:
    // The native half: a separator lies across (true) or upright, as its rectangle now does.
    virtual void ShowSeparatorDirection(bool) {}
};

} // namespace vandro
