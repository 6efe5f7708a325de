// Any bytes as a language file: reading never fails, localizing with what was read ends in
// bounded time and memory, and what was read is written and read back unchanged.
#include "gui/localization/LocalizationEngine.h"
#include "tests/support/FuzzCheck.h"

#include "runtime/Boxed.h"

#include <cstdint>
#include <cstdio>

using namespace vandro;

namespace {

// FF FE starts UTF-16LE, as LoadText reads it; any other bytes are Latin-1.
String Decode(const std::uint8_t* data, std::size_t size) {
    String text;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        for (std::size_t i = 2; i + 1 < size; i += 2)
            text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    } else {
        text.assign(data, data + size);
    }
    return text;
}

// Every definition of the one is in the other, the name entry aside.
void RequireSameDefinitions(const TVellumLanguage& read, const TVellumLanguage& back) {
    Require(back.GetName() == read.GetName());
    int count = 0;
    for (const auto& [key, stored] : *read.mapDictionary) {
        if (StringOf(key) == u"languageid")
            continue;
        Require(StringOf(back.mapDictionary->ValueForKey(key)) == StringOf(stored));
        ++count;
    }
    Require(back.mapDictionary->Count() == count + 1);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Cycles are common here and each one writes a warning line.
    Require(std::freopen("/dev/null", "w", stdout) != nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String text = Decode(data, size);
    const auto language = New<TVellumLanguage>()->Deserialize(text);
    TVellumLocalizationEngine::_SetMode(1);
    TVellumLocalizationEngine::_SetLanguage(language);
    TVellumLocalizationEngine::LocalizeString(text);
    if (language) {
        const auto back = New<TVellumLanguage>()->Deserialize(language->Serialize());
        Require(back != nullptr);
        RequireSameDefinitions(*language, *back);
        int tokens = 0;
        for (const auto& entry : *language->mapDictionary) {
            if (++tokens > 4)
                break;
            TVellumLocalizationEngine::LocalizeString(u"{{" + StringOf(entry.first) + u"}}");
        }
    }
    TVellumLocalizationEngine::_SetLanguage(nullptr);
    TVellumLocalizationEngine::_SetMode(0);
    return 0;
}
