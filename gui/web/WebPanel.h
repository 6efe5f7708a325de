// A panel: a container of gadgets, plain (with no border, a sunken or a raised one) or a group
// panel, a frame with its title round its client area. A plain panel shows a background colour
// and a background image in one of five layouts, both blended over its parent when its alpha
// is below 1; an active one takes the keys when clicked.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformPanel.h"

namespace vandro {

class TWebPanel : public TPlatformPanel<TWebGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    int Class() override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // A group panel's title.
    int ShowText(const String& text) override;
    int BorderWidth() override;
    // The image follows the panel's size.
    int RethinkClient(int redraw) override;
    // The colour and the opacity go to the background layer.
    void RefreshLook() override;

  protected:
    void ShowBackground(const Ref<TPixmap>& pixmap) override;

  private:
    // Lays the image out in the room inside the border by its layout.
    void PlaceImage();

    int _imageWidth = 0;
    int _imageHeight = 0;
};

} // namespace vandro
