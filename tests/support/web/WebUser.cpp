// The user of the web platform: real mouse and key input sent by the browser's driver to the
// page's elements, and what the page shows read back from them. The kinds the page does not
// show yet cannot be used: their actions answer 0.
#include "WebUser.h"
#include "WebUserRange.h"
#include "WebUserText.h"
#include "WebUserWindow.h"

#include "events/web/WebSystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/WindowFunctions.h"
#include "gui/web/WebDom.h"
#include "gui/web/WebGUIDriver.h"
#include "gui/web/WebGadget.h"
#include "gui/web/WebMenu.h"
#include "gui/web/WebTextArea.h"
#include "gui/web/WebTextField.h"
#include "gui/web/WebWindow.h"
#include "tests/support/PlatformUser.h"

#include <algorithm>
#include <array>

namespace vandro {

namespace {

// The handle of the element that shows the gadget (a menu item's own), 0 for none.
int ElementOf(const Ref<TGadget>& gadget) {
    const Ref<TGadget> real = RealGadget(gadget);
    if (const auto menu = Cast<TWebMenu>(real))
        return menu->_itemHandle;
    const auto web = Cast<TWebGadget>(real);
    return web ? web->_hwnd : 0;
}

String TextOf(int handle, int part) {
    char16_t buffer[512];
    const int length = vandro_user_text(handle, part, buffer, 512);
    return String(buffer, static_cast<std::size_t>(std::min(length, 512)));
}

bool IsText(const Ref<TGadget>& gadget) {
    const Ref<TGadget> real = RealGadget(gadget);
    return Cast<TWebTextField>(real) || Cast<TWebTextArea>(real);
}

std::array<int, 4> RectOf(const Ref<TGadget>& gadget, int part) {
    std::array<int, 4> box{};
    vandro_user_rect(ElementOf(gadget), part, box.data());
    return box;
}

// Where the window is in its own measure: its client area's with WindowClientCoords.
std::array<int, 4> OwnRect(const Ref<TGadget>& window) {
    const Ref<TGadget> real = RealGadget(window);
    return RectOf(window, real && (real->style & WindowClientCoords) ? 1 : 0);
}

class TWebPlatformUser : public TPlatformUser {
  public:
    int PressButton(const Ref<TGadget>& button) override {
        return vandro_wait_user_click(ElementOf(button), 0, 1);
    }

    // Opens the menus above the item from the menu bar down, then clicks the item. A separator
    // or an item that opens a submenu is no choice, nor is one below a greyed item.
    int ChooseMenu(const Ref<TGadget>& item) override {
        const auto chosen = Cast<TWebMenu>(RealGadget(item));
        if (!chosen || chosen->IsSeparator() || !chosen->kids->IsEmpty())
            return 0;
        std::vector<TWebMenu*> path;
        for (auto* at = chosen.get(); at && at->ParentMenu();
             at = dynamic_cast<TWebMenu*>(at->ParentMenu()))
            path.insert(path.begin(), at);
        for (TWebMenu* step : path)
            if (!step->_itemHandle || (vandro_user_state(step->_itemHandle) & StateDisabled))
                return 0;
        for (TWebMenu* step : path)
            if (!vandro_wait_user_click(step->_itemHandle, 0, 1))
                return 0;
        return path.empty() ? 0 : 1;
    }

    int CloseWindow(const Ref<TGadget>& window) override {
        return vandro_wait_user_click_part(ElementOf(window), 1);
    }

    int TypeText(const Ref<TGadget>& gadget, const String& text) override {
        const int handle = IsText(gadget) ? ElementOf(gadget) : 0;
        return handle ? vandro_wait_user_type(handle, text.data(), static_cast<int>(text.size()))
                      : 0;
    }
    int DragSlider(const Ref<TGadget>& slider, int toHigh) override {
        const int handle = ElementOf(slider);
        return handle ? vandro_wait_user_drag_slider(handle, toHigh) : 0;
    }
    int PressSliderArrow(const Ref<TGadget>& slider, int up) override {
        const int handle = ElementOf(slider);
        return handle ? vandro_wait_user_step(handle, up) : 0;
    }

