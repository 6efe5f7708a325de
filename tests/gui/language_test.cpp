#include "LocalizationFixture.h"
#include "TrickyLanguage.h"

#include "gui/localization/LanguageSyntax.h"

#include "runtime/Boxed.h"
#include "runtime/Text.h"

#include <random>

using Language = LocalizationTest;
using LanguageFileText = LocalizationTest;

namespace {

String StoredDefinition(const Ref<TVellumLanguage>& language, const String& key) {
    return StringOf(language->mapDictionary->ValueForKey(Box(key)));
}

// The definitions a text's section gives a new language.
Ref<TVellumLanguage> Read(const String& lines) {
    return New<TVellumLanguage>()->Deserialize(u"[LanguageDefinition]\r\nLanguageId = Test\r\n" +
                                               lines);
}

// The escapes replaced one kind after another through a code-0 placeholder.
String UnescapeByKinds(const String& line) {
    const String zero(1, u'\0');
    String text = Replace(line, u"\\\\", zero);
    const std::pair<const char16_t*, const char16_t*> kinds[] = {{u"\\r", u"\r"}, {u"\\n", u"\n"},
                                                                 {u"\\;", u";"},  {u"\\#", u"#"},
                                                                 {u"\\:", u":"},  {u"\\t", u"\t"}};
    for (const auto& [escape, unit] : kinds)
        text = Replace(text, escape, unit);
    return Replace(text, zero, u"\\");
}

} // namespace

TEST_F(Language, StartsUnnamedAndEmpty) {
    auto language = New<TVellumLanguage>();
    EXPECT_EQ(language->GetName(), u"Unknown Language");
    EXPECT_EQ(language->mapDictionary->Count(), 0);
    EXPECT_EQ(language->LookupToken(u"LanguageId"), u"LanguageId");
}

TEST_F(Language, CreateNamesTheLanguageThroughItsNameToken) {
    auto language = New<TVellumLanguage>();
    EXPECT_EQ(language->Create(u"Deutsch"), language);
    EXPECT_EQ(language->GetName(), u"Deutsch");
    EXPECT_EQ(language->LookupToken(u"languageid"), u"Deutsch");
    language->DefineToken(u"LanguageId", u"English");
    EXPECT_EQ(language->GetName(), u"English");
    EXPECT_EQ(language->LookupToken(u"LanguageId"), u"English");
}

TEST_F(Language, OnlyTheExactNameTokenRenames) {
    auto language = New<TVellumLanguage>()->Create(u"Deutsch");
    for (const String token : {u"languageid", u"LANGUAGEID", u"Languageid"}) {
        language->DefineToken(token, u"Fran\u00e7ais " + token);
        EXPECT_EQ(language->GetName(), u"Deutsch") << ToUtf8(token);
        EXPECT_EQ(language->LookupToken(u"LanguageId"), u"Fran\u00e7ais " + token);
    }
    EXPECT_EQ(language->mapDictionary->Count(), 1);
}

TEST_F(Language, TokensAreStoredInLowerCase) {
    auto language = New<TVellumLanguage>();
    language->DefineToken(u"Hello", u"Hallo");
    language->DefineToken(u"\u00c4RGER", u"Trouble");
    EXPECT_EQ(StoredDefinition(language, u"hello"), u"Hallo");
    EXPECT_EQ(language->LookupToken(u"HELLO"), u"Hallo");
    EXPECT_EQ(language->LookupToken(u"\u00e4rger"), u"Trouble");
    language->DefineToken(u"hELLO", u"Servus");
    EXPECT_EQ(language->LookupToken(u"hello"), u"Servus");
    EXPECT_EQ(language->mapDictionary->Count(), 2);
    EXPECT_EQ(language->LookupToken(u"Undefined Token"), u"Undefined Token");
}

TEST_F(Language, AnEmptyTokenIsNeverDefined) {
    auto language = New<TVellumLanguage>();
    language->DefineToken(u"", u"x");
    EXPECT_EQ(language->mapDictionary->Count(), 0);
    EXPECT_EQ(language->LookupToken(u""), u"");
}

