// A gadget that stands in front of another, its target: almost every operation is passed on,
// and the target reports its events as coming from the outermost proxy. The proxy owns its
// target; the target's source link back is a plain pointer this proxy clears.
#pragma once

#include "Gadget.h"

namespace vandro {

class TProxyGadget : public TGadget {
  public:
    // Fronts the blank gadget until a target is set; null before the core has started.
    TProxyGadget();
    ~TProxyGadget() override;

    int HasDescendant(const Ref<TGadget>& gadget) override;
    int GetXPos() override;
    int GetYPos() override;
    int GetWidth() override;
    int GetHeight() override;
    Ref<TGadget> GetGroup() override;
    int SetShape(int x, int y, int w, int h) override;
    int SetLayout(int left, int right, int top, int bottom) override;
    int Clear() override;
    int InsertItem(int index, const String& text, const String& tip, int icon, const Object& extra,
                   int flags) override;
    int SetItem(int index, const String& text, const String& tip, int icon, const Object& extra,
                int flags) override;
    int RemoveItem(int index) override;
    int ItemCount() override;
    String ItemText(int index) override;
    String ItemTip(int index) override;
    int ItemFlags(int index) override;
    int ItemIcon(int index) override;
    Object ItemExtra(int index) override;
    int SetItemState(int index, int state) override;
    int ItemState(int index) override;
    int SelectItem(int index, int op) override;
    int SelectedItem() override;
    std::vector<int> SelectedItems() override;
    int Query(int what) override;
    int CleanUp() override;
    int Free() override;
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int Activate(int command) override;
    int State() override;
    int SetText(const String& text) override;
    String GetText() override;
    int SetFont(const Ref<TGuiFont>& font) override;
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetAlpha(float alpha) override;
    int SetTextColor(int red, int green, int blue) override;
    int SetTooltip(const String& tip) override;
    String GetTooltip() override;
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    int SetIconStrip(const Ref<TIconStrip>& strip) override;
    int SetShow(int show) override;
    int SetEnabled(int enabled) override;
    int SetSelected(int selected) override;
    int SetHotKey(int key, int modifiers) override;
    int SetSensitivity(int flags) override;
    int GetSensitivity() override;
    int Class() override;
    // The proxy has no status text of its own, and does not ask the target for one.
    String GetStatusText() override;
    int SetStatusText(const String& text) override;
    Ref<TGadget> GetMenu() override;
    int PopupMenu(const Ref<TGadget>& menu, const Object& extra) override;
    int UpdateMenu() override;
    int SetMinimumSize(int width, int height) override;
    int SetMaximumSize(int width, int height) override;
    int ClearListItems() override;
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override;
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object& extra) override;
    int RemoveListItem(int index) override;
    int SetListItemState(int index, int state) override;
    int ListItemState(int index) override;
    Ref<TGadget> RootNode() override;
    Ref<TGadget> InsertNode(int index, const String& text, int icon) override;
    int ModifyNode(const String& text, int icon) override;
    Ref<TGadget> SelectedNode() override;
    int CountKids() override;
    int ReplaceText(int position, int length, const String& text, int units) override;
    int AddText(const String& text) override;
    String AreaText(int position, int length, int units) override;
    int AreaLen(int units) override;
    int LockText() override;
    int UnlockText() override;
    int SetTabs(int tabs) override;
    int SetMargins(int margin) override;
    int GetCursorPos(int units) override;
    int GetSelectionLength(int units) override;
    int SetStyle(int red, int green, int blue, int flags, int position, int length,
                 int units) override;
    int SetSelection(int position, int length, int units) override;
    int CharX(int index) override;
    int CharY(int index) override;
    int CharAt(int line) override;
    int LineAt(int index) override;
    int SetValue(float value) override;
    int SetRange(int low, int high) override;
    int SetProp(int value) override;
    int GetProp() override;
    Object AttachGraphics(int flags) override;
    Object CanvasGraphics() override;
    String Run(const String& script) override;

    // The proxy's own operations, after the last gadget operation.
    // Raises a runtime error for a target that leads back to this proxy.
    virtual int SetProxy(const Ref<TGadget>& gadget);
    virtual Ref<TGadget> GetProxy();
    // The status text through this proxy's own SetStatusText, and so the target's.
    virtual int SetStatus(const String& text);

    Ref<TGadget> proxy;
};

} // namespace vandro
