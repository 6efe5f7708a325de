#include "HeadlessMenu.h"

#include "HeadlessDriver.h"
#include "HeadlessGadget.h"
#include "HeadlessWindow.h"

#include "gui/GadgetConstants.h"
#include "gui/LocalizationEngine.h"
#include "gui/MenuShortcut.h"
#include "gui/ToolkitStart.h"

#include <algorithm>

namespace vandro {

namespace {

// The size of a menu's check mark, which an item's icon takes the place of.
constexpr int kCheckMarkSize = 13;

THeadlessMenu* ParentMenu(const TGadget& menu) { return dynamic_cast<THeadlessMenu*>(menu.parent); }

} // namespace

THeadlessMenu::THeadlessMenu() { _key = SetNewKey(); }

THeadlessMenu::~THeadlessMenu() {
    auto& menus = Headless().menus;
    if (auto found = menus.find(_key); found != menus.end() && found->second == this)
        menus.erase(found);
}

int THeadlessMenu::DoLayout() { return 0; }

int THeadlessMenu::Free() {
    Close();
    _setparent(nullptr, -1);
    Headless().menus.erase(_key);
    _icon = nullptr;
    // A freed item's shortcut would go on raising events for a menu nobody can see.
    UnbindHotKey(_hotkey);
    _hotkey = nullptr;
    return 0;
}

int THeadlessMenu::State() { return _state; }

int THeadlessMenu::SetText(const String& text) {
    name = text;
    return 0;
}

String THeadlessMenu::GetText() { return name; }

int THeadlessMenu::SetTooltip(const String&) { return 0; }

int THeadlessMenu::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8))
        return 0;
    _icon = nullptr;
    if (!pixmap)
        return 1;
    _icon = pixmap->Window(0, 0, std::min(kCheckMarkSize, pixmap->width),
                           std::min(kCheckMarkSize, pixmap->height));
    return 1;
}

int THeadlessMenu::SetEnabled(int enabled) {
    const bool shown = NativeShown();
    if (enabled) {
        if (shown)
            _nativeState &= ~StateDisabled;
        _state &= ~StateDisabled;
    } else {
        if (shown)
            _nativeState |= StateDisabled;
        _state |= StateDisabled;
    }
    return 0;
}

int THeadlessMenu::SetSelected(int selected) {
    const bool shown = NativeShown();
    if (selected) {
        if (shown)
            _nativeState |= StateChecked;
        _state |= StateChecked;
    } else {
        if (shown)
            _nativeState &= ~StateChecked;
        _state &= ~StateChecked;
    }
    return 0;
}

int THeadlessMenu::SetHotKey(int key, int modifiers) {
    _hotkeycode = key;
    _modifier = modifiers;
    _shortcut = MenuShortcutText(key, modifiers);
    // The rewritten item shows the plain text, as the native menus do until the next rebuild.
    if (NativeShown())
        _nativeText = name + _shortcut;
    const Ref<TGadget> self(this);
    _hotkey = RebindHotKey(_hotkey, key, modifiers,
                           TEvent::Create(MenuAction, self, _tag, modifiers, 0, 0, {}),
                           GadgetWindowHwnd(self));
    return 0;
}

int THeadlessMenu::Class() { return ClassMenu; }

int THeadlessMenu::SetNewKey() {
    const int key = ++Headless().menuCounter;
    Headless().menus[key] = this;
    return key;
}

Ref<THeadlessMenu> THeadlessMenu::GetMenuFromKey(int key) {
    const auto& menus = Headless().menus;
    const auto found = menus.find(key);
    return found == menus.end() ? Ref<THeadlessMenu>() : Ref<THeadlessMenu>(found->second);
}

Ref<TGadget> THeadlessMenu::Create(const Ref<TGadget>& group, int tag, const String& text) {
    const Ref<TGadget> self(this);
    name = text;
    _tag = tag;
    Ref<TGadget> container = group;
    if (auto window = Cast<THeadlessWindow>(group))
        container = window->GetMenu();
    _setparent(container, -1);
    if (TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeKeysAtCreation)
        CurrentDriver()->SetGadgetLocalization(self, name, {});
    return self;
}

int THeadlessMenu::Open(int) {
    if (THeadlessMenu* above = ParentMenu(*this)) {
        _pmenu = above->_hmenu;
        if (!_pmenu)
            RuntimeError(
                u"Parent doesn't have a handle - the desktop heap may have run out of memory!");
        _item = above->_itemcount++;
        _nativeText =
            name.empty() ? String() : TVellumLocalizationEngine::LocalizeString(name) + _shortcut;
        _nativeState = 0;
        _nativeIcon = _icon;
        if (!kids->IsEmpty()) {
            _hmenu = NewNativeHandle();
            _itemcount = 0;
        }
        if (_state & StateDisabled)
            SetEnabled(0);
        if (_state & StateChecked)
            SetSelected(1);
    } else {
        _hmenu = NewNativeHandle();
        _itemcount = 0;
    }
    for (const Object& kid : kids->ToArray())
        if (auto item = Cast<THeadlessMenu>(kid))
            item->Open(0);
    return 0;
}

int THeadlessMenu::FreeKids() {
    for (const Object& kid : *kids)
        if (auto item = Cast<THeadlessMenu>(kid))
            item->Close();
    return 0;
}

int THeadlessMenu::Close() {
    FreeKids();
    _hmenu = 0;
    _itemcount = 0;
    return 0;
}

bool THeadlessMenu::NativeShown() const {
    const THeadlessMenu* above = ParentMenu(*this);
    return above && _pmenu && above->_hmenu == _pmenu;
}

bool THeadlessMenu::Selectable() const {
    if (IsSeparator() || _hmenu)
        return false;
    for (const THeadlessMenu* item = this; ParentMenu(*item); item = ParentMenu(*item))
        if (!item->NativeShown() || (item->_nativeState & StateDisabled))
            return false;
    return true;
}

std::vector<Ref<THeadlessMenu>> THeadlessMenu::ShownItems() const {
    std::vector<Ref<THeadlessMenu>> shown;
    for (const Object& kid : *kids)
        if (auto item = Cast<THeadlessMenu>(kid); item && item->NativeShown())
            shown.push_back(item);
    return shown;
}

} // namespace vandro
