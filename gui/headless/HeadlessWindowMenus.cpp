// A window's menu bar, its pop-up menus and its status line.
#include "HeadlessWindow.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessMenu.h"

#include "gui/StatusLine.h"
#include "gui/WindowFunctions.h"

namespace vandro {

String THeadlessWindow::GetStatusText() {
    return (style & WindowStatusBar) ? _statustext : String();
}

int THeadlessWindow::SetStatusText(const String& text) {
    if (!(style & WindowStatusBar))
        return 0;
    _statustext = text;
    _shownStatus = ShownStatusText(text, style);
    return 0;
}

String THeadlessWindow::StatusField(int field) const {
    return vandro::StatusField(_shownStatus, field);
}

Ref<TGadget> THeadlessWindow::GetMenu() { return WindowMenuRoot(*this, _menu); }

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
    ShowPopupMenu(*popup, popupextra, extra, [&] {
        Ref<THeadlessMenu> choice;
        if (!Headless().popupChoices.empty()) {
            choice = Headless().popupChoices.front();
            Headless().popupChoices.pop_front();
        }
        if (choice && popup->HasDescendant(choice) && choice->Selectable())
            HandleMenuEvent(choice->_key);
    });
    return 0;
}

int THeadlessWindow::HandleMenuEvent(int id) { return EmitMenuAction(id, popupextra); }

} // namespace vandro
