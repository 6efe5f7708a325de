#include "LanguageFunctions.h"

#include "io/Stream.h"
#include "io/TextFiles.h"

namespace vandro {

namespace {

bool IsFolder(const StreamUrl& target) {
    if (Cast<TStream>(target.object) || target.text.empty())
        return false;
    return target.text.back() == u'/' || target.text.back() == u'\\';
}

bool IsForbiddenInFileNames(char16_t unit) {
    return unit < 32 || String(u"<>:\"/\\|?*").find(unit) != String::npos;
}

} // namespace

Ref<TVellumLanguage> CreateLanguage(const String& name) {
    return New<TVellumLanguage>()->Create(name);
}

Ref<TVellumLanguage> LoadLanguageFile(const StreamUrl& source) {
    return TVellumLanguage::LoadLanguage(source);
}

int SaveLanguageFile(const Ref<TVellumLanguage>& language, const StreamUrl& target) {
    const String text = language->Serialize();
    if (IsFolder(target))
        return SaveText(text, target.text + LanguageFileName(language->GetName()));
    return SaveText(text, target);
}

int SetLanguageName(const Ref<TVellumLanguage>& language, const String& name) {
    return language->SetName(name);
}

String LanguageName(const Ref<TVellumLanguage>& language) { return language->GetName(); }

int DefineLanguageToken(const Ref<TVellumLanguage>& language, const String& token,
                        const String& definition) {
    return language->DefineToken(token, definition);
}

String LookupLanguageToken(const Ref<TVellumLanguage>& language, const String& token) {
    return language->LookupToken(token);
}

int RemoveLanguageToken(const Ref<TVellumLanguage>& language, const String& token) {
    return language->RemoveToken(token);
}

int ClearLanguageTokens(const Ref<TVellumLanguage>& language) { return language->ClearTokens(); }

String LanguageFileName(const String& languageName) {
    String word = languageName.substr(0, languageName.find(u' '));
    for (char16_t& unit : word)
        if (IsForbiddenInFileNames(unit))
            unit = u'_';
    return word + u".language.ini";
}

} // namespace vandro
