#include "GtkKeyCodes.h"

#include "events/Event.h"

#include <array>
#include <utility>

namespace vandro {

namespace {

// Keys whose code is not their character's.
constexpr std::array<std::pair<guint, int>, 73> kNamedKeys{{
    {GDK_KEY_BackSpace, 0x08},    {GDK_KEY_Tab, 0x09},          {GDK_KEY_ISO_Left_Tab, 0x09},
    {GDK_KEY_Clear, 0x0C},        {GDK_KEY_Return, 0x0D},       {GDK_KEY_KP_Enter, 0x0D},
    {GDK_KEY_Pause, 0x13},        {GDK_KEY_Caps_Lock, 0x14},    {GDK_KEY_Escape, 0x1B},
    {GDK_KEY_space, 0x20},        {GDK_KEY_Page_Up, 0x21},      {GDK_KEY_Page_Down, 0x22},
    {GDK_KEY_End, 0x23},          {GDK_KEY_Home, 0x24},         {GDK_KEY_Left, 0x25},
    {GDK_KEY_Up, 0x26},           {GDK_KEY_Right, 0x27},        {GDK_KEY_Down, 0x28},
    {GDK_KEY_Print, 0x2C},        {GDK_KEY_Insert, 0x2D},       {GDK_KEY_Delete, 0x2E},
    {GDK_KEY_Super_L, 0x5B},      {GDK_KEY_Super_R, 0x5C},      {GDK_KEY_Menu, 0x5D},
    {GDK_KEY_KP_0, 0x60},         {GDK_KEY_KP_1, 0x61},         {GDK_KEY_KP_2, 0x62},
    {GDK_KEY_KP_3, 0x63},         {GDK_KEY_KP_4, 0x64},         {GDK_KEY_KP_5, 0x65},
    {GDK_KEY_KP_6, 0x66},         {GDK_KEY_KP_7, 0x67},         {GDK_KEY_KP_8, 0x68},
    {GDK_KEY_KP_9, 0x69},         {GDK_KEY_KP_Multiply, 0x6A},  {GDK_KEY_KP_Add, 0x6B},
    {GDK_KEY_KP_Separator, 0x6C}, {GDK_KEY_KP_Subtract, 0x6D},  {GDK_KEY_KP_Decimal, 0x6E},
    {GDK_KEY_KP_Divide, 0x6F},    {GDK_KEY_KP_Home, 0x24},      {GDK_KEY_KP_End, 0x23},
    {GDK_KEY_KP_Page_Up, 0x21},   {GDK_KEY_KP_Page_Down, 0x22}, {GDK_KEY_KP_Left, 0x25},
    {GDK_KEY_KP_Up, 0x26},        {GDK_KEY_KP_Right, 0x27},     {GDK_KEY_KP_Down, 0x28},
    {GDK_KEY_KP_Insert, 0x2D},    {GDK_KEY_KP_Delete, 0x2E},    {GDK_KEY_Num_Lock, 0x90},
    {GDK_KEY_Scroll_Lock, 0x91},  {GDK_KEY_Shift_L, 160},       {GDK_KEY_Shift_R, 161},
    {GDK_KEY_Control_L, 162},     {GDK_KEY_Control_R, 163},     {GDK_KEY_Alt_L, 164},
    {GDK_KEY_Meta_L, 164},        {GDK_KEY_Alt_R, 165},         {GDK_KEY_ISO_Level3_Shift, 165},
    {GDK_KEY_semicolon, 0xBA},    {GDK_KEY_equal, 0xBB},        {GDK_KEY_comma, 0xBC},
    {GDK_KEY_minus, 0xBD},        {GDK_KEY_period, 0xBE},       {GDK_KEY_slash, 0xBF},
    {GDK_KEY_grave, 0xC0},        {GDK_KEY_bracketleft, 0xDB},  {GDK_KEY_backslash, 0xDC},
    {GDK_KEY_bracketright, 0xDD}, {GDK_KEY_apostrophe, 0xDE},   {GDK_KEY_less, 0xE2},
    {GDK_KEY_Meta_R, 165},
}};

// The key value the key types without modifiers, in the first keyboard group.
guint PlainKeyval(const GdkEventKey& key) {
    guint plain = 0;
    GdkKeymap* keymap = gdk_keymap_get_for_display(gdk_window_get_display(key.window));
    if (gdk_keymap_translate_keyboard_state(keymap, key.hardware_keycode, GdkModifierType(0), 0,
                                            &plain, nullptr, nullptr, nullptr))
        return plain;
    return key.keyval;
}

} // namespace

int VirtualKeyFromKeyval(guint keyval) {
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z)
        return static_cast<int>(keyval - GDK_KEY_a) + 0x41;
    if (keyval >= GDK_KEY_A && keyval <= GDK_KEY_Z)
        return static_cast<int>(keyval - GDK_KEY_A) + 0x41;
    if (keyval >= GDK_KEY_0 && keyval <= GDK_KEY_9)
        return static_cast<int>(keyval - GDK_KEY_0) + 0x30;
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F24)
        return static_cast<int>(keyval - GDK_KEY_F1) + 0x70;
    for (const auto& [named, code] : kNamedKeys)
        if (named == keyval)
            return code;
    return 0;
}

int VirtualKeyOf(const GdkEventKey& key) {
    // The keypad and the modifier keys keep the value they typed; the other keys are named by
    // what they type without Shift, so that Shift+1 is still key 0x31.
    const int typed = VirtualKeyFromKeyval(key.keyval);
    if ((typed >= 0x60 && typed <= 0x6F) || ModifierOfKey(typed))
        return typed;
    return VirtualKeyFromKeyval(PlainKeyval(key));
}

guint KeyvalFromVirtualKey(int key) {
    if (key >= 0x41 && key <= 0x5A)
        return GDK_KEY_a + static_cast<guint>(key - 0x41);
    if (key >= 0x30 && key <= 0x39)
        return GDK_KEY_0 + static_cast<guint>(key - 0x30);
    if (key >= 0x70 && key <= 0x87)
        return GDK_KEY_F1 + static_cast<guint>(key - 0x70);
    for (const auto& [named, code] : kNamedKeys)
        if (code == key)
            return named;
    return 0;
}

int ModifiersFromState(guint state) {
    return ((state & GDK_SHIFT_MASK) ? 1 : 0) | ((state & GDK_CONTROL_MASK) ? 2 : 0) |
           ((state & GDK_MOD1_MASK) ? 4 : 0) | ((state & (GDK_SUPER_MASK | GDK_MOD4_MASK)) ? 8 : 0);
}

} // namespace vandro
