// A window's menu bar, its pop-up menus and its status line.
#include "HeadlessWindow.h"

#include "HeadlessDriver.h"
#include "HeadlessMenu.h"

#include "gui/GadgetEvents.h"
#include "gui/WindowFunctions.h"

namespace vandro {

namespace {

// A resizable window's status line keeps its text clear of the sizing grip.
constexpr const char16_t* kGripPadding = u"     ";

} // namespace

String THeadlessWindow::GetStatusText() {
    return (style & WindowStatusBar) ? _statustext : String();
}

int THeadlessWindow::SetStatusText(const String& text) {
    if (!(style & WindowStatusBar))
        return 0;
    _statustext = text;
    _shownStatus = (style & WindowResizable) ? text + kGripPadding : text;
    return 0;
}

String THeadlessWindow::StatusField(int field) const {
    int start = 0;
    for (int tab = 0; tab < field; ++tab) {
        const std::size_t next = _shownStatus.find(u'\t', static_cast<std::size_t>(start));
        if (next == String::npos)
            return {};
        start = static_cast<int>(next) + 1;
    }
    if (field == 2)
        return _shownStatus.substr(static_cast<std::size_t>(start));
    const std::size_t end = _shownStatus.find(u'\t', static_cast<std::size_t>(start));
    return _shownStatus.substr(static_cast<std::size_t>(start),
                               end == String::npos ? String::npos : end - start);
}

Ref<TGadget> THeadlessWindow::GetMenu() {
    if (!_menu) {
        _menu = New<THeadlessMenu>();
        _menu->Create({}, 0, {});
        _menu->_setparent(Ref<TGadget>(this), -1);
    }
    return _menu;
}

int THeadlessWindow::UpdateMenu() {
    if (!Alive())
        return 0;
    if (!_menu) {
        _menubar = MenuBarNone;
        return 0;
    }
    _menu->FreeKids();
    _menu->Open(0);
    _menubar = MenuBarTree;
    return 0;
}

int THeadlessWindow::PopupMenu(const Ref<TGadget>& menu, const Object& extra) {
    const auto popup = Cast<THeadlessMenu>(menu);
    if (!popup || !Alive())
        return 0;
    popupextra = extra;
    popup->Open(1);
    Ref<THeadlessMenu> choice;
    if (!Headless().popupChoices.empty()) {
        choice = Headless().popupChoices.front();
        Headless().popupChoices.pop_front();
    }
    if (choice && popup->HasDescendant(choice) && choice->Selectable())
        HandleMenuEvent(choice->_key);
    popup->Close();
    popupextra = nullptr;
    return 0;
}

int THeadlessWindow::HandleMenuEvent(int id) {
    const Ref<THeadlessMenu> menu = THeadlessMenu::GetMenuFromKey(id);
    const Object extra = std::move(popupextra);
    popupextra = nullptr;
    EmitGadgetEvent(MenuAction, menu, menu ? menu->_tag : 0, 0, 0, 0, extra);
    return 0;
}

} // namespace vandro
