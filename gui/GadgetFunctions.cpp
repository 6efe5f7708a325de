#include "GadgetFunctions.h"

#include "GadgetConstants.h"
#include "ToolkitStart.h"

namespace vandro {

namespace {

// Whether the gadget, or with recursion any group around it, has the state bit.
int HasStateBit(const Ref<TGadget>& gadget, int bit, int recursive) {
    if (!recursive)
        return (gadget->State() & bit) ? 1 : 0;
    for (TGadget* g = &*gadget; g; g = g->parent)
        if (g->State() & bit)
            return 1;
    return 0;
}

} // namespace

int FreeGadget(const Ref<TGadget>& gadget) {
    gadget->CleanUp();
    return 0;
}
int GadgetX(const Ref<TGadget>& gadget) { return gadget->GetXPos(); }
int GadgetY(const Ref<TGadget>& gadget) { return gadget->GetYPos(); }
int GadgetWidth(const Ref<TGadget>& gadget) { return gadget->GetWidth(); }
int GadgetHeight(const Ref<TGadget>& gadget) { return gadget->GetHeight(); }
int GadgetClientWidth(const Ref<TGadget>& gadget) { return gadget->ClientWidth(); }
int GadgetClientHeight(const Ref<TGadget>& gadget) { return gadget->ClientHeight(); }
Ref<TGadget> GadgetGroup(const Ref<TGadget>& gadget) { return gadget->GetGroup(); }
int GadgetClass(const Ref<TGadget>& gadget) { return gadget->Class(); }
int ShowGadget(const Ref<TGadget>& gadget) {
    gadget->SetShow(1);
    return 0;
}
int HideGadget(const Ref<TGadget>& gadget) {
    gadget->SetShow(0);
    return 0;
}
int EnableGadget(const Ref<TGadget>& gadget) {
    gadget->SetEnabled(1);
    return 0;
}
int DisableGadget(const Ref<TGadget>& gadget) {
    gadget->SetEnabled(0);
    return 0;
}

int IsGadgetHidden(const Ref<TGadget>& gadget, int recursive) {
    return HasStateBit(gadget, StateHidden, recursive);
}

int IsGadgetDisabled(const Ref<TGadget>& gadget, int recursive) {
    return HasStateBit(gadget, StateDisabled, recursive);
}

int SetGadgetShape(const Ref<TGadget>& gadget, int x, int y, int w, int h) {
    gadget->SetShape(x, y, w, h);
    return 0;
}

int SetGadgetLayout(const Ref<TGadget>& gadget, int left, int right, int top, int bottom) {
    gadget->SetLayout(left, right, top, bottom);
    return 0;
}

int SetGadgetSensitivity(const Ref<TGadget>& gadget, int flags) {
    gadget->SetSensitivity(flags);
    return 0;
}

int GadgetSensitivity(const Ref<TGadget>& gadget) { return gadget->GetSensitivity(); }

int SetGadgetExtra(const Ref<TGadget>& gadget, const Object& extra) {
    gadget->extra = extra;
    return 0;
}

Object GadgetExtra(const Ref<TGadget>& gadget) { return gadget->extra; }

int SetGadgetFilter(const Ref<TGadget>& gadget, EventFilter filter, const Object& context) {
    gadget->SetFilter(filter, context);
    return 0;
}

int QueryGadget(const Ref<TGadget>& gadget, int what) { return gadget->Query(what); }
int FocusGadget(const Ref<TGadget>& gadget) {
    gadget->Activate(ActivateFocus);
    return 0;
}
int CutGadgetText(const Ref<TGadget>& gadget) {
    gadget->Activate(ActivateCut);
    return 0;
}
int CopyGadgetText(const Ref<TGadget>& gadget) {
    gadget->Activate(ActivateCopy);
    return 0;
}
int PasteGadgetText(const Ref<TGadget>& gadget) {
    gadget->Activate(ActivatePaste);
    return 0;
}
int PrintGadget(const Ref<TGadget>& gadget) {
    gadget->Activate(ActivatePrint);
    return 0;
}
int RedrawGadget(const Ref<TGadget>& gadget) {
    gadget->Activate(ActivateRedraw);
    return 0;
}

int SetGadgetText(const Ref<TGadget>& gadget, const String& text) {
    CurrentDriver()->DelocalizeGadget(gadget);
    gadget->SetText(text);
    return 0;
}

String GadgetText(const Ref<TGadget>& gadget) { return gadget->GetText(); }

int SetGadgetTooltip(const Ref<TGadget>& gadget, const String& tip) {
    CurrentDriver()->DelocalizeGadget(gadget);
    gadget->SetTooltip(tip);
    return 0;
}

String GadgetTooltip(const Ref<TGadget>& gadget) { return gadget->GetTooltip(); }

int SetGadgetFont(const Ref<TGadget>& gadget, const Ref<TGuiFont>& font) {
    gadget->SetFont(font);
    return 0;
}

int SetGadgetTextColor(const Ref<TGadget>& gadget, int red, int green, int blue) {
    gadget->SetTextColor(red, green, blue);
    return 0;
}

int SetGadgetColor(const Ref<TGadget>& gadget, int red, int green, int blue, int background) {
    if (background)
        gadget->SetColor(red, green, blue);
    else
        gadget->SetTextColor(red, green, blue);
    return 0;
}

int RemoveGadgetColor(const Ref<TGadget>& gadget) {
    gadget->RemoveColor();
    return 0;
}

int SetGadgetAlpha(const Ref<TGadget>& gadget, float alpha) {
    gadget->SetAlpha(alpha);
    return 0;
}

int SetGadgetPixmap(const Ref<TGadget>& gadget, const Ref<TPixmap>& pixmap, int flags) {
    return gadget->SetPixmap(pixmap, flags);
}

int SetPanelColor(const Ref<TGadget>& panel, int red, int green, int blue) {
    return SetGadgetColor(panel, red, green, blue, 1);
}

int SetPanelPixmap(const Ref<TGadget>& panel, const Ref<TPixmap>& pixmap, int flags) {
    return SetGadgetPixmap(panel, pixmap, flags);
}

int SetGadgetIconStrip(const Ref<TGadget>& gadget, const Ref<TIconStrip>& strip) {
    gadget->SetIconStrip(strip);
    return 0;
}

int SetGadgetHotKey(const Ref<TGadget>& gadget, int key, int modifiers) {
    gadget->SetHotKey(key, modifiers);
    return 0;
}

int LocalizeGadget(const Ref<TGadget>& gadget, const String& textKey, const String& tipKey) {
    CurrentDriver()->SetGadgetLocalization(gadget, textKey, tipKey);
    return 0;
}

int IsGadgetLocalized(const Ref<TGadget>& gadget) {
    return CurrentDriver()->GadgetLocalized(gadget);
}

int UnlocalizeGadget(const Ref<TGadget>& gadget) {
    CurrentDriver()->DelocalizeGadget(gadget);
    return 0;
}

} // namespace vandro
