// Gadget classes 3 and 17: a container in which other gadgets are laid out. A plain panel
// (optionally with a sunken or raised border) paints a background colour, a background image in
// one of five layouts and an opacity over its parent, through a back buffer when it needs one;
// a group panel is a captioned frame around an inner client window; a canvas is painted by the
// program, which it asks with one "GadgetPaint" per paint request.
#pragma once

#include "WindowsGadget.h"

#include "graphics/Pixmap.h"
#include "gui/kinds/PanelImage.h"
#include "gui/kinds/PlatformPanel.h"

namespace vandro {

class TWindowsPanel : public TPlatformPanel<TWindowsGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override;
    // A canvas's redraw asks for a paint without erasing.
    int Activate(int command) override;
    int Class() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // Places a group frame's inner client window.
    int RethinkClient(int repaint) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // With recurse nonzero, the brushes of every child that is a Windows gadget as well.
    int FlushBrushes(int recurse) override;

    // Its own: the background (colour, image, opacity) of hwnd into dc; answers 1.
    int PaintBackground(HDC dc, HWND hwnd);

    int _bitmapwidth = 0;
    int _bitmapheight = 0;
    int _hasalpha = 0;

  protected:
    // Null removes the image and keeps the last size.
    void ShowBackground(const Ref<TPixmap>& pixmap) override;
    // The canvas graphics, bound to the panel's window.
    Ref<TCanvasPainter> NewPainter() override;

  private:
    void DrawImage(HDC target, int panelWidth, int panelHeight);
    void Blit(HDC target, HDC source, int x, int y, int w, int h);
};

} // namespace vandro