    void WhenWaiting(std::function<void()> action) override {
        WebSystem()->WhenWaiting(std::move(action));
    }

    int Exists(const Ref<TGadget>& gadget) override {
        const int handle = ElementOf(gadget);
        return handle ? vandro_user_exists(handle) : 0;
    }
    // A menu item's text without the shortcut its hot key adds.
    String ShownText(const Ref<TGadget>& gadget) override {
        if (IsText(gadget)) {
            char16_t buffer[512];
            const int length = vandro_user_shown_text(ElementOf(gadget), buffer, 512);
            return String(buffer, static_cast<std::size_t>(std::min(length, 512)));
        }
        String text = TextOf(ElementOf(gadget), 0);
        const auto menu = Cast<TWebMenu>(RealGadget(gadget));
        if (menu && !menu->_shortcut.empty() && text.size() >= menu->_shortcut.size() &&
            text.compare(text.size() - menu->_shortcut.size(), String::npos, menu->_shortcut) == 0)
            text.resize(text.size() - menu->_shortcut.size());
        return text;
    }
    int ShownTextColor(const Ref<TGadget>& gadget) override {
        return vandro_user_color(ElementOf(gadget), 0);
    }
    int ShownBackColor(const Ref<TGadget>& gadget) override {
        return vandro_user_color(ElementOf(gadget), 1);
    }
    Ref<TGuiFont> ShownFont(const Ref<TGadget>& gadget) override {
        int hundredths = 0, style = 0;
        char16_t face[128];
        const int length = vandro_user_font(ElementOf(gadget), &hundredths, &style, face, 128);
        if (!length)
            return {};
        const String family(face, static_cast<std::size_t>(length));
        // The gadget's own font where the element shows it as it is.
        const auto element = Cast<TWebGadget>(RealGadget(gadget));
        const auto own = element ? Cast<TWebFont>(element->_font) : Ref<TWebFont>();
        if (own && own->name == family && (own->style & 3) == style &&
            static_cast<int>(own->_points * 96 / 72 * 100 + 0.5) == hundredths)
            return own;
        // The size in points of the program's 96-DPI units, to the hundredth.
        const double points = static_cast<int>(hundredths * 72.0 / 96 + 0.5) / 100.0;
        return New<TWebFont>()->Load(family, points, style);
    }
    int ShownState(const Ref<TGadget>& gadget) override {
        return vandro_user_state(ElementOf(gadget));
    }
    int ShownLabelStyle(const Ref<TGadget>& label) override {
        return vandro_user_label_style(ElementOf(label));
    }

    // A node's items are those of the menu it owns: the bar of a window's menu root, an item's
    // submenu.
    std::vector<Ref<TGadget>> ShownMenuItems(const Ref<TGadget>& menu) override {
        std::vector<Ref<TGadget>> shown;
        const auto node = Cast<TWebMenu>(RealGadget(menu));
        if (!node || !node->_menuHandle)
            return shown;
        int items[256];
        const int count = std::min(vandro_user_menu_items(node->_menuHandle, items, 256), 256);
        for (int at = 0; at < count; ++at)
            if (TWebMenu* item = MenuItemFromHandle(items[at]))
                shown.emplace_back(item);
        return shown;
    }
    String ShownShortcut(const Ref<TGadget>& item) override { return TextOf(ElementOf(item), 5); }
    int MenuTag(const Ref<TGadget>& item) override {
        const auto menu = Cast<TWebMenu>(RealGadget(item));
        return menu ? menu->_tag : 0;
    }
    String ShownStatusField(const Ref<TGadget>& window, int field) override {
        return field >= 0 && field < 3 ? TextOf(ElementOf(window), 2 + field) : String();
    }
    int ShownProgress(const Ref<TGadget>& bar) override {
        const int handle = ElementOf(bar);
        return handle ? vandro_user_progress(handle) : 0;
    }
    String ClipboardText() override {
        const int length = vandro_wait_user_clipboard();
        String text(static_cast<std::size_t>(std::max(length, 0)), u'\0');
        vandro_user_clipboard_text(text.data(), static_cast<int>(text.size()));
        return text;
    }
    void PutOnClipboard(const String& text) override {
        vandro_wait_user_put_clipboard(text.data(), static_cast<int>(text.size()));
    }
    Ref<TGadget> ActiveWindow() override { return GadgetFromHandle(vandro_user_active_window()); }

