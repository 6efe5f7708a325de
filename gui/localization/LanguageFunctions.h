// The module functions of the localization engine's languages; each forwards to the language
// given first (reaching through a null language raises TNullObjectException).
#pragma once

#include "Language.h"

namespace vandro {

Ref<TVellumLanguage> CreateLanguage(const String& name);
Ref<TVellumLanguage> LoadLanguageFile(const StreamUrl& source);
// Writes the language with SaveText. A target path ending in "/" or "\" names a folder: the file
// in it is the name's first word followed by ".language.ini".
int SaveLanguageFile(const Ref<TVellumLanguage>& language, const StreamUrl& target);
int SetLanguageName(const Ref<TVellumLanguage>& language, const String& name);
String LanguageName(const Ref<TVellumLanguage>& language);
int DefineLanguageToken(const Ref<TVellumLanguage>& language, const String& token,
                        const String& definition);
String LookupLanguageToken(const Ref<TVellumLanguage>& language, const String& token);
int RemoveLanguageToken(const Ref<TVellumLanguage>& language, const String& token);
int ClearLanguageTokens(const Ref<TVellumLanguage>& language);

// The file a language is saved to in a folder. Characters no file name may hold become "_",
// so that a name read from a file cannot lead out of the folder.
String LanguageFileName(const String& languageName);

} // namespace vandro
