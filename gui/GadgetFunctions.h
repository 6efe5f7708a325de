// The module functions that forward to a gadget's operations, the gadget first: tree and
// geometry, visibility, input, texts and looks, and localization.
#pragma once

#include "Gadget.h"
#include "GuiFont.h"
#include "IconStrip.h"

namespace vandro {

// The argument of TGadget::Activate.
enum ActivationCommand : int {
    ActivateFocus = 0,
    ActivateCut = 1,
    ActivateCopy = 2,
    ActivatePaste = 3,
    ActivateMinimize = 4,
    ActivateMaximize = 5,
    ActivateRestore = 6,
    ActivateSelectNode = 7,
    ActivateExpand = 8,
    ActivateCollapse = 9,
    // The HTML view's history; other gadgets move the focus to the previous or next tab stop.
    ActivateBack = 10,
    ActivateForward = 11,
    ActivatePrint = 12,
    ActivateRedraw = 13,
};

// Bits of a gadget's sensitivity.
enum Sensitivity : int {
    SensitiveMouse = 1,
    SensitiveKeys = 2,
};

// Tear the gadget and everything in it down.
int FreeGadget(const Ref<TGadget>& gadget);
int GadgetX(const Ref<TGadget>& gadget);
int GadgetY(const Ref<TGadget>& gadget);
int GadgetWidth(const Ref<TGadget>& gadget);
int GadgetHeight(const Ref<TGadget>& gadget);
int GadgetClientWidth(const Ref<TGadget>& gadget);
int GadgetClientHeight(const Ref<TGadget>& gadget);
Ref<TGadget> GadgetGroup(const Ref<TGadget>& gadget);
int GadgetClass(const Ref<TGadget>& gadget);
int ShowGadget(const Ref<TGadget>& gadget);
int HideGadget(const Ref<TGadget>& gadget);
int EnableGadget(const Ref<TGadget>& gadget);
int DisableGadget(const Ref<TGadget>& gadget);
// With recursive nonzero, a gadget inside a hidden (disabled) group counts as hidden
// (disabled) too.
int IsGadgetHidden(const Ref<TGadget>& gadget, int recursive);
int IsGadgetDisabled(const Ref<TGadget>& gadget, int recursive);
int SetGadgetShape(const Ref<TGadget>& gadget, int x, int y, int w, int h);
int SetGadgetLayout(const Ref<TGadget>& gadget, int left, int right, int top, int bottom);
int SetGadgetSensitivity(const Ref<TGadget>& gadget, int flags);
int GadgetSensitivity(const Ref<TGadget>& gadget);
int SetGadgetExtra(const Ref<TGadget>& gadget, const Object& extra);
Object GadgetExtra(const Ref<TGadget>& gadget);
int SetGadgetFilter(const Ref<TGadget>& gadget, EventFilter filter, const Object& context);
int QueryGadget(const Ref<TGadget>& gadget, int what);
int FocusGadget(const Ref<TGadget>& gadget);
int CutGadgetText(const Ref<TGadget>& gadget);
int CopyGadgetText(const Ref<TGadget>& gadget);
int PasteGadgetText(const Ref<TGadget>& gadget);
int PrintGadget(const Ref<TGadget>& gadget);
int RedrawGadget(const Ref<TGadget>& gadget);
// The gadget stops following the language and shows this text.
int SetGadgetText(const Ref<TGadget>& gadget, const String& text);
String GadgetText(const Ref<TGadget>& gadget);
// The gadget stops following the language and shows this tip.
int SetGadgetTooltip(const Ref<TGadget>& gadget, const String& tip);
String GadgetTooltip(const Ref<TGadget>& gadget);
int SetGadgetFont(const Ref<TGadget>& gadget, const Ref<TGuiFont>& font);
int SetGadgetTextColor(const Ref<TGadget>& gadget, int red, int green, int blue);
// The background colour when background is nonzero, else the text colour.
int SetGadgetColor(const Ref<TGadget>& gadget, int red, int green, int blue, int background = 1);
int RemoveGadgetColor(const Ref<TGadget>& gadget);
int SetGadgetAlpha(const Ref<TGadget>& gadget, float alpha);
int SetGadgetPixmap(const Ref<TGadget>& gadget, const Ref<TPixmap>& pixmap, int flags);
int SetPanelColor(const Ref<TGadget>& panel, int red, int green, int blue);
// The flags' low three bits choose how the image is laid out.
int SetPanelPixmap(const Ref<TGadget>& panel, const Ref<TPixmap>& pixmap, int flags);
int SetGadgetIconStrip(const Ref<TGadget>& gadget, const Ref<TIconStrip>& strip);
int SetGadgetHotKey(const Ref<TGadget>& gadget, int key, int modifiers);
// From now on the gadget's text and tip are localized from these keys.
int LocalizeGadget(const Ref<TGadget>& gadget, const String& textKey, const String& tipKey);
int IsGadgetLocalized(const Ref<TGadget>& gadget);
int UnlocalizeGadget(const Ref<TGadget>& gadget);

} // namespace vandro
