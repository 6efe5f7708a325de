#include "LocalizationFixture.h"
#include "TrickyLanguage.h"

#include "gui/localization/LanguageFunctions.h"

#include "io/StreamExceptions.h"
#include "io/StreamFunctions.h"

#include <filesystem>
#include <fstream>
#include <iterator>

using LanguageFile = LocalizationTest;

namespace {

std::string FileBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const char* path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Latin1(const String& text) { return std::string(text.begin(), text.end()); }

std::string Utf16(const String& text, bool bigEndian) {
    std::string bytes;
    for (char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

const String kGerman = u"[LanguageDefinition]\r\nLanguageId = \"Deutsch\"\r\n"
                       u"cancel = \"Abbrechen\"\r\nsave = \"Datei \u00e4ndern\"\r\n";

void ExpectGerman(const Ref<TVellumLanguage>& language) {
    ASSERT_TRUE(language);
    EXPECT_EQ(language->GetName(), u"Deutsch");
    EXPECT_EQ(language->LookupToken(u"Cancel"), u"Abbrechen");
    EXPECT_EQ(language->LookupToken(u"save"), u"Datei \u00e4ndern");
}

} // namespace

TEST_F(LanguageFile, LoadReadsAnyByteOrderMark) {
    WriteBytes("latin1.ini", Latin1(kGerman));
    WriteBytes("utf8.ini", "\xEF\xBB\xBF" + ToUtf8(kGerman));
    WriteBytes("utf16le.ini", "\xFF\xFE" + Utf16(kGerman, false));
    WriteBytes("utf16be.ini", "\xFE\xFF" + Utf16(kGerman, true));
    for (const char16_t* path : {u"latin1.ini", u"utf8.ini", u"utf16le.ini", u"utf16be.ini"}) {
        SCOPED_TRACE(ToUtf8(path));
        ExpectGerman(LoadLanguageFile(path));
    }
}

TEST_F(LanguageFile, LoadAnswersNullWithoutASection) {
    WriteBytes("nosection.ini", "LanguageId = Deutsch\r\n");
    EXPECT_FALSE(LoadLanguageFile(u"nosection.ini"));
    WriteBytes("empty.ini", "");
    EXPECT_FALSE(LoadLanguageFile(u"empty.ini"));
}

TEST_F(LanguageFile, LoadOfAMissingFileRaisesTheReadException) {
    std::filesystem::remove("missing.ini");
    EXPECT_THROW(LoadLanguageFile(u"missing.ini"), TStreamReadException);
}

TEST_F(LanguageFile, AFolderTargetGetsTheFirstWordOfTheName) {
    std::filesystem::remove_all("lang");
    std::filesystem::create_directory("lang");
    const auto language = CreateLanguage(u"Deutsch Formal");
    DefineLanguageToken(language, u"Cancel", u"Abbrechen");
    SaveLanguageFile(language, u"lang/");
    ASSERT_TRUE(std::filesystem::exists("lang/Deutsch.language.ini"));
    const auto back = LoadLanguageFile(u"lang/Deutsch.language.ini");
    ASSERT_TRUE(back);
    EXPECT_EQ(LanguageName(back), u"Deutsch Formal");
    EXPECT_EQ(LookupLanguageToken(back, u"cancel"), u"Abbrechen");

    SetLanguageName(language, u"English");
    SaveLanguageFile(language, u"lang\\");
    EXPECT_TRUE(std::filesystem::exists("lang/English.language.ini"));
}

TEST_F(LanguageFile, FileNamesHoldNothingThatLeadsOutOfTheFolder) {
    EXPECT_EQ(LanguageFileName(u"Deutsch Formal"), u"Deutsch.language.ini");
    EXPECT_EQ(LanguageFileName(u"English"), u"English.language.ini");
    EXPECT_EQ(LanguageFileName(u"../../x y"), u".._.._x.language.ini");
    EXPECT_EQ(LanguageFileName(u"C:\\evil"), u"C__evil.language.ini");
    EXPECT_EQ(LanguageFileName(u"a\tb*?<>|\" c"), u"a_b______.language.ini");
    EXPECT_EQ(LanguageFileName(u""), u".language.ini");
    EXPECT_EQ(LanguageFileName(u" leading"), u".language.ini");
    EXPECT_EQ(LanguageFileName(u"Fran\u00e7ais"), u"Fran\u00e7ais.language.ini");
}

TEST_F(LanguageFile, LatinTextIsSavedOneByteACharacter) {
    const auto language = CreateLanguage(u"Fran\u00e7ais");
    DefineLanguageToken(language, u"yes", u"Oui");
    SaveLanguageFile(language, u"french.ini");
    EXPECT_EQ(FileBytes("french.ini"), "[LanguageDefinition]\r\nLanguageId = \"Fran\xE7"
                                       "ais\"\r\nyes = \"Oui\"\r\n");
}

TEST_F(LanguageFile, OtherTextIsSavedAsUtf16WithAMark) {
    const auto language = CreateLanguage(u"Symbols");
    DefineLanguageToken(language, u"sun", u"\u2600");
    SaveLanguageFile(language, u"symbols.ini");
    EXPECT_EQ(FileBytes("symbols.ini"), "\xFF\xFE" + Utf16(language->Serialize(), false));
    EXPECT_EQ(LookupLanguageToken(LoadLanguageFile(u"symbols.ini"), u"sun"), u"\u2600");
}

TEST_F(LanguageFile, ASavedLanguageLoadsBackUnchanged) {
    for (bool latin1Only : {true, false}) {
        SCOPED_TRACE(latin1Only ? "Latin-1" : "UTF-16");
        const auto language = TrickyLanguage(latin1Only);
        SaveLanguageFile(language, u"tricky.ini");
        EXPECT_EQ(FileBytes("tricky.ini").substr(0, 2) == "\xFF\xFE", !latin1Only);
        ExpectSameLanguage(LoadLanguageFile(u"tricky.ini"), language);
    }
}

TEST_F(LanguageFile, StreamsAreTargetsAndSourcesToo) {
    const auto language = TrickyLanguage();
    const auto out = WriteStream(u"stream.ini");
    ASSERT_TRUE(out);
    SaveLanguageFile(language, out);
    CloseStream(out);
    const auto in = ReadStream(u"stream.ini");
    ASSERT_TRUE(in);
    ExpectSameLanguage(LoadLanguageFile(in), language);
    CloseStream(in);
}

TEST_F(LanguageFile, TheModuleFunctionsForwardToTheLanguage) {
    const auto language = CreateLanguage(u"Deutsch");
    DefineLanguageToken(language, u"a", u"1");
    DefineLanguageToken(language, u"b", u"2");
    RemoveLanguageToken(language, u"A");
    EXPECT_EQ(LookupLanguageToken(language, u"a"), u"a");
    ClearLanguageTokens(language);
    EXPECT_EQ(LookupLanguageToken(language, u"b"), u"b");
    EXPECT_EQ(LanguageName(language), u"Deutsch");
    EXPECT_THROW(LanguageName(nullptr), TNullObjectException);
}
