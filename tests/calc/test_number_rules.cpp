// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Reading and writing numbers: what counts as a number in each locale, the conversions, the
// rounding and the text forms of the result line.

#include "AppError.h"
#include "NumberRules.h"

#include <gtest/gtest.h>

#include <ostream>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace pellucor {
namespace {

const NumberLocale Point = NumberLocale::PointDecimal();
const NumberLocale Comma = NumberLocale::CommaDecimal();
// A locale whose group separator is a narrow no-break space, as French is.
const NumberLocale French{",", "\u202F", "-", "+"};
// Digits, separators, signs, grouping and percent sign as Qt reports them for fa_IR, ar_EG,
// en_IN, de_CH and bn_BD.
const NumberLocale Persian{"\u066B", "\u066C", "\u200E\u2212", "\u200E+", U'\u06F0', 3, 3, "\u066A"};
const NumberLocale Egyptian{"\u066B", "\u066C", "\u061C-", "\u061C+", U'\u0660', 3, 3, "\u066A\u061C"};
const NumberLocale Indian{".", ",", "-", "+", U'0', 3, 2, "%"};
const NumberLocale Swiss{".", "\u2019", "-", "+"};
const NumberLocale Bengali{".", ",", "-", "+", U'\u09E6', 3, 2, "%"};

struct ParseRow {
    const char* name;
    const char* text;
    const NumberLocale* locale;
    bool isNumber;
    double value;  // when isNumber

    friend void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }
};

class Parsing : public ::testing::TestWithParam<ParseRow> {};

