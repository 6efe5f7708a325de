// A language: a dictionary from tokens to their definitions, read from and written to a language
// file with a [LanguageDefinition] section.
#pragma once

#include "io/StreamUrl.h"

#include "runtime/Map.h"

namespace vandro {

class TVellumLanguage : public TObject {
  public:
    static constexpr const char16_t* CARRIAGE_RETURN = u"\r\n";
    static constexpr const char16_t* SECTION_HEADER = u"LanguageDefinition";
    static constexpr const char16_t* LANGUAGENAME_TOKEN = u"LanguageId";

    virtual Ref<TVellumLanguage> Create(const String& name);
    virtual int SetName(const String& name);
    virtual String GetName() const;
    virtual int DefineToken(const String& token, const String& definition);
    virtual int RemoveToken(const String& token);
    // The definition, or the token itself when it has none.
    virtual String LookupToken(const String& token) const;
    // Keeps the name entry.
    virtual int ClearTokens();
    virtual int LoadEntriesFromText(const String& text);
    virtual String Serialize() const;
    // This language with the definitions of the text's section, or null when it has none.
    virtual Ref<TVellumLanguage> Deserialize(const String& text);

    // A new language read from a file path or a stream, or null when it has no section; raises
    // TStreamReadException when the source cannot be opened.
    static Ref<TVellumLanguage> LoadLanguage(const StreamUrl& source);
    static String StripWhitespace(const String& text, int unquote);
    // Swaps the empty string and the stored form of the empty definition.
    static String Prepare(const String& text);

    String strName = u"Unknown Language";
    Ref<TMap> mapDictionary = New<TMap>();
};

} // namespace vandro
