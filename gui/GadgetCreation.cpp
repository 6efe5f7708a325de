#include "GadgetCreation.h"

#include "DriverFunctions.h"
#include "GadgetConstants.h"
#include "GadgetItemFunctions.h"
#include "ProxyGadget.h"
#include "ToolkitStart.h"
#include "gui/localization/LocalizationEngine.h"

#include <algorithm>

namespace vandro {

namespace {

Ref<TGadget> Create(int gadgetClass, const String& text, int x, int y, int w, int h,
                    const Ref<TGadget>& group, int style) {
    return CurrentDriver()->CreateGadget(gadgetClass, text, x, y, w, h, RealGadget(group), style);
}

// Signed halving toward zero, as C++ division does.
void Centre(int& x, int& y, int w, int h, const Ref<TGadget>& group) {
    if (!group) {
        const Ref<TGadget> desktop = Desktop();
        const int dw = std::min(desktop->GetWidth(), desktop->ClientWidth());
        const int dh = std::min(desktop->GetHeight(), desktop->ClientHeight());
        x = (dw - w) / 2;
        y = (dh - h) / 2;
        return;
    }
    x = group->GetXPos() + (group->GetWidth() - w) / 2;
    y = group->GetYPos() + (group->GetHeight() - h) / 2;
}

} // namespace

Ref<TGadget> RealGadget(const Ref<TGadget>& gadget) {
    Ref<TGadget> real = gadget;
    while (auto proxy = Cast<TProxyGadget>(real))
        real = proxy->proxy;
    return real;
}

Ref<TGadget> Desktop() {
    return CurrentDriver()->CreateGadget(ClassDesktop, {}, 0, 0, 0, 0, {}, 0);
}

Ref<TGadget> CreateWindow(const String& text, int x, int y, int w, int h, const Ref<TGadget>& group,
                          int style) {
    if (style & StyleCentred)
        Centre(x, y, w, h, group);
    return Create(ClassWindow, text, x, y, w, h, group, style);
}

Ref<TGadget> CreateButton(const String& text, int x, int y, int w, int h, const Ref<TGadget>& group,
                          int style) {
    return Create(ClassButton, text, x, y, w, h, group, style);
}

Ref<TGadget> CreatePanel(int x, int y, int w, int h, const Ref<TGadget>& group, int style,
                         const String& text) {
    return Create(ClassPanel, text, x, y, w, h, group, style);
}

Ref<TGadget> CreateTextField(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassTextField, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateTextArea(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassTextArea, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateComboBox(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassComboBox, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateListBox(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassListBox, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateToolbar(const Object& source, int x, int y, int w, int h,
                           const Ref<TGadget>& group, int style) {
    Ref<TIconStrip> strip = Cast<TIconStrip>(source);
    const Ref<TGadget> toolbar =
        CurrentDriver()->CreateGadget(ClassToolbar, {}, x, y, w, h, group, style);
    if (!toolbar)
        return {};
    if (!strip)
        strip = CurrentDriver()->LoadIconStrip(source);
    const int flags =
        TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeKeysAtCreation
            ? ItemFlagLocalized
            : 0;
    if (!strip)
        return toolbar;
    toolbar->SetIconStrip(strip);
    for (int i = 0; i < strip->count; ++i)
        AddGadgetItem(toolbar, {}, flags, i, {}, {});
    return toolbar;
}

Ref<TGadget> CreateTabber(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassTabber, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateTreeView(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassTreeView, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateHTMLView(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassHTMLView, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateLabel(const String& text, int x, int y, int w, int h, const Ref<TGadget>& group,
                         int style) {
    return Create(ClassLabel, text, x, y, w, h, group, style);
}

Ref<TGadget> CreateSlider(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassSlider, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateProgressBar(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    return Create(ClassProgressBar, {}, x, y, w, h, group, style);
}

Ref<TGadget> CreateMenu(const String& text, int tag, const Ref<TGadget>& parent, int hotKey,
                        int modifiers) {
    const Ref<TGadget> menu = Create(ClassMenu, text, 0, 0, 0, 0, parent, tag);
    if (menu && hotKey)
        menu->SetHotKey(hotKey, modifiers);
    return menu;
}

Ref<TGadget> CreateCanvas(int x, int y, int w, int h, const Ref<TGadget>& group, int style) {
    const Ref<TGadget> canvas = Create(ClassCanvas, {}, x, y, w, h, group, style);
    canvas->AttachGraphics(DefaultGraphicsFlags());
    return canvas;
}

Ref<TGadget> AddTreeNode(const String& text, const Ref<TGadget>& parent, int icon,
                         const Object& extra) {
    return InsertTreeNode(-1, text, parent, icon, extra);
}

Ref<TGadget> InsertTreeNode(int index, const String& text, const Ref<TGadget>& parent, int icon,
                            const Object& extra) {
    const Ref<TGadget> node = parent->InsertNode(index, text, icon);
    if (node)
        node->extra = extra;
    return node;
}

} // namespace vandro
