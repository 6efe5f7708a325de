#include "Language.h"

#include "LanguageSyntax.h"

#include "io/TextFiles.h"

#include "runtime/Boxed.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

// The dictionary key of the name entry.
const String kNameKey = u"languageid";
// How the dictionary stores an empty definition, so that it differs from an undefined token.
const String kStoredEmpty(1, u'\0');

bool IsNameToken(const String& token) { return Lower(token) == kNameKey; }

} // namespace

Ref<TVellumLanguage> TVellumLanguage::Create(const String& name) {
    SetName(name);
    return Ref<TVellumLanguage>(this);
}

int TVellumLanguage::SetName(const String& name) { return DefineToken(LANGUAGENAME_TOKEN, name); }

String TVellumLanguage::GetName() const { return strName; }

int TVellumLanguage::DefineToken(const String& token, const String& definition) {
    if (token.empty())
        return 0;
    // Only the exact name token renames; other spellings are ordinary definitions of its entry.
    if (token == LANGUAGENAME_TOKEN)
        strName = definition;
    mapDictionary->Insert(Box(Lower(token)), Box(Prepare(definition)));
    return 0;
}

int TVellumLanguage::RemoveToken(const String& token) {
    if (token.empty() || IsNameToken(token))
        return 0;
    mapDictionary->Remove(Box(Lower(token)));
    return 0;
}

String TVellumLanguage::LookupToken(const String& token) const {
    const Object stored = mapDictionary->ValueForKey(Box(Lower(token)));
    return stored ? Prepare(StringOf(stored)) : token;
}

int TVellumLanguage::ClearTokens() {
    mapDictionary->Clear();
    return SetName(GetName());
}

int TVellumLanguage::LoadEntriesFromText(const String& text) {
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(u'\n', start), text.size());
        const String line = StripWhitespace(CutComment(text.substr(start, end - start)), 0);
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == u'[')
            break;
        // No escape holds or makes an "=", so the raw line splits where the unescaped one would.
        const std::size_t equals = line.find(u'=');
        if (equals == String::npos || equals == 0)
            continue;
        const String written = line.substr(equals + 1);
        // A file that holds the stored form of an empty definition means the empty definition;
        // a definition of code 0 itself is written as an escape.
        const bool storedEmpty = StripWhitespace(written, 1) == kStoredEmpty;
        DefineToken(StripWhitespace(Unescape(line.substr(0, equals)), 1),
                    storedEmpty ? String() : StripWhitespace(Unescape(written), 1));
    }
    return 0;
}

String TVellumLanguage::Serialize() const {
    String text = u"[" + String(SECTION_HEADER) + u"]" + CARRIAGE_RETURN + LANGUAGENAME_TOKEN +
                  u" = " + QuotedText(strName) + CARRIAGE_RETURN;
    for (const auto& [key, stored] : *mapDictionary) {
        const String token = StringOf(key);
        if (token == kNameKey || !IsWritableKey(token))
            continue;
        text += FileKey(token) + u" = " + QuotedText(Prepare(StringOf(stored))) + CARRIAGE_RETURN;
    }
    return text;
}

Ref<TVellumLanguage> TVellumLanguage::Deserialize(const String& text) {
    const String header = u"[" + String(SECTION_HEADER) + u"]";
    const int at = Find(text, header);
    if (at < 0)
        return nullptr;
    const int lineEnd = Find(text, u"\n", at + static_cast<int>(header.size()));
    if (lineEnd < 0)
        return nullptr;
    const String section = text.substr(static_cast<std::size_t>(lineEnd));
    if (Find(Lower(section), kNameKey) < 0)
        return nullptr;
    mapDictionary->Clear();
    LoadEntriesFromText(section);
    return Ref<TVellumLanguage>(this);
}

Ref<TVellumLanguage> TVellumLanguage::LoadLanguage(const StreamUrl& source) {
    return New<TVellumLanguage>()->Deserialize(LoadText(source));
}

String TVellumLanguage::StripWhitespace(const String& text, int unquote) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == String::npos)
        return String();
    const std::size_t last = text.find_last_not_of(u" \t\r");
    String out = last == String::npos ? String() : text.substr(first, last - first + 1);
    if (unquote && out.size() >= 2 && out.front() == u'"' && out.back() == u'"')
        out = out.substr(1, out.size() - 2);
    return out;
}

String TVellumLanguage::Prepare(const String& text) {
    if (text.empty())
        return kStoredEmpty;
    return text == kStoredEmpty ? String() : text;
}

} // namespace vandro
