#include "LocalizationFixture.h"

#include "gui/localization/TokenExpansion.h"

#include "runtime/Application.h"
#include "runtime/Boxed.h"
#include "runtime/Text.h"

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

namespace {

String Repeated(const String& part, int times) {
    String out;
    for (int i = 0; i < times; ++i)
        out += part;
    return out;
}

std::string CycleWarning(const char* text) {
    return std::string("WARNING: Encountered cyclic localization string: \"") + text + "\".\n";
}

} // namespace

using LocalizeString = LocalizationTest;

TEST_F(LocalizeString, AnswersTheTextUnchangedUnlessModeBitOneIsSet) {
    TVellumLocalizationEngine::_SetLanguage(LanguageOf({{u"x", u"translated"}}));
    EXPECT_EQ(Localize(u"{{x}}"), u"{{x}}");
    TVellumLocalizationEngine::_SetMode(2);
    EXPECT_EQ(Localize(u"{{x}}"), u"{{x}}");
    TVellumLocalizationEngine::_SetMode(3);
    EXPECT_EQ(Localize(u"{{x}}"), u"translated");
    EXPECT_EQ(TVellumLocalizationEngine::GetMode(), 3);
}

TEST_F(LocalizeString, WithoutALanguageTokensBecomeTheirNames) {
    Translate(nullptr);
    EXPECT_EQ(Localize(u"Hello {{World}}"), u"Hello World");
    EXPECT_EQ(Localize(u"{{AppTitle}}"), u"Tarnwick Application");
    EXPECT_EQ(Localize(u"{{}}"), u"");
    EXPECT_EQ(Localize(u"no tokens"), u"no tokens");
}

TEST_F(LocalizeString, BuiltInTokensGiveTheApplicationValuesInAnyCase) {
    StartRuntime();
    Translate(LanguageOf({{u"appfile", u"not used"}}));
    ASSERT_FALSE(AppFile().empty());
    EXPECT_EQ(Localize(u"{{APPFILE}}"), AppFile());
    EXPECT_EQ(Localize(u"{{AppDir}}/x"), AppDir() + u"/x");
    EXPECT_EQ(Localize(u"[{{launchdir}}]"), u"[" + LaunchDir() + u"]");
    SetAppTitle(u"Vandro {{x}}");
    EXPECT_EQ(Localize(u"{{apptitle}}"), u"Vandro {{x}}") << "inserted values are not scanned";
    SetAppTitle(u"Tarnwick Application");
}

TEST_F(LocalizeString, MemoryFigureIsTheBytesTheObjectsHold) {
    Translate(nullptr);
    const long long before = TObject::LiveBytes();
    EXPECT_EQ(Localize(u"{{gcmemalloced}}"), LongText(before));
    const Object held = Box(u"held");
    EXPECT_EQ(Localize(u"{{GCMemAlloced}}"),
              LongText(before + static_cast<long long>(sizeof(TStringObject))));
}

TEST_F(LocalizeString, DefinitionsAreLocalizedInTurnAndTokensIgnoreCase) {
    Translate(LanguageOf({{u"greet", u"Hi {{name}}"}, {u"Name", u"Ann"}}));
    EXPECT_EQ(Localize(u"{{greet}}!"), u"Hi Ann!");
    EXPECT_EQ(Localize(u"{{GREET}}!"), u"Hi Ann!");
    EXPECT_EQ(Localize(u"{{Hello}}"), u"Hello");
}

TEST_F(LocalizeString, EmptyDefinitionsDifferFromUndefinedTokens) {
    Translate(LanguageOf({{u"empty", u""}}));
    EXPECT_EQ(Localize(u"[{{empty}}]"), u"[]");
    EXPECT_EQ(Localize(u"[{{undefined}}]"), u"[undefined]");
    EXPECT_EQ(Localize(u"[{{}}]"), u"[]");
}

TEST_F(LocalizeString, BracesWithoutAPartnerStayAsTheyAre) {
    Translate(nullptr);
    EXPECT_EQ(Localize(u"a}}b"), u"a}}b");
    EXPECT_EQ(Localize(u"{{a"), u"{{a");
    EXPECT_EQ(Localize(u"}}{{"), u"}}{{");
    EXPECT_EQ(Localize(u"{{a}}}}"), u"a}}");
    EXPECT_EQ(Localize(u"{{{{a}}"), u"{{a");
    EXPECT_EQ(Localize(u"{{{a}}}"), u"{a}");
    EXPECT_EQ(Localize(u"{a}"), u"{a}");
    EXPECT_EQ(Localize(u"{ {a} }"), u"{ {a} }");
}

