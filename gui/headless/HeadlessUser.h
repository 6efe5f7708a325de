// How a program or a test acts as the user of the headless platform. Each action produces the
// events the platform's own controls would raise for it, and answers 1 when it could be done
// at all: a control that is hidden, disabled, freed or inside a hidden, disabled or minimised
// window cannot be used, and such an action answers 0 and raises nothing. Gadgets may be given
// as their proxies.
#pragma once

#include "HeadlessWindow.h"

namespace vandro {

int UserPressButton(const Ref<TGadget>& button);
// An item of a window's menu bar, as built by the last RefreshWindowMenu.
int UserChooseMenu(const Ref<TGadget>& menu);
// The item the user will pick from the next pop-up menu; null dismisses that menu.
void UserPickFromPopup(const Ref<TGadget>& menu);
int UserCloseWindow(const Ref<TGadget>& window);
// In the window's coordinates: the client area's with style 0x20, the frame's otherwise.
int UserResizeWindow(const Ref<TGadget>& window, int w, int h);
int UserMoveWindow(const Ref<TGadget>& window, int x, int y);
int UserActivateWindow(const Ref<TGadget>& window);
// Clicks into the gadget, which takes the keyboard focus.
int UserFocus(const Ref<TGadget>& gadget);
// Types into a text field, text area or editable combo box; answers how many characters got
// through its event filter.
int UserTypeText(const Ref<TGadget>& gadget, const String& text);
// Presses and releases a key with modifiers at the gadget that has the focus: hot keys first,
// then the keys to a gadget that asked for them.
int UserPressKey(int key, int mods);
// A list box's click (mods 2 toggles in a multi-selection list), a combo box's choice, a
// tabber's tab, a toolbar's button.
int UserSelectItem(const Ref<TGadget>& gadget, int index, int mods = 0);
// Index -1 double-clicks a list box below its items.
int UserDoubleClickItem(const Ref<TGadget>& gadget, int index);
int UserRightClickItem(const Ref<TGadget>& gadget, int index);
// A click below a list box's items.
int UserClickEmpty(const Ref<TGadget>& list);
int UserSelectTreeNode(const Ref<TGadget>& node);
int UserExpandTreeNode(const Ref<TGadget>& node);
int UserCollapseTreeNode(const Ref<TGadget>& node);
int UserMoveSlider(const Ref<TGadget>& slider, int value);
int UserFollowLink(const Ref<TGadget>& view, const String& address);
int UserPaintCanvas(const Ref<TGadget>& canvas);
// A press and release of mouse button 1 to 3 at (x, y) in the gadget: mouse events to a
// gadget that asked for them, and the end of a drag over it.
int UserClick(const Ref<TGadget>& gadget, int button, int x, int y);

// What the platform's choosers answer next: a colour 0xRRGGBB, a cancelled colour chooser,
// a font (null cancels).
void QueueColorReply(int rgb);
void QueueColorCancel();
void QueueFontReply(const Ref<TGuiFont>& font);
// The faces the platform has; a face it lacks is loaded as "Arial".
void InstallFontFace(const String& face);
void RemoveFontFace(const String& face);
// The pointer shapes set since the last call.
std::vector<int> TakePointerShapes();
// The window activated last, while it exists.
Ref<THeadlessWindow> ActiveWindow();

} // namespace vandro