TEST_F(Language, EmptyDefinitionsAreStoredAsTheCodeZeroCharacter) {
    const String zero(1, u'\0');
    EXPECT_EQ(TVellumLanguage::Prepare(u""), zero);
    EXPECT_EQ(TVellumLanguage::Prepare(zero), u"");
    EXPECT_EQ(TVellumLanguage::Prepare(u"x"), u"x");
    EXPECT_EQ(TVellumLanguage::Prepare(zero + zero), zero + zero);
    auto language = New<TVellumLanguage>();
    language->DefineToken(u"empty", u"");
    EXPECT_EQ(StoredDefinition(language, u"empty"), zero);
    EXPECT_EQ(language->LookupToken(u"empty"), u"");
}

TEST_F(Language, RemoveTokenKeepsTheNameEntry) {
    auto language = New<TVellumLanguage>()->Create(u"Deutsch");
    language->DefineToken(u"Hello", u"Hallo");
    language->RemoveToken(u"");
    language->RemoveToken(u"LANGUAGEID");
    EXPECT_EQ(language->mapDictionary->Count(), 2);
    language->RemoveToken(u"HELLO");
    EXPECT_EQ(language->LookupToken(u"hello"), u"hello");
    EXPECT_EQ(language->LookupToken(u"LanguageId"), u"Deutsch");
}

TEST_F(Language, ClearTokensKeepsTheName) {
    auto language = New<TVellumLanguage>()->Create(u"Deutsch");
    language->DefineToken(u"a", u"1");
    language->DefineToken(u"b", u"2");
    language->ClearTokens();
    EXPECT_EQ(language->mapDictionary->Count(), 1);
    EXPECT_EQ(language->LookupToken(u"a"), u"a");
    EXPECT_EQ(language->LookupToken(u"languageid"), u"Deutsch");
    EXPECT_EQ(language->GetName(), u"Deutsch");
}

TEST_F(LanguageFileText, StripWhitespace) {
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u" \t a b \t\r\r", 0), u"a b");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u"\ra", 0), u"\ra");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u" \r ", 0), u"");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u"", 1), u"");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u" \"a b\" ", 0), u"\"a b\"");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u" \"a b\" ", 1), u"a b");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u"\"\"", 1), u"");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u"\"", 1), u"\"");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u"\"a", 1), u"\"a");
    EXPECT_EQ(TVellumLanguage::StripWhitespace(u"\"\"a\"\"", 1), u"\"a\"");
}

TEST_F(LanguageFileText, TheExampleLines) {
    auto language = Read(u"greeting = \"Hello; world\" ; comment\r\n"
                         u"farewell = Bye ; comment\r\n"
                         u"path = C\\:\\\\temp\r\n"
                         u"[Other]\r\n"
                         u"after = not read\r\n");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->LookupToken(u"greeting"), u"Hello; world");
    EXPECT_EQ(language->LookupToken(u"farewell"), u"Bye");
    EXPECT_EQ(language->LookupToken(u"path"), u"C:\\temp");
    EXPECT_EQ(language->LookupToken(u"after"), u"after");
    EXPECT_EQ(language->GetName(), u"Test");
}

TEST_F(LanguageFileText, CommentsStartAtASemicolonOutsideQuotes) {
    auto language = Read(u"; a whole line of comment = x\n"
                         u"#hash = kept ; # does not start a comment\n"
                         u"quoted = \"a;b;c\"\n"
                         u"first = \"a\" ; one ; two\n"
                         u"unquoted = x\\;y\n"
                         u"escaped = \"x\\;y\" ; z\n"
                         u"inner = \"say \"hi\"; now\"\n"
                         u"open = \"a;b\n");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->mapDictionary->Count(), 8);
    EXPECT_EQ(language->LookupToken(u"#hash"), u"kept");
    EXPECT_EQ(language->LookupToken(u"quoted"), u"a;b;c");
    EXPECT_EQ(language->LookupToken(u"first"), u"a");
    EXPECT_EQ(language->LookupToken(u"unquoted"), u"x\\");
    EXPECT_EQ(language->LookupToken(u"escaped"), u"x;y");
    EXPECT_EQ(language->LookupToken(u"inner"), u"say \"hi\"; now");
    EXPECT_EQ(language->LookupToken(u"open"), u"\"a");
}