TEST_F(LocalizeString, InnerTokensCloseFirstAndNameTheOuterOne) {
    Translate(LanguageOf({{u"b", u"c"}, {u"ac", u"found"}, {u"x", u"y"}}));
    EXPECT_EQ(Localize(u"{{a{{b}}}}"), u"found");
    EXPECT_EQ(Localize(u"<{{{{x}}{{b}}}}>"), u"<yc>");
}

TEST_F(LocalizeString, InsertedValuesAreNotScannedAgain) {
    Translate(LanguageOf({{u"open", u"{{{{"}, {u"close", u"}}}}"}}));
    EXPECT_EQ(Localize(u"{{open}}x}}"), u"{{{{x}}");
    EXPECT_EQ(Localize(u"{{open}}x{{close}}"), u"{{{{x}}}}");
}

TEST_F(LocalizeString, ACycleGivesErrorAndOneWarning) {
    Translate(LanguageOf({{u"a", u"{{a}}"}}));
    CaptureStdout();
    EXPECT_EQ(Localize(u"{{a}}"), u"!ERROR!");
    EXPECT_EQ(GetCapturedStdout(), CycleWarning("{{a}}"));
}

TEST_F(LocalizeString, TheErrorStandsInForTheTextThatClosedTheCycle) {
    Translate(LanguageOf({{u"a", u"{{b}}"}, {u"b", u"{{a}}"}, {u"c", u"C"}}));
    CaptureStdout();
    EXPECT_EQ(Localize(u"x{{a}}y{{c}}"), u"x!ERROR!yC");
    EXPECT_EQ(GetCapturedStdout(), CycleWarning("{{b}}"));
}

TEST_F(LocalizeString, RepeatedTokensAreNoCycle) {
    Translate(LanguageOf({{u"a", u"{{b}}{{b}}"}, {u"b", u"B"}, {u"same", u"same"}}));
    CaptureStdout();
    EXPECT_EQ(Localize(u"{{a}}{{a}}"), u"BBBB");
    EXPECT_EQ(Localize(u"{{same}}"), u"same");
    EXPECT_EQ(GetCapturedStdout(), "");
}

TEST_F(LocalizeString, WarningIsWrittenAsUtf8) {
    Translate(LanguageOf({{u"\u00e4", u"{{\u00c4}}\u2600"}}));
    CaptureStdout();
    const String localized = Localize(u"{{\u00e4}}");
    EXPECT_EQ(GetCapturedStdout(), CycleWarning("{{\xc3\x84}}\xe2\x98\x80"));
    EXPECT_EQ(localized, u"!ERROR!\u2600");
}

TEST_F(LocalizeString, DeepNestingNeedsNoDeepStack) {
    Translate(LanguageOf({{u"x", u"X"}}));
    const int depth = static_cast<int>(TokenExpansion::kMaxTokens);
    EXPECT_EQ(Localize(Repeated(u"{{", depth) + u"x" + Repeated(u"}}", depth)), u"X");
    EXPECT_EQ(Localize(Repeated(u"{{", 100000) + u"x" + Repeated(u"}}", 100000)), u"!ERROR!");
    const String unmatched = Repeated(u"}}", 100000) + Repeated(u"{{", 100000);
    EXPECT_EQ(Localize(unmatched), unmatched);
}

TEST_F(LocalizeString, LongChainsOfDefinitionsNeedNoDeepStack) {
    auto language = New<TVellumLanguage>();
    // Each link is one token, and the first one is the text's own.
    const int length = static_cast<int>(TokenExpansion::kMaxTokens) - 1;
    for (int i = 0; i < length; ++i)
        language->DefineToken(u"t" + IntText(i), u"{{t" + IntText(i + 1) + u"}}");
    language->DefineToken(u"t" + IntText(length), u"end");
    Translate(language);
    EXPECT_EQ(Localize(u"{{t0}}"), u"end");

    language->DefineToken(u"t" + IntText(length), u"{{t0}}");
    CaptureStdout();
    EXPECT_EQ(Localize(u"{{t0}}"), u"!ERROR!");
    EXPECT_EQ(GetCapturedStdout(), CycleWarning("{{t0}}"));
}

