// A language whose definitions, keys and name hold everything a language file line could lose:
// line breaks, backslashes, semicolons, quotes, white space at either end, empty definitions,
// code 0.
#pragma once

#include "gui/localization/Language.h"

#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

inline vandro::Ref<vandro::TVellumLanguage> TrickyLanguage(bool latin1Only = false) {
    using vandro::String;
    const String zero(1, u'\0');
    const std::vector<String> definitions = {u"",
                                             u"plain",
                                             u"line\nbreak",
                                             u"\n",
                                             u"carriage\rreturn\r",
                                             u"\r\n",
                                             u"back\\slash",
                                             u"\\",
                                             u"ends in \\",
                                             u"\\\\n",
                                             u"\\r\\n\\t\\;\\#\\:",
                                             u"semi;colon",
                                             u";",
                                             u"ends;",
                                             u"\\;",
                                             u"\"quoted\"",
                                             u"\"",
                                             u"a\"b;c\"d",
                                             u"\" ; \"",
                                             u"  leading",
                                             u"trailing  ",
                                             u" ",
                                             u"\t tabs \t",
                                             u"# hash : colon",
                                             u"= equals =",
                                             u"[section]",
                                             u"{{token}}",
                                             u"\u00fcml\u00e4ut \u00ff",
                                             u"sun \u2600",
                                             u"\xd83d\xde00 and a lone \xdc00",
                                             zero,
                                             zero + u"first",
                                             u"last" + zero,
                                             u"a" + zero + u"b",
                                             zero + zero};
    const std::vector<String> keys = {u"plain key", u" spaced ",    u"[section",  u"\"q\"",
                                      u"\"",        u"back\\slash", u"line\nkey", u"tab\t",
                                      u"cr\r",      u"#:",          u"\u00fc",    u"\u2600"};
    const auto fits = [&](const String& text) {
        return !latin1Only ||
               std::all_of(text.begin(), text.end(), [](char16_t u) { return u < 256; });
    };
    auto language = vandro::New<vandro::TVellumLanguage>()->Create(
        u"Name \"with\" quotes\\ ; and\nmore \u00e9");
    for (std::size_t i = 0; i < definitions.size(); ++i)
        if (fits(definitions[i]))
            language->DefineToken(u"k" + vandro::IntText(static_cast<int>(i)), definitions[i]);
    for (const String& key : keys)
        if (fits(key))
            language->DefineToken(key, key + u" = value");
    return language;
}

// The same name and the same definitions, each looked up as it was stored.
inline void ExpectSameLanguage(const vandro::Ref<vandro::TVellumLanguage>& back,
                               const vandro::Ref<vandro::TVellumLanguage>& language) {
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetName(), language->GetName());
    EXPECT_EQ(back->mapDictionary->Count(), language->mapDictionary->Count());
    for (const auto& [key, stored] : *language->mapDictionary) {
        const vandro::String token = vandro::StringOf(key);
        EXPECT_EQ(back->LookupToken(token), language->LookupToken(token)) << vandro::ToUtf8(token);
    }
}
