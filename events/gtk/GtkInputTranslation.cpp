// Raw GDK input of the program's widgets becomes the toolkit's key, mouse, wheel and
// enter/leave events, with the data the Windows platform gives them.
#include "GtkKeyCodes.h"
#include "GtkSystemDriver.h"

#include "events/Event.h"

#include <algorithm>

namespace vandro {

namespace {

int Emit(int id, const Object& source, int data, int mods, int x, int y) {
    return CreateEvent(id, source, data, mods, x, y)->Emit();
}

// Mouse buttons are numbered left 1, right 2, middle 3; 0 for the others.
int ButtonNumber(guint button) {
    switch (button) {
    case 1:
        return 1;
    case 3:
        return 2;
    case 2:
        return 3;
    default:
        return 0;
    }
}

// The character a key types as a character event: Ctrl with a letter gives its control code.
int CharacterOf(const GdkEventKey& key, int mods) {
    const gunichar typed = gdk_keyval_to_unicode(key.keyval);
    if (typed == 0 || typed > 0xFFFF)
        return 0;
    if ((mods & 2) && ((typed >= u'a' && typed <= u'z') || (typed >= u'A' && typed <= u'Z')))
        return static_cast<int>(typed & 0x1F);
    return static_cast<int>(typed);
}

} // namespace

int TGtkSystemDriver::TranslateInput(const GdkEvent* event, const Object& source, int originX,
                                     int originY) {
    switch (event->type) {
    case GDK_KEY_PRESS:
    case GDK_KEY_RELEASE:
        return TranslateKey(event->key, source);
    case GDK_BUTTON_PRESS:
    case GDK_BUTTON_RELEASE:
        return TranslateButton(event->button, source, originX, originY);
    case GDK_MOTION_NOTIFY:
        return TranslateMotion(event->motion, source, originX, originY);
    case GDK_ENTER_NOTIFY:
    case GDK_LEAVE_NOTIFY:
        return TranslateCrossing(event->crossing, source, originX, originY);
    case GDK_SCROLL:
        return TranslateScroll(event->scroll, source, originX, originY);
    default:
        return 0;
    }
}

int TGtkSystemDriver::TranslateKey(const GdkEventKey& key, const Object& source) {
    const int code = VirtualKeyOf(key);
    if (code < 1 || code > 255)
        return 0;
    const bool press = key.type == GDK_KEY_PRESS;
    // GDK's state is the one before the key; a modifier key changes it by its own bit.
    modifiers_ = ModifiersFromState(key.state);
    if (const int own = ModifierOfKey(code))
        modifiers_ = press ? (modifiers_ | own) : (modifiers_ & ~own);
    const auto held = std::find(keysDown_.begin(), keysDown_.end(), key.hardware_keycode);
    if (!press) {
        if (held != keysDown_.end())
            keysDown_.erase(held);
        Emit(KeyUp, source, code, modifiers_, 0, 0);
        return 1;
    }
    const bool repeat = held != keysDown_.end();
    if (!repeat)
        keysDown_.push_back(key.hardware_keycode);
    Emit(repeat ? KeyRepeat : KeyDown, source, code, modifiers_, 0, 0);
    if (const int character = CharacterOf(key, modifiers_))
        Emit(KeyChar, source, character, modifiers_, 0, 0);
    return 1;
}

int TGtkSystemDriver::TranslateButton(const GdkEventButton& button, const Object& source,
                                      int originX, int originY) {
    const int number = ButtonNumber(button.button);
    if (number == 0)
        return 0;
    const int x = static_cast<int>(button.x_root) - originX;
    const int y = static_cast<int>(button.y_root) - originY;
    const int id = button.type == GDK_BUTTON_PRESS ? MouseDown : MouseUp;
    Emit(id, source, number, ModifiersFromState(button.state), x, y);
    return 1;
}

int TGtkSystemDriver::TranslateMotion(const GdkEventMotion& motion, const Object& source,
                                      int originX, int originY) {
    const int rootX = static_cast<int>(motion.x_root);
    const int rootY = static_cast<int>(motion.y_root);
    Track(source, originX, originY, rootX, rootY);
    Emit(MouseMove, source,
         HeldButton(motion.state & GDK_BUTTON1_MASK, motion.state & GDK_BUTTON3_MASK,
                    motion.state & GDK_BUTTON2_MASK),
         ModifiersFromState(motion.state), rootX - originX, rootY - originY);
    return 1;
}

int TGtkSystemDriver::TranslateCrossing(const GdkEventCrossing& crossing, const Object& source,
                                        int originX, int originY) {
    const int rootX = static_cast<int>(crossing.x_root);
    const int rootY = static_cast<int>(crossing.y_root);
    if (crossing.type == GDK_ENTER_NOTIFY) {
        Track(source, originX, originY, rootX, rootY);
        return 1;
    }
    // Into a child: the child's own enter takes over.
    if (crossing.detail == GDK_NOTIFY_INFERIOR || tracked_ != source)
        return 0;
    Track({}, 0, 0, rootX, rootY);
    return 1;
}

int TGtkSystemDriver::TranslateScroll(const GdkEventScroll& scroll, const Object& source,
                                      int originX, int originY) {
    int notches = 0;
    if (scroll.direction == GDK_SCROLL_UP)
        notches = 1;
    else if (scroll.direction == GDK_SCROLL_DOWN)
        notches = -1;
    else
        return 0;
    Emit(MouseWheel, source, notches, ModifiersFromState(scroll.state),
         static_cast<int>(scroll.x_root) - originX, static_cast<int>(scroll.y_root) - originY);
    return 1;
}

void TGtkSystemDriver::Track(const Object& source, int originX, int originY, int rootX, int rootY) {
    if (source == tracked_)
        return;
    const Object previous = std::move(tracked_);
    tracked_ = source;
    if (previous)
        Emit(MouseLeave, previous, 0, 0, rootX - trackedX_, rootY - trackedY_);
    trackedX_ = originX;
    trackedY_ = originY;
    if (source)
        Emit(MouseEnter, source, 0, 0, rootX - originX, rootY - originY);
}

void TGtkSystemDriver::SourceGone(const Object& source) {
    if (tracked_ == source)
        tracked_ = nullptr;
}

} // namespace vandro