TEST_F(LocalizeString, RunawayExpansionGivesError) {
    // Each level doubles the one below: 2^40 units, or as many tokens with empty ends.
    auto language = New<TVellumLanguage>();
    for (int i = 0; i < 40; ++i)
        language->DefineToken(u"d" + IntText(i),
                              u"{{d" + IntText(i + 1) + u"}}{{d" + IntText(i + 1) + u"}}");
    Translate(language);
    language->DefineToken(u"d40", u"x");
    EXPECT_EQ(Localize(u"a{{d0}}b"), u"!ERROR!");
    language->DefineToken(u"d40", u"");
    EXPECT_EQ(Localize(u"a{{d0}}b"), u"!ERROR!");
    language->DefineToken(u"d40", u"x");
    EXPECT_EQ(Localize(u"a{{d30}}b"), u"a" + Repeated(u"x", 1024) + u"b");
}

TEST_F(LocalizeString, ALongDefinitionMetAgainAndAgainStopsAtTheLimit) {
    // Each of its hundred thousand tokens closes a cycle through the whole definition.
    const String definition = Repeated(u"a{{x}}", 100000);
    Translate(LanguageOf({{u"x", definition.c_str()}}));
    CaptureStdout();
    EXPECT_EQ(Localize(u"{{x}}"), u"!ERROR!");
    EXPECT_EQ(GetCapturedStdout(), "");
}

TEST_F(LocalizeString, ATimeFormatAsLongAsTheLimitStopsThere) {
    const String definition = Repeated(u"hh ", TokenExpansion::kMaxWork / 3);
    Translate(LanguageOf({{u"shorttime", definition.c_str()}}));
    EXPECT_EQ(Localize(u"{{shorttime}}"), u"!ERROR!");
}

TEST_F(LocalizeString, ExpansionStopsJustPastItsLimits) {
    Translate(nullptr);
    const int tokens = static_cast<int>(TokenExpansion::kMaxTokens);
    EXPECT_EQ(Localize(Repeated(u"{{a}}", tokens)), Repeated(u"a", tokens));
    EXPECT_EQ(Localize(Repeated(u"{{a}}", tokens + 1)), u"!ERROR!");
    const String units(TokenExpansion::kMaxWork, u'x');
    EXPECT_EQ(Localize(u"{{" + units + u"}}"), units);
    EXPECT_EQ(Localize(u"{{" + units + u"x}}"), u"!ERROR!");
    EXPECT_EQ(Localize(units + u"x"), units + u"x") << "text without tokens is no expansion";
}

TEST_F(LocalizeString, TimeAndDateTokensUseTheLanguagesFormatsAndNames) {
    Translate(LanguageOf({{u"shorttime", u"hh.mm"},
                          {u"longtime", u"{{format}}"},
                          {u"format", u"h:mm pp"},
                          {u"am", u"vorm."},
                          {u"Sunday", u"Sonntag"},
                          {u"6th", u"6."},
                          {u"December", u"Dezember"}}));
    EXPECT_EQ(Localize(u"{{ShortTime}}"), u"9.05");
    EXPECT_EQ(Localize(u"{{longtime}}"), u"9:05 vorm.");
    EXPECT_EQ(Localize(u"{{longdate}}"), u"Sonntag 6. Dezember 2026");
    EXPECT_EQ(Localize(u"{{shortdate}}"), u"06/12/26");
}

TEST_F(LocalizeString, TimeAndDateTokensWithoutALanguage) {
    Translate(nullptr);
    EXPECT_EQ(Localize(u"{{shorttime}} {{LongTime}}"), u"9:05 9:05:07");
    EXPECT_EQ(Localize(u"{{LONGDATE}}, {{shortdate}}"), u"Sunday 6th December 2026, 06/12/26");
}

TEST_F(LocalizeString, AFailedDateLeavesNoTextOpen) {
    Translate(LanguageOf({{u"when", u"{{shortdate}}"}}));
    SetTime(2026, 13, 6, 9, 5, 7);
    EXPECT_THROW(Localize(u"{{when}}"), TRuntimeException);
    SetTime(2026, 6, 6, 9, 5, 7);
    CaptureStdout();
    EXPECT_EQ(Localize(u"{{when}}"), u"06/6/26");
    EXPECT_EQ(GetCapturedStdout(), "");
}
