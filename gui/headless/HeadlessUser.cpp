#include "HeadlessUser.h"

#include "HeadlessButton.h"
#include "HeadlessCanvas.h"
#include "HeadlessComboBox.h"
#include "HeadlessGUIDriver.h"
#include "HeadlessHTMLView.h"
#include "HeadlessListBox.h"
#include "HeadlessMenu.h"
#include "HeadlessSlider.h"
#include "HeadlessTabber.h"
#include "HeadlessTextArea.h"
#include "HeadlessTextField.h"
#include "HeadlessToolbar.h"
#include "HeadlessTreeView.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetEvents.h"

#include <algorithm>

namespace vandro {

namespace {

template <class T> Ref<T> Real(const Ref<TGadget>& gadget) { return Cast<T>(RealGadget(gadget)); }

// The window a menu item's bar belongs to, when that bar is the one the window shows.
THeadlessWindow* WindowShowingBar(const THeadlessMenu& item) {
    const TGadget* root = &item;
    while (dynamic_cast<THeadlessMenu*>(root->parent))
        root = root->parent;
    auto* window = dynamic_cast<THeadlessWindow*>(root->parent);
    if (!window || window->_menu.get() != root || window->_menubar != MenuBarTree)
        return nullptr;
    return window;
}

THeadlessTreeView* TreeOf(const Ref<THeadlessTreeNode>& node) {
    return node ? node->Tree() : nullptr;
}

// The handle of the window in the foreground, 0 when none is.
int ForegroundHwnd() {
    THeadlessWindow* window = Headless().activeWindow;
    return window && window->Alive() && window->_visible ? window->Query(1) : 0;
}

constexpr int kTabKey = 0x09;
constexpr int kEnterKey = 0x0D;
constexpr int kFirstArrow = 0x25;
constexpr int kLastArrow = 0x28;

// The character a key gives without Ctrl or Alt, 0 for one that gives none.
char16_t KeyCharacter(int key, int mods) {
    if (mods & ~1)
        return 0;
    if (key == kEnterKey)
        return u'\n';
    if (key == ' ' || (key >= '0' && key <= '9'))
        return static_cast<char16_t>(key);
    if (key >= 'A' && key <= 'Z')
        return static_cast<char16_t>((mods & 1) ? key : key - 'A' + 'a');
    return 0;
}

// What the platform's controls do with a key no hot key took: Tab and Shift+Tab move the focus
// round the window, the arrows move it among push buttons, and a text gadget takes the
// character.
void ControlsTakeKey(const Ref<THeadlessGadget>& focused, int key, int mods) {
    if (key == kTabKey && (mods & ~1) == 0) {
        Ref<TGadget> from = focused;
        if (!from && Headless().activeWindow)
            from = Ref<TGadget>(Headless().activeWindow);
        if (const auto next = TPlatformGadget::NextTabStop(from, mods & 1))
            next->Activate(ActivateFocus);
        return;
    }
    if (const auto tree = Cast<THeadlessTreeView>(focused)) {
        tree->UserKey(key);
        return;
    }
    if (key >= kFirstArrow && key <= kLastArrow && mods == 0) {
        const auto button = Cast<THeadlessButton>(focused);
        if (!button || button->Kind() == ButtonRadio)
            return;
        if (const auto next = TPlatformGadget::SiblingTabStop(focused, key >= kFirstArrow + 2))
            next->Activate(ActivateFocus);
        return;
    }
    if (const char16_t character = KeyCharacter(key, mods); character && focused)
        UserTypeText(focused, String(1, character));
}

} // namespace

int UserPressButton(const Ref<TGadget>& button) {
    const auto element = Real<THeadlessButton>(button);
    return element ? element->UserPress() : 0;
}

int UserChooseMenu(const Ref<TGadget>& menu) {
    const auto item = Real<THeadlessMenu>(menu);
    if (!item || !item->Selectable())
        return 0;
    THeadlessWindow* window = WindowShowingBar(*item);
    if (!window || !window->Reachable())
        return 0;
    window->HandleMenuEvent(item->_key);
    return 1;
}

void UserPickFromPopup(const Ref<TGadget>& menu) {
    Headless().popupChoices.push_back(Real<THeadlessMenu>(menu));
}

int UserCloseWindow(const Ref<TGadget>& window) {
    const auto frame = Real<THeadlessWindow>(window);
    return frame ? frame->UserClose() : 0;
}

int UserResizeWindow(const Ref<TGadget>& window, int w, int h) {
    const auto frame = Real<THeadlessWindow>(window);
    return frame ? frame->UserResize(w, h) : 0;
}

int UserMoveWindow(const Ref<TGadget>& window, int x, int y) {
    const auto frame = Real<THeadlessWindow>(window);
    return frame ? frame->UserMove(x, y) : 0;
}

int UserActivateWindow(const Ref<TGadget>& window) {
    const auto frame = Real<THeadlessWindow>(window);
    return frame ? frame->UserActivate() : 0;
}

int UserFocus(const Ref<TGadget>& gadget) {
    const auto element = Real<THeadlessGadget>(gadget);
    if (!element || !element->Reachable())
        return 0;
    FocusNative(element);
    return 1;
}

int UserTypeText(const Ref<TGadget>& gadget, const String& text) {
    const Ref<TGadget> real = RealGadget(gadget);
    if (auto field = Cast<THeadlessTextField>(real))
        return field->UserType(text);
    if (auto area = Cast<THeadlessTextArea>(real))
        return area->UserType(text);
    if (auto combo = Cast<THeadlessComboBox>(real))
        return combo->UserType(text);
    return 0;
}

int UserPressKey(int key, int mods) {
    const auto focused = Cast<THeadlessGadget>(Headless().focus);
    const bool swallowed = FireHotKey(FindHotKeyEvent(key, mods, ForegroundHwnd()));
    if (focused && !swallowed)
        focused->ReportKey(KeyDown, key, mods);
    if (!swallowed)
        ControlsTakeKey(focused, key, mods);
    if (focused)
        focused->ReportKey(KeyUp, key, mods);
    return 1;
}

int UserSelectItem(const Ref<TGadget>& gadget, int index, int mods) {
    const Ref<TGadget> real = RealGadget(gadget);
    if (auto list = Cast<THeadlessListBox>(real))
        return list->UserClickItem(index, mods);
    if (auto combo = Cast<THeadlessComboBox>(real))
        return combo->UserChooseItem(index);
    if (auto tabber = Cast<THeadlessTabber>(real))
        return tabber->UserSelectTab(index);
    if (auto toolbar = Cast<THeadlessToolbar>(real))
        return toolbar->UserClickButton(index);
    return 0;
}

int UserDoubleClickItem(const Ref<TGadget>& gadget, int index) {
    const auto list = Real<THeadlessListBox>(gadget);
    return list ? list->UserDoubleClickItem(index) : 0;
}

int UserRightClickItem(const Ref<TGadget>& gadget, int index) {
    const Ref<TGadget> real = RealGadget(gadget);
    if (auto list = Cast<THeadlessListBox>(real))
        return list->UserRightClickItem(index);
    if (auto tabber = Cast<THeadlessTabber>(real))
        return tabber->UserRightClickTab(index);
    return 0;
}

int UserClickEmpty(const Ref<TGadget>& list) {
    const auto element = Real<THeadlessListBox>(list);
    return element ? element->UserClickEmpty() : 0;
}

int UserSelectTreeNode(const Ref<TGadget>& node) {
    const auto item = Cast<THeadlessTreeNode>(node);
    THeadlessTreeView* tree = TreeOf(item);
    return tree ? tree->UserSelectNode(item) : 0;
}

int UserExpandTreeNode(const Ref<TGadget>& node) {
    const auto item = Cast<THeadlessTreeNode>(node);
    THeadlessTreeView* tree = TreeOf(item);
    return tree ? tree->UserExpandNode(item) : 0;
}

int UserCollapseTreeNode(const Ref<TGadget>& node) {
    const auto item = Cast<THeadlessTreeNode>(node);
    THeadlessTreeView* tree = TreeOf(item);
    return tree ? tree->UserCollapseNode(item) : 0;
}

int UserMoveSlider(const Ref<TGadget>& slider, int value) {
    const auto element = Real<THeadlessSlider>(slider);
    return element ? element->UserMoveTo(value) : 0;
}

int UserFollowLink(const Ref<TGadget>& view, const String& address) {
    const auto element = Real<THeadlessHTMLView>(view);
    return element ? element->UserFollowLink(address) : 0;
}

int UserPaintCanvas(const Ref<TGadget>& canvas) {
    const auto element = Real<THeadlessCanvas>(canvas);
    return element ? element->UserPaint() : 0;
}

int UserClick(const Ref<TGadget>& gadget, int button, int x, int y) {
    const auto element = Real<THeadlessGadget>(gadget);
    if (!element || !element->Reachable() || button < 1 || button > 3)
        return 0;
    element->ReportMouse(MouseDown, button, 0, x, y);
    if (const Ref<TGadget> dragged = DragSource(button)) {
        EmitGadgetEvent(GadgetDrop, element, button, 0, x, y, dragged);
        SetDragSource(button, {});
    }
    element->ReportMouse(MouseUp, button, 0, x, y);
    return 1;
}

void QueueColorReply(int rgb) { Headless().colorReplies.push_back(rgb & 0xFFFFFF); }

void QueueColorCancel() { Headless().colorReplies.push_back(-1); }

void QueueFontReply(const Ref<TGuiFont>& font) { Headless().fontReplies.push_back(font); }

void InstallFontFace(const String& face) {
    auto& faces = Headless().faces;
    if (std::find(faces.begin(), faces.end(), face) == faces.end())
        faces.push_back(face);
}

void RemoveFontFace(const String& face) {
    auto& faces = Headless().faces;
    faces.erase(std::remove(faces.begin(), faces.end(), face), faces.end());
}

std::vector<int> TakePointerShapes() { return std::exchange(Headless().pointerShapes, {}); }

Ref<THeadlessWindow> ActiveWindow() { return Ref<THeadlessWindow>(Headless().activeWindow); }

} // namespace vandro
