// How a test acts as the person in front of whatever platform its program links, and reads
// what that platform shows. Each platform implements it with its own real input: the headless
// platform through its simulated user, a native platform with synthesised mouse and keyboard
// input and messages to its controls. An action answers 1 when the user could do it at all and
// returns once the platform has raised what it raises for it (queued, not yet taken by the
// program); a hidden, disabled, freed or covered gadget cannot be used and answers 0.
#pragma once

#include "gui/Gadget.h"
#include "gui/GuiFont.h"

#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace vandro {

class TPlatformUser : public TObject {
  public:
    // Clicks a push button (or a check box, a radio button) with the mouse.
    virtual int PressButton(const Ref<TGadget>& button) = 0;
    // Chooses an item of a window's menu bar or of one of its menus.
    virtual int ChooseMenu(const Ref<TGadget>& item) = 0;
    // The window's close box.
    virtual int CloseWindow(const Ref<TGadget>& window) = 0;
    // Clicks into a text field or area, moves the caret to the end of its text and types the
    // text there, key by key ("\n" as the Enter key).
    virtual int TypeText(const Ref<TGadget>& gadget, const String& text) = 0;
    // Drags the thumb of a scroll bar or trackbar to its high end (toHigh 1) or its low end.
    virtual int DragSlider(const Ref<TGadget>& slider, int toHigh) = 0;
    // Clicks a stepper's arrow that raises (up 1) or lowers (up 0) its value.
    virtual int PressSliderArrow(const Ref<TGadget>& slider, int up) = 0;
    // Runs the action once the program next waits for input, as if the user did it then.
    virtual void WhenWaiting(std::function<void()> action) = 0;

    // Whether the gadget's native element exists.
    virtual int Exists(const Ref<TGadget>& gadget) = 0;
    // The text the element shows (a menu item's without its shortcut, a password field's
    // hiding characters).
    virtual String ShownText(const Ref<TGadget>& gadget) = 0;
    // Colours as red + (green << 8) + (blue << 16); -1 where the element keeps its own.
    virtual int ShownTextColor(const Ref<TGadget>& gadget) = 0;
    virtual int ShownBackColor(const Ref<TGadget>& gadget) = 0;
    // The font the element draws with; null when it has the platform's own.
    virtual Ref<TGuiFont> ShownFont(const Ref<TGadget>& gadget) = 0;
    // The state bits the element shows: StateDisabled, StateHidden, StateChecked.
    virtual int ShownState(const Ref<TGadget>& gadget) = 0;
    // A label's alignment and frame, as the style bits of CreateLabel.
    virtual int ShownLabelStyle(const Ref<TGadget>& label) = 0;
    // The items a menu (or a window's menu bar, given as its menu root) shows, in order.
    virtual std::vector<Ref<TGadget>> ShownMenuItems(const Ref<TGadget>& menu) = 0;
    virtual String ShownShortcut(const Ref<TGadget>& item) = 0;
    // The tag a menu item's choice reports as the data of its "MenuAction".
    virtual int MenuTag(const Ref<TGadget>& item) = 0;
    // One field of a window's status line: 0 left, 1 centre, 2 right.
    virtual String ShownStatusField(const Ref<TGadget>& window, int field) = 0;
    // The percent a progress bar shows.
    virtual int ShownProgress(const Ref<TGadget>& bar) = 0;
    // The text the clipboard holds; the text another program puts there.
    virtual String ClipboardText() = 0;
    virtual void PutOnClipboard(const String& text) = 0;
    // The window the platform activated last, while it exists.
    virtual Ref<TGadget> ActiveWindow() = 0;

    // Buttons, panels, canvases and text areas.
    // Returns once the platform has drawn what it had to draw of the gadget's window, and
    // raised what drawing raises.
    virtual void AwaitDrawing(const Ref<TGadget>& gadget) = 0;
    // Right-clicks a text area at its centre.
    virtual int RightClickText(const Ref<TGadget>& area) = 0;

    // The keyboard.
    // Presses and releases a key (a virtual-key code) with the modifier keys (1 Shift, 2 Ctrl,
    // 4 Alt) held, in the window that has the keyboard focus.
    virtual int PressKey(int key, int modifiers) = 0;
    // The gadget whose element has the platform's keyboard focus: a control, or the window
    // itself when none of its controls has it; null when no element of the program has it.
    virtual Ref<TGadget> FocusedElement() = 0;
    // The tip the platform holds for the element, its lines separated by LF; "" when none.
    virtual String ShownTooltip(const Ref<TGadget>& gadget) = 0;

    // HTML views and pop-up menus.
    // Follows a link of the HTML view's page to the address, as the user's click on it does:
    // the browser navigates without the program asking.
    virtual int FollowLink(const Ref<TGadget>& view, const String& address) = 0;
    // Chooses the item from the next pop-up menu the program opens, once it shows.
    virtual void PickFromNextPopup(const Ref<TGadget>& item) = 0;

