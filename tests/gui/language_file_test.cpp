#include "LocalizationFixture.h"
#include "TrickyLanguage.h"

#include "gui/localization/LanguageFunctions.h"

#include "io/StreamExceptions.h"
#include "io/StreamFunctions.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

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
    try {
        LoadLanguageFile(u"missing.ini");
        ADD_FAILURE() << "no exception";
    } catch (const TStreamReadException& error) {
        EXPECT_EQ(error.ToString(), u"Error reading from stream");
    }
    std::filesystem::create_directory("folder.ini");
    EXPECT_THROW(LoadLanguageFile(u"folder.ini"), TStreamReadException);
}

TEST_F(LanguageFile, AnUnknownProtocolOpensNothing) {
    WriteBytes("known.ini", Latin1(kGerman));
    ExpectGerman(LoadLanguageFile(u"known.ini"));
    EXPECT_FALSE(ReadStream(u"ftp::known.ini"));
    EXPECT_THROW(LoadLanguageFile(u"ftp::known.ini"), TStreamReadException);
    EXPECT_THROW(LoadLanguageFile(u"::known.ini"), TStreamReadException);
    EXPECT_THROW(SaveLanguageFile(CreateLanguage(u"English"), u"ftp::known.ini"),
                 TStreamWriteException);
    EXPECT_EQ(FileBytes("known.ini"), Latin1(kGerman));
}

TEST_F(LanguageFile, ATruncatedFileKeepsTheEntriesBeforeTheCut) {
    const std::string whole = Latin1(kGerman);
    for (const char* cut :
         {"[LanguageDefin", "[LanguageDefinition]", "[LanguageDefinition]\r\nLanguage"}) {
        WriteBytes("cut.ini", cut);
        EXPECT_FALSE(LoadLanguageFile(u"cut.ini")) << cut;
    }
    WriteBytes("cut.ini", whole.substr(0, whole.find("ndern")));
    auto language = LoadLanguageFile(u"cut.ini");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->GetName(), u"Deutsch");
    EXPECT_EQ(language->LookupToken(u"cancel"), u"Abbrechen");
    // Without its closing quote the cut definition keeps its opening one.
    EXPECT_EQ(language->LookupToken(u"save"), u"\"Datei \u00e4");

    // Half a UTF-16 character at the cut is one replacement character.
    const std::string utf16 = "\xFF\xFE" + Utf16(kGerman, false);
    WriteBytes("cut.ini", utf16.substr(0, 2 + 2 * kGerman.find(u"ndern") + 1));
    language = LoadLanguageFile(u"cut.ini");
    ASSERT_TRUE(language);
    EXPECT_EQ(language->LookupToken(u"save"), u"\"Datei \u00e4\uFFFD");
}

TEST_F(LanguageFile, BinaryBytesAreNoLanguage) {
    std::mt19937 random(31);
    std::string noise(4096, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random());
    for (const std::string& bytes : {noise, "\xFF\xFE" + noise, "\xEF\xBB\xBF" + noise,
                                     std::string(4096, '\0'), "\xFE\xFF" + std::string(7, '\0')}) {
        WriteBytes("binary.ini", bytes);
        EXPECT_FALSE(LoadLanguageFile(u"binary.ini"));
    }
    // Zero bytes are characters like any other.
    WriteBytes("zeros.ini", std::string(3, '\0') + Latin1(kGerman) + "zero = a" + '\0' + "b");
    ExpectGerman(LoadLanguageFile(u"zeros.ini"));
    EXPECT_EQ(LoadLanguageFile(u"zeros.ini")->LookupToken(u"zero"), String(u"a\0b", 3));
}

TEST_F(LanguageFile, UndecodableBytesBecomeReplacementCharacters) {
    // A lead byte before a space, a byte that starts nothing, a lone continuation byte and a
    // four-byte form beyond U+10FFFF.
    WriteBytes("utf8.ini",
               "\xEF\xBB\xBF" + ToUtf8(kGerman) + "bad = \"a\xC3 b\xFF\x80\xF4\x90\x80\x80z\"\r\n");
    const auto language = LoadLanguageFile(u"utf8.ini");
    ExpectGerman(language);
    EXPECT_EQ(language->LookupToken(u"bad"), u"a\uFFFD b\uFFFD\uFFFD\uFFFDz");
}

TEST_F(LanguageFile, LoneSurrogatesAreKeptAsWritten) {
    const String halves = String(u"x") + char16_t(0xDC00) + u"y" + char16_t(0xD800);
    for (bool bigEndian : {false, true}) {
        WriteBytes("halves.ini", (bigEndian ? "\xFE\xFF" : "\xFF\xFE") +
                                     Utf16(kGerman + u"half = \"" + halves + u"\"\r\n", bigEndian));
        const auto language = LoadLanguageFile(u"halves.ini");
        ExpectGerman(language);
        EXPECT_EQ(language->LookupToken(u"half"), halves);
        SaveLanguageFile(language, u"halves.ini");
        EXPECT_EQ(LoadLanguageFile(u"halves.ini")->LookupToken(u"half"), halves);
    }
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
