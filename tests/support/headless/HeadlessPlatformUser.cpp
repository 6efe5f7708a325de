// The user of the headless platform, for the tests that run on every platform: its actions are
// the simulated user's, and what it reads is what the headless elements keep.
#include "gui/headless/HeadlessButton.h"
#include "gui/headless/HeadlessGUIDriver.h"
#include "gui/headless/HeadlessLabel.h"
#include "gui/headless/HeadlessMenu.h"
#include "gui/headless/HeadlessProgressBar.h"
#include "gui/headless/HeadlessSlider.h"
#include "gui/headless/HeadlessTextArea.h"
#include "gui/headless/HeadlessTextField.h"
#include "gui/headless/HeadlessUser.h"
#include "gui/headless/HeadlessWindow.h"

#include "events/headless/HeadlessSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "runtime/Text.h"
#include "tests/support/PlatformUser.h"

namespace vandro {

namespace {

// An action carried through the system driver's input queue.
class TWaitingAction : public TObject {
  public:
    explicit TWaitingAction(std::function<void()> action) : action(std::move(action)) {}
    std::function<void()> action;
};

int RunWaitingAction(Object context) {
    Cast<TWaitingAction>(context)->action();
    return 0;
}

String WithoutCarriageReturns(const String& text) {
    String lines;
    for (char16_t unit : text)
        if (unit != u'\r')
            lines += unit;
    return lines;
}

Ref<THeadlessGadget> Element(const Ref<TGadget>& gadget) {
    return Cast<THeadlessGadget>(RealGadget(gadget));
}

class THeadlessPlatformUser : public TPlatformUser {
  public:
    int PressButton(const Ref<TGadget>& button) override { return UserPressButton(button); }
    int ChooseMenu(const Ref<TGadget>& item) override { return UserChooseMenu(item); }
    int CloseWindow(const Ref<TGadget>& window) override { return UserCloseWindow(window); }
    int TypeText(const Ref<TGadget>& gadget, const String& text) override {
        const Ref<TGadget> real = RealGadget(gadget);
        if (!UserFocus(real))
            return 0;
        // The caret goes to the end, as the End key puts it.
        if (const auto field = Cast<THeadlessTextField>(real)) {
            field->_selstart = static_cast<int>(field->_text.size());
            field->_sellen = 0;
        } else if (const auto area = Cast<THeadlessTextArea>(real)) {
            area->_selstart = static_cast<int>(area->_text.size());
            area->_sellen = 0;
        }
        UserTypeText(real, text);
        return 1;
    }
    int DragSlider(const Ref<TGadget>& slider, int toHigh) override {
        const auto element = Cast<THeadlessSlider>(RealGadget(slider));
        if (!element || element->_slidertype == SliderStepper)
            return 0;
        return UserMoveSlider(slider, toHigh ? element->Highest() : element->Lowest());
    }
    int PressSliderArrow(const Ref<TGadget>& slider, int up) override {
        const auto element = Cast<THeadlessSlider>(RealGadget(slider));
        if (!element || element->_slidertype != SliderStepper)
            return 0;
        return UserMoveSlider(slider, element->_value + (up ? 1 : -1));
    }
    void WhenWaiting(std::function<void()> action) override {
        HeadlessSystem()->QueueInput(&RunWaitingAction, New<TWaitingAction>(std::move(action)));
    }