    void AwaitDrawing(const Ref<TGadget>&) override { vandro_wait_user_frames(); }
    int RightClickText(const Ref<TGadget>& area) override {
        return Cast<TWebTextArea>(RealGadget(area)) ? vandro_wait_user_click(ElementOf(area), 2, 1)
                                                    : 0;
    }

    int PressKey(int key, int modifiers) override { return vandro_wait_user_key(key, modifiers); }
    Ref<TGadget> FocusedElement() override { return GadgetFromHandle(vandro_dom_focused()); }
    String ShownTooltip(const Ref<TGadget>& gadget) override {
        return TextOf(ElementOf(gadget), 1);
    }

    int FollowLink(const Ref<TGadget>& view, const String& address) override {
        const int handle = ElementOf(view);
        return handle ? vandro_wait_user_follow_link(handle, address.data(),
                                                     static_cast<int>(address.size()))
                      : 0;
    }
    // The item's place among its menu's: it has no element until the menu opens.
    void PickFromNextPopup(const Ref<TGadget>& item) override {
        const Ref<TGadget> real = RealGadget(item);
        if (!real || !real->parent)
            return;
        int place = 0;
        for (const Object& kid : *real->parent->kids) {
            if (kid == real)
                break;
            ++place;
        }
        vandro_user_pick_from_next_popup(place);
    }

    void Settle() override { vandro_wait_user_frames(); }
    // Drags the title bar or the lower right corner by what the window's own rectangle on the
    // page lacks.
    int MoveWindowFrame(const Ref<TGadget>& window, int x, int y) override {
        const auto own = OwnRect(window);
        return vandro_wait_user_drag(ElementOf(window), 0, x - own[0], y - own[1]);
    }
    int SizeWindowFrame(const Ref<TGadget>& window, int w, int h) override {
        const auto own = OwnRect(window);
        return vandro_wait_user_drag(ElementOf(window), 1, w - own[2], h - own[3]);
    }
    std::array<int, 4> ShownFrame(const Ref<TGadget>& window) override { return RectOf(window, 0); }
    std::array<int, 4> ShownClientArea(const Ref<TGadget>& window) override {
        return RectOf(window, 1);
    }
    int ShownAlpha(const Ref<TGadget>& window) override {
        return vandro_user_opacity(ElementOf(window));
    }
    // The page has no icon of its own for a window: only the program's.
    std::vector<int> ShownIconWidths(const Ref<TGadget>& window) override {
        const int width = vandro_user_icon_width(ElementOf(window));
        return width ? std::vector<int>{width} : std::vector<int>{};
    }

    int ShownPointer(const Ref<TGadget>& window) override {
        return vandro_user_pointer(ElementOf(window));
    }
    // A page knows neither the person's login name nor the computer's; the browser's C library
    // makes names up ("web_user", "emscripten"), which are no one's.
    String PlatformUserName() override { return {}; }
    String PlatformComputerName() override { return {}; }
};

} // namespace

const Ref<TPlatformUser>& PlatformUser() {
    static const Ref<TPlatformUser> user = New<TWebPlatformUser>();
    return user;
}

} // namespace vandro
