// Gadget class 10: a tree of nodes with lines and buttons, dragging allowed with style bit 1.
// Choosing a node raises "GadgetSelect", opening and closing one "GadgetOpen" and
// "GadgetClose", a double click or Enter "GadgetAction", a right click "GadgetMenu", and the
// start of a drag "GadgetDrag" (the drop comes from the driver's mouse hook).
#pragma once

#include "WindowsGadget.h"
#include "WindowsIconStrip.h"
#include "WindowsTreeNode.h"

#include "gui/kinds/PlatformTreeView.h"

namespace vandro {

class TWindowsTreeView : public TPlatformTreeView<TWindowsGadget, TWindowsTreeNode> {
  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    int SetIconStrip(const Ref<TIconStrip>& strip) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam) override;
    // Taking the focus chooses no node.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Its own: the "Explorer" look, when the driver asks for it and themes are there.
    virtual int UseExplorerTheme();

    Ref<TWindowsIconStrip> _icons;

  private:
    // The chosen item, null for none.
    HTREEITEM Caret();
    Ref<TWindowsTreeNode> NodeUnderPointer(POINT& client);
    void StartDrag(int button, const NMTREEVIEWW& drag);

    // While the tree takes the focus without a choice.
    bool _focusing = false;
};

} // namespace vandro