TEST_P(Parsing, NumberTestAndConversionAgree) {
    const ParseRow& r = GetParam();
    EXPECT_EQ(IsNumber(r.text, *r.locale), r.isNumber);
    if (r.isNumber) {
        EXPECT_EQ(TextToDouble(r.text, *r.locale), r.value);
    } else {
        EXPECT_THROW(TextToDouble(r.text, *r.locale), AppError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Parsing,
    ::testing::Values(
        ParseRow{"Whole", "60000", &Point, true, 60000}, ParseRow{"Fraction", "617.17", &Point, true, 617.17},
        ParseRow{"BlanksAround", "  60000 \t", &Point, true, 60000},
        ParseRow{"LeadingSign", "-10000", &Point, true, -10000}, ParseRow{"PlusSign", "+5", &Point, true, 5},
        ParseRow{"Exponent", "1e3", &Point, true, 1000}, ParseRow{"NegativeExponent", "25E-1", &Point, true, 2.5},
        ParseRow{"TrailingPoint", "60000.", &Point, true, 60000}, ParseRow{"LeadingPoint", ".5", &Point, true, 0.5},
        ParseRow{"OneGroup", "60,000", &Point, true, 60000}, ParseRow{"TwoGroups", "1,000,000", &Point, true, 1000000},
        ParseRow{"GroupsAndFraction", "1,234.5", &Point, true, 1234.5},
        ParseRow{"CommaDecimal", "617,17", &Comma, true, 617.17},
        ParseRow{"CommaLocaleGroups", "60.000", &Comma, true, 60000},
        ParseRow{"CommaLocaleHalf", "0,5", &Comma, true, 0.5},
        ParseRow{"NarrowSpaceGroups", "60\u202F000,5", &French, true, 60000.5},
        ParseRow{"PlainSpaceForNarrowSpace", "60 000", &French, true, 60000},
        ParseRow{"MixedSpaceGroups", "1\u00A0000 000,5", &French, true, 1000000.5},
        ParseRow{"SpaceGroupTooShort", "60 00", &French, false, 0},
        ParseRow{"TwoSpacesBetweenGroups", "60  000", &French, false, 0},
        ParseRow{"SpaceGroupThenBlanks", "60 000 \r\n", &French, true, 60000},
        ParseRow{"LineBreakAfter", "60000\r\n", &Point, true, 60000},
        ParseRow{"UnicodeBlanksAround", "\u00A0\t\u202F617.17\u3000\u2028", &Point, true, 617.17},
        ParseRow{"LineBreakInside", "600\n00", &Point, false, 0},
        ParseRow{"NoBreakSpaceNotAPointGroup", "60\u00A0000", &Point, false, 0},
        ParseRow{"TinyBecomesZero", "1e-400", &Point, true, 0},
        ParseRow{"LongDigitRun", "000000000000001", &Point, true, 1}, ParseRow{"Empty", "", &Point, false, 0},
        ParseRow{"OnlyBlanks", "   ", &Point, false, 0}, ParseRow{"Letters", "abc", &Point, false, 0},
        ParseRow{"TrailingLetters", "12abc", &Point, false, 0}, ParseRow{"Infinity", "inf", &Point, false, 0},
        ParseRow{"NotANumber", "nan", &Point, false, 0}, ParseRow{"HexFloat", "0x1p3", &Point, false, 0},
        ParseRow{"HexPrefix", "&H10", &Point, false, 0}, ParseRow{"BareExponent", "1e", &Point, false, 0},
        ParseRow{"DoubleSign", "--1", &Point, false, 0}, ParseRow{"LoneSign", "-", &Point, false, 0},
        ParseRow{"LonePoint", ".", &Point, false, 0}, ParseRow{"LoneGroup", ",", &Point, false, 0},
        ParseRow{"ShortGroup", "1,0", &Point, false, 0}, ParseRow{"LongGroup", "6,0000", &Point, false, 0},
        ParseRow{"LeadingGroup", ",000", &Point, false, 0}, ParseRow{"GroupInFraction", "1.000,5", &Point, false, 0},
        // A point-decimal payment typed under a comma locale must not become 61717.
        ParseRow{"OtherLocalesDecimal", "617.17", &Comma, false, 0}, ParseRow{"InnerBlank", "60 000", &Point, false, 0},
        ParseRow{"Currency", "$100", &Point, false, 0}, ParseRow{"TrailingSign", "100-", &Point, false, 0},
        ParseRow{"Parentheses", "(100)", &Point, false, 0}, ParseRow{"BeyondDouble", "1e400", &Point, false, 0},
        ParseRow{"HugeExponentDigits", "1e99999999999999999999", &Point, false, 0},
        ParseRow{"PersianDigits", "\u06F6\u06F0\u06F0\u06F0\u06F0", &Persian, true, 60000},
        ParseRow{"PersianDigitsAnywhere", "\u06F6\u06F0\u06F0\u06F0\u06F0", &Point, true, 60000},
        ParseRow{"PersianMarks", "\u06F6\u06F0\u066C\u06F0\u06F0\u06F0\u066B\u06F5", &Persian, true, 60000.5},
        ParseRow{"ArabicIndicMarkedSign", "\u061C-\u0661\u0662\u066B\u0665", &Egyptian, true, -12.5},
        ParseRow{"BareMinusSign", "\u2212\u06F5", &Persian, true, -5},
        ParseRow{"LatinPointInPersian", "617.17", &Persian, true, 617.17},
        ParseRow{"PointWithPersianDigits", "\u06F6\u06F1\u06F7.\u06F1\u06F7", &Persian, true, 617.17},
        ParseRow{"PointThatMightGroup", "1.500", &Egyptian, false, 0},
        ParseRow{"TwoDigitSystems", "\u06F60000", &Persian, false, 0},
        ParseRow{"OtherSystemInFraction", "617\u066B\u06F1\u06F7", &Persian, false, 0},
        ParseRow{"FullWidth", "\uFF16\uFF10\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF15", &Point, true, 60000.5},
        ParseRow{"Devanagari", "\u096C\u0966\u0966\u0966\u0966", &Point, true, 60000},
        ParseRow{"IndianLakh", "1,00,000", &Indian, true, 100000},
        ParseRow{"IndianCrore", "1,23,45,678.5", &Indian, true, 12345678.5},
        ParseRow{"ThreesInIndia", "1,000,000", &Indian, true, 1000000},
        ParseRow{"IndianShortLastGroup", "1,00,00", &Indian, false, 0},
        ParseRow{"IndianLongFirstGroup", "100,00,000", &Indian, false, 0},
        ParseRow{"LakhOutsideIndia", "1,00,000", &Point, false, 0},
        ParseRow{"BengaliLakh", "\u09E7,\u09E6\u09E6,\u09E6\u09E6\u09E6", &Bengali, true, 100000},
        ParseRow{"SwissApostrophe", "60\u2019000.5", &Swiss, true, 60000.5},
        ParseRow{"SwissKeyboardApostrophe", "60'000", &Swiss, true, 60000},
        ParseRow{"ApostropheOutsideSwitzerland", "60'000", &Point, false, 0}),
    [](const ::testing::TestParamInfo<ParseRow>& info) { return std::string(info.param.name); });

TEST(Conversion, ErrorNumbersTellMismatchFromOverflow) {
    try {
        TextToDouble("abc", Point);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::TypeMismatch);
        EXPECT_STREQ(e.what(), "Type mismatch");
    }
    try {
        TextToSingle("1e39", Point);
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(TextToSingle("360.5", Point), 360.5f);
    EXPECT_EQ(TextToSingle("3.4e38", Point), 3.4e38f);
}

TEST(Conversion, MatchesCorrectlyRoundedDecimalOnGeneratedTexts) {
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> dist(-1e8, 1e8);
    for (int i = 0; i < 20000; ++i) {
        const double v = dist(rng);
        char buf[64];
        const int n = std::snprintf(buf, sizeof buf, "%.17g", v);
        ASSERT_GT(n, 0);
        ASSERT_EQ(TextToDouble(buf, Point), v) << buf;
    }
}

// Random texts over the characters numbers are made of: whatever the number test accepts, the
// conversion accepts too, and nothing it refuses converts.
TEST(NumberProperties, NumberTestAndConversionAcceptTheSameTexts) {
    std::mt19937 rng(4242);
    const std::string alphabet = "0123456789012345678901234567890.,.,+-eE  \t\r\naxn%$()";
    const std::string_view spaces[] = {"\u00A0", "\u202F", "\u3000"};
    int accepted = 0;
    for (const NumberLocale* loc : {&Point, &Comma, &French}) {
        for (int i = 0; i < 100000; ++i) {
            std::string text;
            const int len = static_cast<int>(rng() % 16);
            for (int k = 0; k < len; ++k) {
                const std::size_t pick = rng() % (alphabet.size() + 3);
                if (pick < alphabet.size())
                    text.push_back(alphabet[pick]);
                else
                    text += spaces[pick - alphabet.size()];
            }
            bool converts = true;
            try {
                TextToDouble(text, *loc);
            } catch (const AppError&) {
                converts = false;
            }
            ASSERT_EQ(IsNumber(text, *loc), converts) << '"' << text << '"';
            accepted += converts;
        }
    }
    EXPECT_GT(accepted, 1000);  // the generator does reach numbers, not only garbage
}

// A figure typed with the other locale's decimal mark is refused, unless it has exactly three
// fraction digits and so reads as a whole group.
TEST(NumberProperties, OtherLocalesDecimalMarkNeverScalesAValueSilently) {
    std::mt19937 rng(99);
    for (int i = 0; i < 20000; ++i) {
        const unsigned whole = rng() % 1000000;
        const int fractionDigits = 1 + static_cast<int>(rng() % 5);
        std::string fraction;
        for (int k = 0; k < fractionDigits; ++k)
            fraction.push_back(static_cast<char>('0' + rng() % 10));
        const std::string pointText = std::to_string(whole) + "." + fraction;
        const std::string commaText = std::to_string(whole) + "," + fraction;
        const bool groupShaped = fractionDigits == 3 && whole < 1000;
        EXPECT_EQ(IsNumber(pointText, Comma), groupShaped) << pointText;
        EXPECT_EQ(IsNumber(commaText, Point), groupShaped) << commaText;
        // Where the point is only a keyboard's stand-in for the decimal mark, a text it could
        // also group is refused.
        EXPECT_EQ(IsNumber(pointText, Egyptian), !groupShaped) << pointText;
    }
}

// Whatever a locale writes, it reads back to the same value.
TEST(NumberProperties, WrittenFiguresReadBack) {
    std::mt19937_64 rng(1912);
    std::uniform_int_distribution<long long> thousandths(-100000000000LL, 100000000000LL);
    for (const NumberLocale* loc : {&Point, &Comma, &French, &Persian, &Egyptian, &Indian, &Swiss, &Bengali}) {
        for (int i = 0; i < 2000; ++i) {
            const double v = RoundHalfEven(static_cast<double>(thousandths(rng)) / 1000.0, 3);
            const std::string text = DoubleToText(v, *loc);
            ASSERT_EQ(TextToDouble(text, *loc), v) << text;
        }
    }
}

struct RoundRow {
    const char* name;
    double value;
    int digits;
    double expected;

    friend void PrintTo(const RoundRow& row, std::ostream* os) { *os << row.name; }
};

class Rounding : public ::testing::TestWithParam<RoundRow> {};

TEST_P(Rounding, TiesGoToEven) {
    const RoundRow& r = GetParam();
    EXPECT_EQ(RoundHalfEven(r.value, r.digits), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, Rounding,
                         ::testing::Values(RoundRow{"TieDown", 0.0625, 3, 0.062}, RoundRow{"TieUp", 0.1875, 3, 0.188},
                                           // Only an exact binary value halfway is a tie; these are just off one.
                                           RoundRow{"JustBelowTie", 0.0875, 3, 0.087},
                                           RoundRow{"JustAboveTie", 0.0025, 3, 0.003},
                                           RoundRow{"LargeJustAboveTie", 81205230.1525, 3, 81205230.153},
                                           RoundRow{"LargeJustBelowTie", 74521206.6715, 3, 74521206.671},
                                           RoundRow{"NegativeJustAboveTie", -81205230.1525, 3, -81205230.153},
                                           RoundRow{"LargeExactTie", 81205230.1875, 3, 81205230.188},
                                           RoundRow{"SubnormalToZero", 4e-320, 3, 0},
                                           RoundRow{"ManyDigitsKeepsValue", 0.1, 25, 0.1},
                                           RoundRow{"WholeTieEven", 2.5, 0, 2}, RoundRow{"WholeTieOdd", 3.5, 0, 4},
                                           RoundRow{"NegativeTie", -0.0625, 3, -0.062},
                                           RoundRow{"Ordinary", 60000.23912, 3, 60000.239},
                                           RoundRow{"NegativeDigitsUnchanged", 1.23456, -1, 1.23456},
                                           RoundRow{"HugeUnchanged", 1e300, 3, 1e300}),
                         [](const ::testing::TestParamInfo<RoundRow>& info) { return std::string(info.param.name); });

// The exact value rounded, read back: to_chars writes a fixed form from the exact binary value.
TEST(Rounding, AgreesWithExactDecimalFormNearTies) {
    std::mt19937_64 rng(811);
    for (int i = 0; i < 200000; ++i) {
        const double tie = (static_cast<double>(rng() % 100000000000ull) + 0.5) / 1000.0;
        double v = tie;
        for (int step = static_cast<int>(rng() % 5) - 2; step != 0; step += step > 0 ? -1 : 1)
            v = std::nextafter(v, step > 0 ? 1e300 : -1e300);
        char buf[64];
        const auto written = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
        double expected = 0;
        std::from_chars(buf, written.ptr, expected);
        ASSERT_EQ(RoundHalfEven(v, 3), expected) << std::string(buf, written.ptr);
    }
}

struct TextRow {
    const char* name;
    double value;
    const NumberLocale* locale;
    const char* expected;

    friend void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }
};

class DoubleText : public ::testing::TestWithParam<TextRow> {};

TEST_P(DoubleText, Reads) {
    const TextRow& r = GetParam();
    EXPECT_EQ(DoubleToText(r.value, *r.locale), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleText,
                         ::testing::Values(TextRow{"Fraction", 60000.239, &Point, "60000.239"},
                                           TextRow{"TrailingZeroDropped", 60000.88, &Point, "60000.88"},
                                           TextRow{"Whole", 60000, &Point, "60000"}, TextRow{"One", 1, &Point, "1"},
                                           TextRow{"Zero", 0, &Point, "0"}, TextRow{"Negative", -2.5, &Point, "-2.5"},
                                           TextRow{"CommaLocale", 740.764, &Comma, "740,764"},
                                           TextRow{"NoGrouping", 123456789.5, &Point, "123456789.5"},
                                           TextRow{"FifteenDigits", 0.1 + 0.2, &Point, "0.3"},
                                           TextRow{"RoundedToFifteen", 123456789.0123456, &Point, "123456789.012346"},
                                           TextRow{"Small", 0.00012, &Point, "0.00012"},
                                           TextRow{"Tiny", 1.5e-7, &Point, "1.5E-07"},
                                           TextRow{"Large", 1e15, &Point, "1E+15"},
                                           TextRow{"BelowLarge", 999999999999999, &Point, "999999999999999"},
                                           TextRow{"PersianDigits", 60000.239, &Persian,
                                                   "\u06F6\u06F0\u06F0\u06F0\u06F0\u066B\u06F2\u06F3\u06F9"},
                                           TextRow{"PersianZero", 0, &Persian, "\u06F0"},
                                           TextRow{"ArabicIndicNegative", -2.5, &Egyptian, "\u061C-\u0662\u066B\u0665"}),
                         [](const ::testing::TestParamInfo<TextRow>& info) { return std::string(info.param.name); });

TEST(Percent, EveryCandidateReadsAsItsThousandth) {
    for (int i = 1; i <= 100000; ++i) {
        const float rate = static_cast<float>(static_cast<double>(i) / 100000.0);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d.%03d%%", i / 1000, i % 1000);
        ASSERT_EQ(FormatPercent(rate, 3, Point), expected) << i;
    }
    EXPECT_EQ(FormatPercent(0.12f, 3, Comma), "12,000%");
    EXPECT_EQ(FormatPercent(12.5, 3, Point), "1,250.000%");
    EXPECT_EQ(FormatPercent(-0.5, 1, Point), "-50.0%");
    EXPECT_EQ(FormatPercent(0.12f, 3, Egyptian), "\u0661\u0662\u066B\u0660\u0660\u0660\u066A\u061C");
    EXPECT_EQ(FormatPercent(12345.67, 0, Indian), "12,34,567%");
}

}  // namespace
}  // namespace pellucor
