#include "ProxyGadget.h"

#include "GadgetCore.h"

namespace vandro {

TProxyGadget::TProxyGadget() : proxy(BlankGadget()) {}

TProxyGadget::~TProxyGadget() {
    if (proxy && proxy->source == this)
        proxy->source = nullptr;
}

int TProxyGadget::SetProxy(const Ref<TGadget>& gadget) {
    // A ring of proxies would forward forever and never be released.
    for (auto inner = Cast<TProxyGadget>(gadget); inner; inner = Cast<TProxyGadget>(inner->proxy))
        if (inner == this)
            RuntimeError(u"A proxy cannot front itself, not even through others");
    if (proxy && proxy->source == this)
        proxy->source = nullptr;
    proxy = gadget;
    if (gadget)
        gadget->source = this;
    return 0;
}

Ref<TGadget> TProxyGadget::GetProxy() { return proxy; }
int TProxyGadget::SetStatus(const String& text) { return SetStatusText(text); }

int TProxyGadget::SetShape(int x, int y, int w, int h) {
    proxy->SetShape(x, y, w, h);
    return 0;
}

int TProxyGadget::SetLayout(int left, int right, int top, int bottom) {
    proxy->SetLayout(left, right, top, bottom);
    return 0;
}

String TProxyGadget::GetStatusText() { return {}; }

// Everything else is the target's.
int TProxyGadget::HasDescendant(const Ref<TGadget>& gadget) { return proxy->HasDescendant(gadget); }
int TProxyGadget::GetXPos() { return proxy->GetXPos(); }
int TProxyGadget::GetYPos() { return proxy->GetYPos(); }
int TProxyGadget::GetWidth() { return proxy->GetWidth(); }
int TProxyGadget::GetHeight() { return proxy->GetHeight(); }
Ref<TGadget> TProxyGadget::GetGroup() { return proxy->GetGroup(); }
int TProxyGadget::Clear() { return proxy->Clear(); }
int TProxyGadget::InsertItem(int index, const String& text, const String& tip, int icon,
                             const Object& extra, int flags) {
    return proxy->InsertItem(index, text, tip, icon, extra, flags);
}
int TProxyGadget::SetItem(int index, const String& text, const String& tip, int icon,
                          const Object& extra, int flags) {
    return proxy->SetItem(index, text, tip, icon, extra, flags);
}
int TProxyGadget::RemoveItem(int index) { return proxy->RemoveItem(index); }
int TProxyGadget::ItemCount() { return proxy->ItemCount(); }
String TProxyGadget::ItemText(int index) { return proxy->ItemText(index); }
String TProxyGadget::ItemTip(int index) { return proxy->ItemTip(index); }
int TProxyGadget::ItemFlags(int index) { return proxy->ItemFlags(index); }
int TProxyGadget::ItemIcon(int index) { return proxy->ItemIcon(index); }
Object TProxyGadget::ItemExtra(int index) { return proxy->ItemExtra(index); }
int TProxyGadget::SetItemState(int index, int state) { return proxy->SetItemState(index, state); }
int TProxyGadget::ItemState(int index) { return proxy->ItemState(index); }
int TProxyGadget::SelectItem(int index, int op) { return proxy->SelectItem(index, op); }
int TProxyGadget::SelectedItem() { return proxy->SelectedItem(); }
std::vector<int> TProxyGadget::SelectedItems() { return proxy->SelectedItems(); }
int TProxyGadget::Query(int what) { return proxy->Query(what); }
int TProxyGadget::CleanUp() { return proxy->CleanUp(); }
int TProxyGadget::Free() { return proxy->Free(); }
int TProxyGadget::Rethink() { return proxy->Rethink(); }
int TProxyGadget::ClientWidth() { return proxy->ClientWidth(); }
int TProxyGadget::ClientHeight() { return proxy->ClientHeight(); }
int TProxyGadget::Activate(int command) { return proxy->Activate(command); }
int TProxyGadget::State() { return proxy->State(); }
int TProxyGadget::SetText(const String& text) { return proxy->SetText(text); }
String TProxyGadget::GetText() { return proxy->GetText(); }
int TProxyGadget::SetFont(const Ref<TGuiFont>& font) { return proxy->SetFont(font); }
int TProxyGadget::SetColor(int red, int green, int blue) {
    return proxy->SetColor(red, green, blue);
}
int TProxyGadget::RemoveColor() { return proxy->RemoveColor(); }
int TProxyGadget::SetAlpha(float alpha) { return proxy->SetAlpha(alpha); }
int TProxyGadget::SetTextColor(int red, int green, int blue) {
    return proxy->SetTextColor(red, green, blue);
}
int TProxyGadget::SetTooltip(const String& tip) { return proxy->SetTooltip(tip); }
String TProxyGadget::GetTooltip() { return proxy->GetTooltip(); }
int TProxyGadget::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    return proxy->SetPixmap(pixmap, flags);
}
int TProxyGadget::SetIconStrip(const Ref<TIconStrip>& strip) { return proxy->SetIconStrip(strip); }
int TProxyGadget::SetShow(int show) { return proxy->SetShow(show); }
int TProxyGadget::SetEnabled(int enabled) { return proxy->SetEnabled(enabled); }
int TProxyGadget::SetSelected(int selected) { return proxy->SetSelected(selected); }
int TProxyGadget::SetHotKey(int key, int modifiers) { return proxy->SetHotKey(key, modifiers); }
int TProxyGadget::SetSensitivity(int flags) { return proxy->SetSensitivity(flags); }
int TProxyGadget::GetSensitivity() { return proxy->GetSensitivity(); }
int TProxyGadget::Class() { return proxy->Class(); }
int TProxyGadget::SetStatusText(const String& text) { return proxy->SetStatusText(text); }
Ref<TGadget> TProxyGadget::GetMenu() { return proxy->GetMenu(); }
int TProxyGadget::PopupMenu(const Ref<TGadget>& menu, const Object& extra) {
    return proxy->PopupMenu(menu, extra);
}
int TProxyGadget::UpdateMenu() { return proxy->UpdateMenu(); }
int TProxyGadget::SetMinimumSize(int width, int height) {
    return proxy->SetMinimumSize(width, height);
}
int TProxyGadget::SetMaximumSize(int width, int height) {
    return proxy->SetMaximumSize(width, height);
}
int TProxyGadget::ClearListItems() { return proxy->ClearListItems(); }
int TProxyGadget::InsertListItem(int index, const String& text, const String& tip, int icon,
                                 const Object& extra) {
    return proxy->InsertListItem(index, text, tip, icon, extra);
}
int TProxyGadget::SetListItem(int index, const String& text, const String& tip, int icon,
                              const Object& extra) {
    return proxy->SetListItem(index, text, tip, icon, extra);
}
int TProxyGadget::RemoveListItem(int index) { return proxy->RemoveListItem(index); }
int TProxyGadget::SetListItemState(int index, int state) {
    return proxy->SetListItemState(index, state);
}
int TProxyGadget::ListItemState(int index) { return proxy->ListItemState(index); }
Ref<TGadget> TProxyGadget::RootNode() { return proxy->RootNode(); }
Ref<TGadget> TProxyGadget::InsertNode(int index, const String& text, int icon) {
    return proxy->InsertNode(index, text, icon);
}
int TProxyGadget::ModifyNode(const String& text, int icon) { return proxy->ModifyNode(text, icon); }
Ref<TGadget> TProxyGadget::SelectedNode() { return proxy->SelectedNode(); }
int TProxyGadget::CountKids() { return proxy->CountKids(); }
int TProxyGadget::ReplaceText(int position, int length, const String& text, int units) {
    return proxy->ReplaceText(position, length, text, units);
}
int TProxyGadget::AddText(const String& text) { return proxy->AddText(text); }
String TProxyGadget::AreaText(int position, int length, int units) {
    return proxy->AreaText(position, length, units);
}
int TProxyGadget::AreaLen(int units) { return proxy->AreaLen(units); }
int TProxyGadget::LockText() { return proxy->LockText(); }
int TProxyGadget::UnlockText() { return proxy->UnlockText(); }
int TProxyGadget::SetTabs(int tabs) { return proxy->SetTabs(tabs); }
int TProxyGadget::SetMargins(int margin) { return proxy->SetMargins(margin); }
int TProxyGadget::GetCursorPos(int units) { return proxy->GetCursorPos(units); }
int TProxyGadget::GetSelectionLength(int units) { return proxy->GetSelectionLength(units); }
int TProxyGadget::SetStyle(int red, int green, int blue, int flags, int position, int length,
                           int units) {
    return proxy->SetStyle(red, green, blue, flags, position, length, units);
}
int TProxyGadget::SetSelection(int position, int length, int units) {
    return proxy->SetSelection(position, length, units);
}
int TProxyGadget::CharX(int index) { return proxy->CharX(index); }
int TProxyGadget::CharY(int index) { return proxy->CharY(index); }
int TProxyGadget::CharAt(int line) { return proxy->CharAt(line); }
int TProxyGadget::LineAt(int index) { return proxy->LineAt(index); }
int TProxyGadget::SetValue(float value) { return proxy->SetValue(value); }
int TProxyGadget::SetRange(int low, int high) { return proxy->SetRange(low, high); }
int TProxyGadget::SetProp(int value) { return proxy->SetProp(value); }
int TProxyGadget::GetProp() { return proxy->GetProp(); }
Object TProxyGadget::AttachGraphics(int flags) { return proxy->AttachGraphics(flags); }
Object TProxyGadget::CanvasGraphics() { return proxy->CanvasGraphics(); }
String TProxyGadget::Run(const String& script) { return proxy->Run(script); }

} // namespace vandro