    // Windows and what the window manager does with them.
    // Waits as long as the platform takes to deliver what is still on its way (a window
    // manager's answer to a request), so that a look after it sees all a step raised.
    virtual void Settle() = 0;
    // Moves a window to (x, y), or sizes it to w x h, in the window's own measure (its client
    // area's with WindowClientCoords), as the user's drag of its title bar or border does.
    virtual int MoveWindowFrame(const Ref<TGadget>& window, int x, int y) = 0;
    virtual int SizeWindowFrame(const Ref<TGadget>& window, int w, int h) = 0;
    // Where the window's frame, decorations included, and its client area are on the screen:
    // x, y, width, height.
    virtual std::array<int, 4> ShownFrame(const Ref<TGadget>& window) = 0;
    virtual std::array<int, 4> ShownClientArea(const Ref<TGadget>& window) = 0;
    // The opacity the window is shown with, 0 (clear) to 255 (opaque).
    virtual int ShownAlpha(const Ref<TGadget>& window) = 0;
    // The widths of the icons the window offers as its own (the platform may add sizes it
    // scaled them to); none when it shows the platform's.
    virtual std::vector<int> ShownIconWidths(const Ref<TGadget>& window) = 0;

    // The driver's services as the platform shows them.
    // The pointer shown over the window's client area, as a shape of SetMousePointer: the arrow
    // (1) where the window shows its own.
    virtual int ShownPointer(const Ref<TGadget>& window) = 0;
    // The login name of the user running the program and the computer's name (or domain), as
    // the platform itself reports them.
    virtual String PlatformUserName() = 0;
    virtual String PlatformComputerName() = 0;
};

// The user of the platform this program links; its user library defines it.
const Ref<TPlatformUser>& PlatformUser();

// The same user with the item gadgets: trees, lists, combo boxes, toolbars and tabbers. Its
// actions answer and return as those of TPlatformUser do.
class TPlatformItemUser : public TObject {
  public:
    // Clicks the node's text, the button in front of it that opens or closes it, double-clicks
    // its text, right-clicks its text.
    virtual int ChooseNode(const Ref<TGadget>& node) = 0;
    virtual int ToggleNode(const Ref<TGadget>& node) = 0;
    virtual int DoubleClickNode(const Ref<TGadget>& node) = 0;
    virtual int RightClickNode(const Ref<TGadget>& node) = 0;
    // The texts of the rows a tree shows, top to bottom, each indented by two spaces for every
    // node above it.
    virtual std::vector<String> ShownNodes(const Ref<TGadget>& tree) = 0;
    // Clicks a list box's item with the modifier keys (1 Shift, 2 Ctrl) held, double-clicks it,
    // right-clicks it; clicks the list below its items.
    virtual int ClickItem(const Ref<TGadget>& list, int index, int modifiers) = 0;
    virtual int DoubleClickItem(const Ref<TGadget>& list, int index) = 0;
    virtual int RightClickItem(const Ref<TGadget>& list, int index) = 0;
    virtual int ClickBelowItems(const Ref<TGadget>& list) = 0;
    // Opens a combo box's list and clicks the item; types lower-case letters into its field.
    virtual int ChooseComboItem(const Ref<TGadget>& combo, int index) = 0;
    virtual int TypeIntoCombo(const Ref<TGadget>& combo, const String& letters) = 0;
    // Clicks a toolbar's button; answers 0 for one that cannot be clicked (a separator, a
    // disabled button).
    virtual int PressToolbarItem(const Ref<TGadget>& toolbar, int index) = 0;
    // Clicks a tabber's tab and waits until it is the current one.
    virtual int ChooseTab(const Ref<TGadget>& tabber, int index) = 0;
    // The texts of the items a list or a combo box shows, in order; the labels of a tabber's
    // tabs (an empty one for the blank tab of a tabber without items).
    virtual std::vector<String> ShownItems(const Ref<TGadget>& list) = 0;

    // Right-clicks a tabber's tab.
    virtual int RightClickTab(const Ref<TGadget>& tabber, int index) = 0;
    // The tip a toolbar's button or a tabber's tab shows, "" for none.
    virtual String ShownItemTip(const Ref<TGadget>& gadget, int index) = 0;

    // Double-clicks a list box below its items.
    virtual int DoubleClickBelowItems(const Ref<TGadget>& list) = 0;
    // Presses a key (a virtual-key code: 13 Enter, 16 Shift, 32 Space) in a tree or list that
    // the program gave the keyboard focus; 0 while it has not got it.
    virtual int PressKeyIn(const Ref<TGadget>& gadget, int key) = 0;
    // Drags a node with the left button and lets go over the middle of the target gadget.
    virtual int DragNode(const Ref<TGadget>& node, const Ref<TGadget>& target) = 0;
};

const Ref<TPlatformItemUser>& PlatformItemUser();

// The id of the resource of a pool (one of the displays or desktops a platform's tests share)
// that ctest handed to this test case, "" when the case was not given one. ctest names it as
// "id:<id>,slots:<n>" in CTEST_RESOURCE_GROUP_0_<TYPE>, the type in capitals.
inline std::string HandedTestResource(std::string type) {
    for (char& c : type)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const char* given = std::getenv(("CTEST_RESOURCE_GROUP_0_" + type).c_str());
    const std::string resource = given ? given : "";
    const std::string prefix = "id:";
    if (resource.compare(0, prefix.size(), prefix) != 0)
        return "";
    return resource.substr(prefix.size(), resource.find(',') - prefix.size());
}

} // namespace vandro