TEST_F(LanguageFileText, Escapes) {
    auto language = Read(u"controls = a\\r\\n\\tb\n"
                         u"marks = \\#\\:\\;x\n"
                         u"doubled = \\\\n\\\\\\n\n"
                         u"unknown = \\q\\\n"
                         u"tab = \"\\t\"\n");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->LookupToken(u"controls"), u"a\r\n\tb");
    EXPECT_EQ(language->LookupToken(u"marks"), u"#:\\") << "an unquoted \";\" ends the line";
    EXPECT_EQ(language->LookupToken(u"doubled"), u"\\n\\\n");
    EXPECT_EQ(language->LookupToken(u"unknown"), u"\\q\\");
    EXPECT_EQ(language->LookupToken(u"tab"), u"\t");
}

TEST_F(LanguageFileText, LinesWithoutAKeyAreSkipped) {
    auto language = Read(u"no equals sign\n"
                         u"= no key\n"
                         u"   \t\n"
                         u"  spaced  =  \"  kept  \"  \n"
                         u"\"quoted key\" = v\n"
                         u"empty = \"\"\n"
                         u"bare =\n"
                         u"a\"b = c\"d\"\n");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->mapDictionary->Count(), 6);
    EXPECT_EQ(language->LookupToken(u"spaced"), u"  kept  ");
    EXPECT_EQ(language->LookupToken(u"quoted key"), u"v");
    EXPECT_EQ(StoredDefinition(language, u"empty"), String(1, u'\0'));
    EXPECT_EQ(language->LookupToken(u"bare"), u"");
    EXPECT_EQ(language->LookupToken(u"a\"b"), u"c\"d\"");
}

TEST_F(LanguageFileText, DeserializeNeedsTheHeaderALineBreakAndTheNameToken) {
    auto language = New<TVellumLanguage>()->Create(u"Kept");
    language->DefineToken(u"old", u"entry");
    EXPECT_FALSE(language->Deserialize(u"LanguageId = X\nold = new\n"));
    EXPECT_FALSE(language->Deserialize(u"[LanguageDefinition] LanguageId = X"));
    EXPECT_FALSE(language->Deserialize(u"[LanguageDefinition]\nold = new\n"));
    EXPECT_FALSE(language->Deserialize(u"LanguageId = X\n[LanguageDefinition]\nold = new\n"));
    EXPECT_FALSE(language->Deserialize(u"[languagedefinition]\nLanguageId = X\n"));
    EXPECT_EQ(language->LookupToken(u"old"), u"entry");
    EXPECT_EQ(language->GetName(), u"Kept");
}

TEST_F(LanguageFileText, DeserializeReplacesEveryDefinition) {
    auto language = New<TVellumLanguage>()->Create(u"Kept");
    language->DefineToken(u"old", u"entry");
    EXPECT_EQ(language->Deserialize(u"junk = 1\r\n[LanguageDefinition] tail\r\nnew = 2\r\n"
                                    u"; the name comes later\r\nLanguageId = Neu\r\n"),
              language);
    EXPECT_EQ(language->LookupToken(u"old"), u"old");
    EXPECT_EQ(language->LookupToken(u"junk"), u"junk");
    EXPECT_EQ(language->LookupToken(u"new"), u"2");
    EXPECT_EQ(language->GetName(), u"Neu");
    EXPECT_EQ(language->mapDictionary->Count(), 2);
}

TEST_F(LanguageFileText, TheNameStaysUntilANameLineIsRead) {
    auto language = New<TVellumLanguage>()->Create(u"Kept");
    ASSERT_TRUE(language->Deserialize(u"[LanguageDefinition]\n; no LanguageId line\nk = v\n"));
    EXPECT_EQ(language->GetName(), u"Kept");
    EXPECT_EQ(language->LookupToken(u"LanguageId"), u"LanguageId");
}

