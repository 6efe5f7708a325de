// What every platform's panel does the same way: the kind its style makes (a plain panel, a
// group frame around a client area 8 narrower and 20 lower, or a canvas the program paints),
// and the opacity and image layout a plain panel keeps. The platform makes the native element
// and paints the background.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsPanel : public TPlatformPanel<TWindowsGadget> { ... };
#pragma once

#include "PlatformGadget.h"
#include "graphics/Pixmap.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

#include <algorithm>
#include <type_traits>

namespace vandro {

enum PanelType : int {
    PanelPlain = 0,
    PanelGroup = 1,
    PanelCanvas = 2,
};

template <class Base> class TPlatformPanel : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order.
    // A group frame's client area is 8 narrower and 20 lower than the frame's, never below 0.
    int ClientWidth() override {
        return std::max(Base::ClientWidth() - (_type == PanelGroup ? 8 : 0), 0);
    }
    int ClientHeight() override {
        return std::max(Base::ClientHeight() - (_type == PanelGroup ? 20 : 0), 0);
    }
    // The opacity over the parent, 1 opaque; the panel is drawn again.
    int SetAlpha(float alpha) override {
        _alpha = alpha;
        return this->Activate(ActivateRedraw);
    }
    // The background image (null: none) with its layout in the low three bits of flags; without
    // an image the last layout stays. The panel is drawn again; the answer is always 0.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override {
        if (pixmap)
            _bitmapflags = flags;
        ShowBackground(pixmap);
        this->Activate(ActivateRedraw);
        return 0;
    }

    // Its own: the kind a style makes, style 3 a group frame, bit 8 a canvas.
    static int TypeOfStyle(int style) {
        return (style & 3) == PanelGroupFrame ? PanelGroup
               : (style & PanelCanvasStyle)   ? PanelCanvas
                                              : PanelPlain;
    }

    int _type = PanelPlain;
    float _alpha = 1.0f;
    // The image layout in the low three bits.
    int _bitmapflags = 0;

  protected:
    // The native half: takes the image the background shows, null for none. The base's
    // background colour switch keeps its name beside it.
    using Base::ShowBackground;
    virtual void ShowBackground(const Ref<TPixmap>& pixmap) = 0;
};

} // namespace vandro
