#include "WebPanel.h"

#include "WebGUIDriver.h"
#include "WebPanelDom.h"
#include "WebPixels.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/PanelImage.h"

namespace vandro {

int TWebPanel::Class() { return ClassPanel; }

Ref<TGadget> TWebPanel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    _type = TypeOfStyle(style);
    const int handle = NewElementHandle();
    const int client = _type == PanelGroup ? NewElementHandle() : 0;
    const int active = style & PanelActive ? 1 : 0;
    vandro_panel_make(handle, client, GroupClient(group), _type, BorderWidth() ? style & 3 : 0,
                      active);
    Register(ClassPanel, handle, client);
    if (active)
        sensitivity = 3;
    return Ref<TGadget>(this);
}

int TWebPanel::ShowText(const String& text) {
    if (_hwnd)
        vandro_panel_title(_hwnd, text.data(), static_cast<int>(text.size()));
    return 0;
}

int TWebPanel::BorderWidth() {
    return (style & 3) == PanelSunkenBorder || (style & 3) == PanelRaisedBorder ? 1 : 0;
}

int TWebPanel::RethinkClient(int) {
    PlaceImage();
    return 0;
}

void TWebPanel::RefreshLook() {
    // The panel's layer shows the background, faded by the panel's opacity.
    ShowLook(-1);
    if (_hwnd)
        vandro_panel_back(_hwnd, _bgshown ? _bgcolor : -1, PanelOpacity(_alpha));
    PlaceImage();
}

void TWebPanel::ShowBackground(const Ref<TPixmap>& pixmap) {
    if (!_hwnd)
        return;
    const std::vector<unsigned char> rgba = RgbaBytes(pixmap);
    _imageWidth = rgba.empty() ? 0 : pixmap->width;
    _imageHeight = rgba.empty() ? 0 : pixmap->height;
    vandro_panel_picture(_hwnd, rgba.empty() ? nullptr : rgba.data(), _imageWidth, _imageHeight);
}

void TWebPanel::PlaceImage() {
    if (!_hwnd)
        return;
    const int mode = _bitmapflags & 7;
    TImagePlace placed;
    if (!PlacePanelImage(mode, ClientWidth(), ClientHeight(), _imageWidth, _imageHeight, placed))
        placed = {};
    vandro_panel_place_picture(_hwnd, placed.x, placed.y, placed.w, placed.h,
                               mode == PanelImageTiled ? 1 : 0);
}

} // namespace vandro
