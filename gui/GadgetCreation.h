// One creation function per gadget kind. Each asks the current driver for the gadget and
// answers null when the driver cannot make it; a proxy passed as the group stands for the
// gadget it fronts.
#pragma once

#include "Gadget.h"
#include "IconStrip.h"

namespace vandro {

// The styles the core itself reads.
enum CreationStyle : int {
    // CreateWindow centres the window on its group, or on the desktop without one.
    StyleCentred = 0x200,
};

// The gadget a chain of proxies fronts; any other gadget itself.
Ref<TGadget> RealGadget(const Ref<TGadget>& gadget);

Ref<TGadget> Desktop();
Ref<TGadget> CreateWindow(const String& text, int x, int y, int w, int h, const Ref<TGadget>& group,
                          int style);
Ref<TGadget> CreateButton(const String& text, int x, int y, int w, int h, const Ref<TGadget>& group,
                          int style);
// The text comes last.
Ref<TGadget> CreatePanel(int x, int y, int w, int h, const Ref<TGadget>& group, int style,
                         const String& text = {});
Ref<TGadget> CreateTextField(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateTextArea(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateComboBox(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateListBox(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
// One item per icon of the strip: the source itself when it is a TIconStrip, else what the
// driver loads from it. The group is passed as given, proxies included.
Ref<TGadget> CreateToolbar(const Object& source, int x, int y, int w, int h,
                           const Ref<TGadget>& group, int style);
Ref<TGadget> CreateTabber(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateTreeView(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateHTMLView(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateLabel(const String& text, int x, int y, int w, int h, const Ref<TGadget>& group,
                         int style);
Ref<TGadget> CreateSlider(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
Ref<TGadget> CreateProgressBar(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
// The tag comes back as the data of the menu's MenuAction; an empty text is a separator. The
// parent is a window's menu root (GetWindowMenu) or another menu.
Ref<TGadget> CreateMenu(const String& text, int tag, const Ref<TGadget>& parent, int hotKey = 0,
                        int modifiers = 0);
// Attaches graphics with the current default graphics flags.
Ref<TGadget> CreateCanvas(int x, int y, int w, int h, const Ref<TGadget>& group, int style);
// The parent is a tree view's root (TreeViewRoot) or a node.
Ref<TGadget> AddTreeNode(const String& text, const Ref<TGadget>& parent, int icon,
                         const Object& extra);
Ref<TGadget> InsertTreeNode(int index, const String& text, const Ref<TGadget>& parent, int icon,
                            const Object& extra);

} // namespace vandro
