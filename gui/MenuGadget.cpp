#include "MenuGadget.h"

#include "GadgetConstants.h"
#include "GadgetEvents.h"
#include "MenuShortcut.h"
#include "ToolkitStart.h"
#include "ToolkitState.h"
#include "gui/kinds/PlatformGadget.h"
#include "gui/localization/LocalizationEngine.h"

#include "runtime/Exceptions.h"

namespace vandro {

TMenuGadget::TMenuGadget() { _key = SetNewKey(); }

TMenuGadget::~TMenuGadget() {
    auto& menus = Toolkit().menus;
    if (auto found = menus.find(_key); found != menus.end() && found->second == this)
        menus.erase(found);
}

int TMenuGadget::DoLayout() { return 0; }

int TMenuGadget::Free() {
    const Ref<TGadget> self(this);
    Close();
    _setparent(nullptr, -1);
    Toolkit().menus.erase(_key);
    _icon = nullptr;
    IconChanged();
    // A freed item's shortcut would go on raising events for a menu nobody can see.
    UnbindHotKey(_hotkey);
    _hotkey = nullptr;
    return 0;
}

int TMenuGadget::State() { return _state; }

int TMenuGadget::SetText(const String& text) {
    name = text;
    return 0;
}

String TMenuGadget::GetText() { return name; }

int TMenuGadget::SetTooltip(const String&) { return 0; }

int TMenuGadget::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8))
        return 0;
    _icon = pixmap;
    IconChanged();
    return 1;
}

int TMenuGadget::SetEnabled(int enabled) {
    _state = enabled ? (_state & ~StateDisabled) : (_state | StateDisabled);
    if (_shown)
        ShowEnabled(enabled != 0);
    return 0;
}

int TMenuGadget::SetSelected(int selected) {
    _state = selected ? (_state | StateChecked) : (_state & ~StateChecked);
    if (_shown)
        ShowChecked(selected != 0);
    return 0;
}

int TMenuGadget::SetHotKey(int key, int modifiers) {
    _hotkeycode = key;
    _modifier = modifiers;
    _shortcut = MenuShortcutText(key, modifiers);
    // The plain text, not its localization, until the next rebuild.
    if (_shown)
        ShowText(name + _shortcut);
    // A pop-up menu made without a window has shortcuts for every window (handle 0).
    const Ref<TGadget> self(this);
    _hotkey = RebindHotKey(_hotkey, key, modifiers,
                           TEvent::Create(MenuAction, self, _tag, modifiers, 0, 0, {}),
                           GadgetWindowHandle(self));
    return 0;
}

int TMenuGadget::Class() { return ClassMenu; }

int TMenuGadget::SetNewKey() {
    ToolkitState& toolkit = Toolkit();
    int key = ++toolkit.menuCounter;
    // A native command may carry only the id's low 16 bits, and there 0 to 100 are the window's
    // own commands (Enter and Escape on a control send 1 and 2): no id ends in them.
    if ((key & 0xFFFF) <= LastWindowCommand)
        key = toolkit.menuCounter = (key & ~0xFFFF) + LastWindowCommand + 1;
    toolkit.menus[key] = this;
    return key;
}

Ref<TMenuGadget> TMenuGadget::GetMenuFromKey(int key) {
    const auto& menus = Toolkit().menus;
    const auto found = menus.find(key);
    return found == menus.end() ? Ref<TMenuGadget>() : Ref<TMenuGadget>(found->second);
}

const std::map<int, TMenuGadget*>& TMenuGadget::Keys() { return Toolkit().menus; }

Ref<TGadget> TMenuGadget::Create(const Ref<TGadget>& group, int tag, const String& text) {
    const Ref<TGadget> self(this);
    name = text;
    _tag = tag;
    Ref<TGadget> container = group;
    if (Cast<TPlatformGadget>(group) && group->Class() == ClassWindow)
        container = group->GetMenu();
    _setparent(container, -1);
    if (TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeKeysAtCreation)
        CurrentDriver()->SetGadgetLocalization(self, name, {});
    return self;
}

int TMenuGadget::Open(int popup) {
    if (TMenuGadget* above = ParentMenu()) {
        if (!above->HasNativeMenu())
            RuntimeError(
                u"Parent doesn't have a handle - the desktop heap may have run out of memory!");
        _item = above->_itemcount++;
        _itemcount = 0;
        AppendItem(*above, IsSeparator()
                               ? String()
                               : TVellumLocalizationEngine::LocalizeString(name) + _shortcut);
        _shown = true;
        if (_state & StateDisabled)
            SetEnabled(0);
        if (_state & StateChecked)
            SetSelected(1);
    } else {
        NewRootMenu(popup);
        _itemcount = 0;
    }
    for (const Object& kid : kids->ToArray())
        if (auto item = Cast<TMenuGadget>(kid))
            item->Open(0);
    return 0;
}

int TMenuGadget::FreeKids() {
    for (const Object& kid : kids->ToArray())
        if (auto item = Cast<TMenuGadget>(kid))
            item->Close();
    return 0;
}

int TMenuGadget::Close() {
    FreeKids();
    CloseNative();
    _shown = false;
    return 0;
}

TMenuGadget* TMenuGadget::ParentMenu() const { return dynamic_cast<TMenuGadget*>(parent); }

int EmitMenuAction(int id, Object& popupextra) {
    const Ref<TMenuGadget> menu = TMenuGadget::GetMenuFromKey(id);
    const Object extra = std::move(popupextra);
    popupextra = nullptr;
    EmitGadgetEvent(MenuAction, menu, menu ? menu->_tag : 0, 0, 0, 0, extra);
    return 0;
}

} // namespace vandro
