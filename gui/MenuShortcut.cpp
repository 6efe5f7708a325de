#include "MenuShortcut.h"

#include "gui/localization/LocalizationEngine.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

struct KeyWord {
    int key;
    const char16_t* word;
    // Named keys are words that localization may translate; symbols stay bare.
    bool named;
};

constexpr KeyWord kKeyWords[] = {
    {0x08, u"Backspace", true}, {0x09, u"Tab", true},    {0x1B, u"Esc", true},
    {0x20, u"Space", true},     {0x0D, u"Enter", true},  {0x21, u"PageUp", true},
    {0x22, u"PageDown", true},  {0x23, u"End", true},    {0x24, u"Home", true},
    {0x25, u"Left", true},      {0x27, u"Right", true},  {0x26, u"Up", true},
    {0x28, u"Down", true},      {0x2D, u"Insert", true}, {0x2E, u"Delete", true},
    {0xC0, u"~", false},        {0xBD, u"-", false},     {0xBB, u"=", false},
    {0xDB, u"[", false},        {0xDD, u"]", false},     {0xE2, u"\\", false},
    {0xBA, u";", false},        {0xDE, u"'", false},     {0xBC, u",", false},
    {0xBE, u".", false},        {0xBF, u"/", false},     {0x6A, u"Num *", false},
    {0x6B, u"Num +", false},    {0x6D, u"Num -", false}, {0x6E, u"Num .", false},
    {0x6F, u"Num /", false},
};

constexpr int kF1 = 0x70, kF12 = 0x7B, kNumpad0 = 0x60, kNumpad9 = 0x69;

// The key's own text; named keys wrapped in the token marks.
String KeyText(int key, const String& open, const String& close) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return String(1, static_cast<char16_t>(key));
    if (key >= kF1 && key <= kF12)
        return u"F" + IntText(key - kF1 + 1);
    if (key >= kNumpad0 && key <= kNumpad9)
        return u"Num " + IntText(key - kNumpad0);
    for (const KeyWord& word : kKeyWords)
        if (word.key == key)
            return word.named ? open + word.word + close : String(word.word);
    return {};
}

} // namespace

String MenuShortcutText(int key, int modifiers) {
    const bool tokens =
        TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeTranslates;
    const String open = tokens ? u"{{" : u"";
    const String close = tokens ? u"}}" : u"";
    String text = KeyText(key, open, close);
    if (text.empty())
        return text;
    // Each word goes in front of what is there, so all three read Alt+Ctrl+Shift+key.
    constexpr struct {
        int mask;
        const char16_t* word;
    } kModifiers[] = {{1, u"Shift"}, {2, u"Ctrl"}, {4, u"Alt"}};
    for (const auto& modifier : kModifiers)
        if (modifiers & modifier.mask)
            text = open + modifier.word + close + u"+" + text;
    return TVellumLocalizationEngine::LocalizeString(u"\t" + text);
}

} // namespace vandro
