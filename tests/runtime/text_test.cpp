#include "runtime/Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

using namespace vandro;

TEST(NumberText, IntegersAreSignedDecimal) {
    EXPECT_EQ(IntText(0), u"0");
    EXPECT_EQ(IntText(-5), u"-5");
    EXPECT_EQ(IntText(INT_MAX), u"2147483647");
    EXPECT_EQ(IntText(INT_MIN), u"-2147483648");
    EXPECT_EQ(LongText(INT64_MIN), u"-9223372036854775808");
    EXPECT_EQ(LongText(1234567890123LL), u"1234567890123");
}

TEST(NumberText, FloatKeepsNineDigitsAndThePoint) {
    EXPECT_EQ(FloatText(1.5f), u"1.50000000");
    EXPECT_EQ(FloatText(0.0f), u"0.00000000");
    EXPECT_EQ(FloatText(-2.0f), u"-2.00000000");
    EXPECT_EQ(FloatText(0.1f), u"0.100000001");
    EXPECT_EQ(FloatText(123456789.0f), u"123456792.");
    EXPECT_EQ(FloatText(1e10f), u"1.00000000e+10");
    EXPECT_EQ(FloatText(1e-5f), u"9.99999975e-06");
    EXPECT_EQ(FloatText(0.0001f), u"9.99999975e-05");
    EXPECT_EQ(FloatText(0.001f), u"0.00100000005");
}

TEST(NumberText, DoubleKeepsSeventeenDigits) {
    EXPECT_EQ(DoubleText(14.0), u"14.000000000000000");
    EXPECT_EQ(DoubleText(0.1), u"0.10000000000000001");
    EXPECT_EQ(DoubleText(1e100), u"1.0000000000000000e+100");
    EXPECT_EQ(DoubleText(-1.5e-300), u"-1.5000000000000001e-300");
    EXPECT_EQ(DoubleText(99999999999999999.0), u"1.0000000000000000e+17");
    EXPECT_EQ(DoubleText(8.990869022751369e-05), u"8.9908690227513688e-05");
}

TEST(NumberText, NonFiniteValuesHaveOneSpelling) {
    EXPECT_EQ(DoubleText(1.0 / 0.0), u"inf");
    EXPECT_EQ(DoubleText(-1.0 / 0.0), u"-inf");
    EXPECT_EQ(FloatText(__builtin_nanf("")), u"nan");
}

TEST(StringOps, FindCountsFromStart) {
    EXPECT_EQ(Find(u"abcabc", u"c", 0), 2);
    EXPECT_EQ(Find(u"abcabc", u"c", 3), 5);
    EXPECT_EQ(Find(u"abcabc", u"a", -7), 0);
    EXPECT_EQ(Find(u"abc", u"x", 0), -1);
    EXPECT_EQ(Find(u"abc", u"", 3), 3);
    EXPECT_EQ(Find(u"abc", u"", 4), -1);
    EXPECT_EQ(FindLast(u"abcabc", u"bc"), 4);
    EXPECT_EQ(FindLast(u"abc", u"x"), -1);
}

TEST(StringOps, ReplaceIsLeftToRightAndNonOverlapping) {
    EXPECT_EQ(Replace(u"a,b,c", u",", u";*."), u"a;*.b;*.c");
    EXPECT_EQ(Replace(u"aaa", u"aa", u"b"), u"ba");
    EXPECT_EQ(Replace(u"abc", u"", u"x"), u"abc");
    EXPECT_EQ(Replace(u"", u"a", u"x"), u"");
}

TEST(StringOps, SlicePadsOutsideWithSpaces) {
    EXPECT_EQ(Slice(u"abc", -2, 2), u"  ab");
    EXPECT_EQ(Slice(u"abc", 1, 6), u"bc   ");
    EXPECT_EQ(Slice(u"abc", 2, 2), u"");
    EXPECT_EQ(Slice(u"abc", 3, 1), u"");
    EXPECT_EQ(Slice(u"", -1, 1), u"  ");
}

TEST(StringOps, LowerUsesTheSimpleMappingIndependentOfLocale) {
    EXPECT_EQ(Lower(u"ABC xyz 09"), u"abc xyz 09");
    EXPECT_EQ(Lower(u"GRÖSSE ÄÜ"), u"grösse äü");
    EXPECT_EQ(Lower(u"\u0130"), u"i");                  // dotted capital I: simple mapping only
    EXPECT_EQ(Lower(u"\u0391\u03A9"), u"\u03B1\u03C9"); // Greek
    EXPECT_EQ(Lower(u"\u0410\u042F"), u"\u0430\u044F"); // Cyrillic
    EXPECT_EQ(Lower(u"\u0100\u0101"), u"\u0101\u0101"); // alternating Latin Extended-A
    EXPECT_EQ(Lower(u"\uFF21"), u"\uFF41");             // fullwidth A
    EXPECT_EQ(Lower(u"\u00D7\u00DF"), u"\u00D7\u00DF"); // multiplication sign, sharp s stay
    EXPECT_EQ(Lower(u"\u2600"), u"\u2600");
    EXPECT_EQ(Lower(u"\u00B5"), u"\u00B5"); // below U+00C0 only A-Z change
}

TEST(StringOps, Utf8RoundTripsAndReplacesBrokenBytes) {
    const String text = u"Grösse \u2600 \U0001F600";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"\u00F6"), "\xC3\xB6");
    EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xE2\x98"), u"\uFFFD\uFFFD");
    EXPECT_EQ(FromUtf8("\x80z"), u"\uFFFDz");
}
