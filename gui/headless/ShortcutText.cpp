// The words menus show for their shortcut keys (Windows virtual-key codes).
#include "HeadlessMenu.h"

#include "gui/LocalizationEngine.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

struct KeyWord {
    int key;
    const char16_t* word;
};

// Words that localization may translate.
constexpr KeyWord kNamedKeys[] = {
    {0x08, u"Backspace"}, {0x09, u"Tab"},    {0x1B, u"Esc"},      {0x20, u"Space"},
    {0x0D, u"Enter"},     {0x21, u"PageUp"}, {0x22, u"PageDown"}, {0x23, u"End"},
    {0x24, u"Home"},      {0x25, u"Left"},   {0x27, u"Right"},    {0x26, u"Up"},
    {0x28, u"Down"},      {0x2D, u"Insert"}, {0x2E, u"Delete"},
};

constexpr KeyWord kSymbolKeys[] = {
    {0xC0, u"~"},     {0xBD, u"-"},     {0xBB, u"="},     {0xDB, u"["},
    {0xDD, u"]"},     {0xE2, u"\\"},    {0xBA, u";"},     {0xDE, u"'"},
    {0xBC, u","},     {0xBE, u"."},     {0xBF, u"/"},     {0x6A, u"Num *"},
    {0x6B, u"Num +"}, {0x6D, u"Num -"}, {0x6E, u"Num ."}, {0x6F, u"Num /"},
};

String KeyName(int key, const String& open, const String& close) {
    if ((key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A))
        return CharText(static_cast<char16_t>(key));
    if (key >= 0x70 && key <= 0x7B)
        return u"F" + IntText(key - 0x6F);
    if (key >= 0x60 && key <= 0x69)
        return u"Num " + IntText(key - 0x60);
    for (const KeyWord& named : kNamedKeys)
        if (named.key == key)
            return open + named.word + close;
    for (const KeyWord& symbol : kSymbolKeys)
        if (symbol.key == key)
            return symbol.word;
    return {};
}

} // namespace

String ShortcutText(int key, int modifiers) {
    const bool tokens =
        TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeTranslates;
    const String open = tokens ? u"{{" : u"";
    const String close = tokens ? u"}}" : u"";
    String text = KeyName(key, open, close);
    if (text.empty())
        return text;
    if (modifiers & 1)
        text = open + u"Shift" + close + u"+" + text;
    if (modifiers & 2)
        text = open + u"Ctrl" + close + u"+" + text;
    if (modifiers & 4)
        text = open + u"Alt" + close + u"+" + text;
    return TVellumLocalizationEngine::LocalizeString(u"\t" + text);
}

} // namespace vandro