TEST_F(LanguageFileText, SerializeWritesTheNameThenTheKeysInOrder) {
    auto language = New<TVellumLanguage>()->Create(u"Deutsch");
    language->DefineToken(u"Zebra", u"Z");
    language->DefineToken(u"apple", u"Apfel");
    EXPECT_EQ(language->Serialize(), u"[LanguageDefinition]\r\n"
                                     u"LanguageId = \"Deutsch\"\r\n"
                                     u"apple = \"Apfel\"\r\n"
                                     u"zebra = \"Z\"\r\n");
}

TEST_F(LanguageFileText, SerializeEscapesWhatALineCannotCarry) {
    auto language = New<TVellumLanguage>()->Create(u"N");
    language->DefineToken(u"k", u"a\\b\r\n\tc;\"");
    language->DefineToken(u"e", u"");
    language->DefineToken(u" [k ", u"v");
    EXPECT_EQ(language->Serialize(), u"[LanguageDefinition]\r\n"
                                     u"LanguageId = \"N\"\r\n"
                                     u"\" [k \" = \"v\"\r\n"
                                     u"e = \"\"\r\n"
                                     u"k = \"a\\\\b\\r\\n\\tc;\"\"\r\n");
}

TEST_F(LanguageFileText, AFileThatStoresTheEmptyDefinitionReadsItAsEmpty) {
    auto language = Read(String(u"empty = \"") + u'\0' + u"\"\n");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->LookupToken(u"empty"), u"");
    EXPECT_EQ(StoredDefinition(language, u"empty"), String(1, u'\0'));
}

TEST_F(LanguageFileText, ANameLineInAnotherCaseDefinesItsEntryButKeepsTheName) {
    auto language = New<TVellumLanguage>()->Create(u"Kept");
    ASSERT_TRUE(language->Deserialize(u"[LanguageDefinition]\nlanguageid = Neu\n"));
    EXPECT_EQ(language->GetName(), u"Kept");
    EXPECT_EQ(language->LookupToken(u"LanguageId"), u"Neu");
}

TEST_F(LanguageFileText, CodeZeroIsWrittenAsAnEscapeAndReadsBack) {
    const String zero(1, u'\0');
    auto language = New<TVellumLanguage>()->Create(u"N");
    language->DefineToken(u"k", zero);
    EXPECT_EQ(language->Serialize(),
              u"[LanguageDefinition]\r\nLanguageId = \"N\"\r\nk = \"\\0\"\r\n");
    const auto back = New<TVellumLanguage>()->Deserialize(language->Serialize());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->LookupToken(u"k"), zero);
}

TEST_F(LanguageFileText, EveryDefinitionReadsBackUnchanged) {
    const auto language = TrickyLanguage();
    const auto back = New<TVellumLanguage>()->Deserialize(language->Serialize());
    ExpectSameLanguage(back, language);
    EXPECT_EQ(back->Serialize(), language->Serialize());
}

TEST_F(LanguageFileText, KeysNoLineCanCarryAreLeftOutAndDisturbNothing) {
    auto language = New<TVellumLanguage>()->Create(u"N");
    language->DefineToken(u"a=b", u"1");
    language->DefineToken(u"a;b", u"2");
    language->DefineToken(u"c", u"3");
    auto back = New<TVellumLanguage>()->Deserialize(language->Serialize());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->mapDictionary->Count(), 2);
    EXPECT_EQ(back->LookupToken(u"c"), u"3");
    EXPECT_EQ(back->LookupToken(u"a"), u"a");
}

TEST_F(LanguageFileText, EscapesReadAsIfReplacedKindByKind) {
    const String alphabet = u"\\\\\\rnt;#:xq";
    std::mt19937 random(6);
    for (int sample = 0; sample < 5000; ++sample) {
        String line;
        for (auto length = random() % 12; length > 0; --length)
            line += alphabet[random() % alphabet.size()];
        EXPECT_EQ(Unescape(line), UnescapeByKinds(line)) << ToUtf8(line);
    }
    EXPECT_EQ(Unescape(String(u"a") + u'\0'), String(u"a") + u'\0') << "a code 0 in the file stays";
}
