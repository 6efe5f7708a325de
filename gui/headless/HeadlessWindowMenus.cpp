// A window's menu bar, its pop-up menus and its status line.
#include "HeadlessWindow.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessMenu.h"

#include "gui/WindowFunctions.h"
#include "gui/kinds/StatusLine.h"

namespace vandro {

void THeadlessWindow::ShowStatusText(const String& shown) { _shownStatus = shown; }

String THeadlessWindow::StatusField(int field) const {
    return vandro::StatusField(_shownStatus, field);
}

void THeadlessWindow::ShowMenuBar() { _menubar = _menu ? MenuBarTree : MenuBarNone; }

void THeadlessWindow::TrackPopup(THeadlessMenu& popup) {
    Ref<THeadlessMenu> choice;
    if (!Headless().popupChoices.empty()) {
        choice = Headless().popupChoices.front();
        Headless().popupChoices.pop_front();
    }
    if (choice && popup.HasDescendant(choice) && choice->Selectable())
        HandleMenuEvent(choice->_key);
}

} // namespace vandro
