// What the Win32 platform's user does with text gadgets, sliders and progress bars, through
// real keys and mouse input, and what it reads of them and of the clipboard.
#pragma once

#include "gui/Gadget.h"

namespace vandro {

// Clicks into the field or area, goes to its end with Ctrl+End and types the text key by key.
int TypeIntoText(const Ref<TGadget>& gadget, const String& text);
// A right click at the centre of a text area.
int RightClickIntoText(const Ref<TGadget>& area);
// Drags a scroll bar's or trackbar's thumb past one end.
int DragSliderThumb(const Ref<TGadget>& slider, int toHigh);
// Clicks one arrow of a stepper.
int ClickStepperArrow(const Ref<TGadget>& slider, int up);
int ProgressShown(const Ref<TGadget>& bar);
String ClipboardHeld();
void HoldOnClipboard(const String& text);
// The characters a password edit shows in place of its text; "" for any other window.
String PasswordShown(HWND hwnd);

} // namespace vandro