    int Exists(const Ref<TGadget>& gadget) override {
        if (auto menu = Cast<THeadlessMenu>(gadget))
            return menu->NativeShown() ? 1 : 0;
        const auto element = Element(gadget);
        return element && element->Alive() ? 1 : 0;
    }
    String ShownText(const Ref<TGadget>& gadget) override {
        if (auto menu = Cast<THeadlessMenu>(gadget))
            return menu->_nativeText;
        if (const auto field = Cast<THeadlessTextField>(RealGadget(gadget)))
            return field->Alive() ? field->ShownText() : String();
        const auto element = Element(gadget);
        return element && element->Alive() ? element->_text : String();
    }
    // What the element paints with, not what the program asked of the gadget.
    int ShownTextColor(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        return element && element->Alive() ? element->_shownfgcolor : -1;
    }
    int ShownBackColor(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        return element && element->Alive() ? element->_shownbgcolor : -1;
    }
    Ref<TGuiFont> ShownFont(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        return element && element->Alive() ? element->_shownfont : nullptr;
    }
    int ShownState(const Ref<TGadget>& gadget) override {
        if (auto menu = Cast<THeadlessMenu>(gadget))
            return menu->_nativeState;
        const auto element = Element(gadget);
        if (!element || !element->Alive())
            return StateHidden;
        // What the element shows, not what the program asked of the gadget.
        int state =
            (element->_visible ? 0 : StateHidden) | (element->_nativeEnabled ? 0 : StateDisabled);
        if (const auto button = Cast<THeadlessButton>(element))
            state |= button->_check == 1   ? StateChecked
                     : button->_check == 2 ? StateChecked | StateIndeterminate
                                           : 0;
        if (const auto frame = Cast<THeadlessWindow>(element))
            state |=
                (frame->_minimized ? StateMinimized : 0) | (frame->_maximized ? StateMaximized : 0);
        return state;
    }
    int ShownLabelStyle(const Ref<TGadget>& label) override {
        const auto element = Cast<THeadlessLabel>(RealGadget(label));
        return element ? element->Alignment() | element->Frame() : 0;
    }
    std::vector<Ref<TGadget>> ShownMenuItems(const Ref<TGadget>& menu) override {
        std::vector<Ref<TGadget>> items;
        if (auto node = Cast<THeadlessMenu>(menu))
            for (const auto& item : node->ShownItems())
                items.push_back(item);
        return items;
    }
    String ShownShortcut(const Ref<TGadget>& item) override {
        const auto menu = Cast<THeadlessMenu>(item);
        return menu ? menu->_shortcut : String();
    }
    int MenuTag(const Ref<TGadget>& item) override {
        const auto menu = Cast<THeadlessMenu>(item);
        return menu ? menu->_tag : 0;
    }
    String ShownStatusField(const Ref<TGadget>& window, int field) override {
        const auto frame = Cast<THeadlessWindow>(RealGadget(window));
        return frame ? frame->StatusField(field) : String();
    }
    int ShownProgress(const Ref<TGadget>& bar) override {
        const auto element = Cast<THeadlessProgressBar>(RealGadget(bar));
        return element && element->Alive() ? element->_position : 0;
    }
    String ClipboardText() override { return Headless().clipboard; }
    void PutOnClipboard(const String& text) override { Headless().clipboard = text; }
    Ref<TGadget> ActiveWindow() override { return vandro::ActiveWindow(); }

    void AwaitDrawing(const Ref<TGadget>&) override { HeadlessSystem()->Poll(); }
    int RightClickText(const Ref<TGadget>& area) override {
        const auto element = Cast<THeadlessTextArea>(RealGadget(area));
        return element ? element->UserRightClick(8, 8) : 0;
    }
    int PressKey(int key, int modifiers) override { return UserPressKey(key, modifiers); }
    Ref<TGadget> FocusedElement() override { return Headless().focus; }
    String ShownTooltip(const Ref<TGadget>& gadget) override {
        const auto element = Element(gadget);
        return element ? WithoutCarriageReturns(element->_nativeTip) : String();
    }
    int FollowLink(const Ref<TGadget>& view, const String& address) override {
        return UserFollowLink(view, address);
    }
    void PickFromNextPopup(const Ref<TGadget>& item) override { UserPickFromPopup(item); }

    // The headless platform delivers everything before a call returns.
    void Settle() override {}
    int MoveWindowFrame(const Ref<TGadget>& window, int x, int y) override {
        return UserMoveWindow(window, x, y);
    }
    int SizeWindowFrame(const Ref<TGadget>& window, int w, int h) override {
        return UserResizeWindow(window, w, h);
    }
    std::array<int, 4> ShownFrame(const Ref<TGadget>& window) override {
        const auto frame = Cast<THeadlessWindow>(RealGadget(window));
        return frame ? std::array<int, 4>{frame->_nativeX, frame->_nativeY, frame->_nativeW,
                                          frame->_nativeH}
                     : std::array<int, 4>{};
    }
    std::array<int, 4> ShownClientArea(const Ref<TGadget>& window) override {
        const auto frame = Cast<THeadlessWindow>(RealGadget(window));
        return frame ? frame->ClientOnScreen() : std::array<int, 4>{};
    }
    int ShownAlpha(const Ref<TGadget>& window) override {
        const auto frame = Cast<THeadlessWindow>(RealGadget(window));
        return frame ? frame->_alpha : 0;
    }
    std::vector<int> ShownIconWidths(const Ref<TGadget>& window) override {
        const auto frame = Cast<THeadlessWindow>(RealGadget(window));
        return frame && frame->_icon ? std::vector<int>{frame->_icon->width} : std::vector<int>{};
    }

    int ShownPointer(const Ref<TGadget>& window) override {
        if (!Cast<THeadlessWindow>(RealGadget(window)))
            return 0;
        return Headless().pointer ? Headless().pointer : 1;
    }
    // The headless system's names: what its environment says, its own where that is silent.
    String PlatformUserName() override {
        const String name = EnvironmentText("username");
        return name.empty() ? Headless().userName : name;
    }
    String PlatformComputerName() override {
        const String name = EnvironmentText("userdomain");
        return name.empty() ? Headless().computerName : name;
    }
};

} // namespace

const Ref<TPlatformUser>& PlatformUser() {
    static const Ref<TPlatformUser> user = New<THeadlessPlatformUser>();
    return user;
}

} // namespace vandro
