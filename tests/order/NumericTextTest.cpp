#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/Overflow.h"

namespace order {
namespace {

const NumberSymbols kUnitedStates{};

TEST(NumericTextTest, IsNumericTextUnderUnitedStatesConventions) {
  struct Row {
    const char* text;
    bool numeric;
  };
  for (const Row& r : {
           Row{"12", true},           Row{"  12 ", true},    Row{"\t12\n", true},
           Row{"-3", true},           Row{"+3", true},       Row{"1,000", true},
           Row{"1,000,000.25", true}, Row{"$12.50", true},   Row{"-$12.50", true},
           Row{"$-12.50", true},      Row{"12.50$", true},   Row{"$ 12", true},
           Row{"1e3", true},          Row{"1E+3", true},     Row{"2.5e-2", true},
           Row{".5", true},           Row{"5.", true},       Row{"&HFF", true},
           Row{"&o17", true},         Row{"0", true},        Row{"", false},
           Row{"   ", false},         Row{"abc", false},     Row{"12abc", false},
           Row{".", false},           Row{"-", false},       Row{"$", false},
           Row{"1e", false},          Row{"1e+", false},     Row{"e3", false},
           Row{",100", false},        Row{"100,", false},    Row{"1,,000", false},
           Row{"1.2.3", false},       Row{"--1", false},     Row{"$$1", false},
           Row{"1 2", false},         Row{"&H", false},      Row{"&HG", false},
           Row{"&O8", false},         Row{"-&H10", false},   Row{"(12)", false},
           Row{"12-", false},         Row{"1.5,000", false},
       }) {
    EXPECT_EQ(IsNumericText(r.text, kUnitedStates), r.numeric) << '"' << r.text << '"';
  }
}

TEST(NumericTextTest, IsNumericTextFollowsTheLocaleSeparatorsAndSymbol) {
  const LocaleServices german("de_DE");
  const LocaleServices french("fr_FR");
  const LocaleServices swiss("de_CH");
  EXPECT_TRUE(IsNumericText("2,5", german.Symbols()));
  EXPECT_TRUE(IsNumericText("1.000,25 €", german.Symbols()));
  EXPECT_FALSE(IsNumericText("$12", german.Symbols()));
  EXPECT_FALSE(IsNumericText("1,000,5", german.Symbols()));
  // French groups with a narrow no-break space; a typed space is taken as the same.
  EXPECT_TRUE(IsNumericText("1\u202F000,5", french.Symbols()));
  EXPECT_TRUE(IsNumericText("1 000,5", french.Symbols()));
  EXPECT_TRUE(IsNumericText("1’000.5", swiss.Symbols()));
  // What the formatter writes is numeric again.
  const LocaleServices us("en_US");
  for (const LocaleServices* locale : {&us, &german, &french, &swiss}) {
    const std::string shown = locale->FormatCurrency(Currency::FromCount(-12'345'678));
    EXPECT_TRUE(IsNumericText(shown, locale->Symbols())) << shown;
  }
}

TEST(NumericTextTest, ParseLeadingNumberReadsTheLongestLeadingNumber) {
  struct Row {
    const char* text;
    double value;
    std::size_t consumed;
  };
  for (const Row& r : {
           Row{"12", 12, 2},     Row{"  1 2 ", 12, 2},
           Row{"1,000", 1, 1},   Row{"$12.50", 0, 0},
           Row{"2,5", 2, 1},     Row{"1e3", 1000, 3},
           Row{".5", 0.5, 2},    Row{"5.", 5, 2},
           Row{"-3", -3, 2},     Row{"+3", 3, 2},
           Row{"12abc", 12, 2},  Row{"1e", 1, 1},
           Row{"1e+", 1, 1},     Row{"1e-2x", 0.01, 4},
           Row{"1.2.3", 1.2, 3}, Row{"&HFF", 255, 4},
           Row{"&hff", 255, 4},  Row{"&O17", 15, 4},
           Row{"&O19", 1, 3},    Row{"&H", 0, 0},
           Row{"&X1", 0, 0},     Row{"", 0, 0},
           Row{"-", 0, 0},       Row{".", 0, 0},
           Row{"abc", 0, 0},     Row{"\t-\n4 . 5", -4.5, 4},
           Row{"0.1", 0.1, 3},   Row{"1e-400", 0, 6},
       }) {
    const LeadingNumber read = ReadLeadingNumber(r.text);
    EXPECT_EQ(read.value, r.value) << '"' << r.text << '"';
    EXPECT_EQ(read.consumed, r.consumed) << '"' << r.text << '"';
    EXPECT_EQ(ParseLeadingNumber(r.text), r.value) << '"' << r.text << '"';
  }
}

TEST(NumericTextTest, HugeMagnitudesReadAsInfinityNeverAsSomethingSmall) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ParseLeadingNumber("1e400"), kInfinity);
  EXPECT_EQ(ParseLeadingNumber("-1e400"), -kInfinity);
  EXPECT_EQ(ParseLeadingNumber("0.001e99999999999999999999"), kInfinity);
  EXPECT_EQ(ParseLeadingNumber("0e99999999999999999999"), 0.0);
  EXPECT_EQ(ParseLeadingNumber("&HFFFFFFFFFFFFFFFFFFFF"), 0x1p80);  // 2^80 - 1, nearest double
  EXPECT_EQ(ParseLeadingNumber(std::string(1 << 20, '9')), kInfinity);
  EXPECT_EQ(ParseLeadingNumber("&H" + std::string(1 << 20, 'F')), kInfinity);
}

TEST(NumericTextTest, AcceptableOnlyWhenNumericAndReadInFull) {
  struct Row {
    const char* text;
    bool acceptable;
  };
  for (const Row& r : {
           Row{"12", true},
           Row{" 12 ", true},
           Row{"4.5", true},
           Row{"1e3", true},
           Row{"-3", true},
           Row{"&H10", true},
           Row{".5", true},
           // Numeric, but the leading-number rule would read another number: refused.
           Row{"1,000", false},
           Row{"$12.50", false},
           Row{"12.50$", false},
           Row{"", false},
           Row{"abc", false},
           Row{"   ", false},
       }) {
    EXPECT_EQ(IsAcceptableNumber(r.text, kUnitedStates), r.acceptable) << '"' << r.text << '"';
  }
  const LocaleServices german("de_DE");
  EXPECT_FALSE(IsAcceptableNumber("2,5", german.Symbols()));    // would read as 2
  EXPECT_FALSE(IsAcceptableNumber("1.000", german.Symbols()));  // means 1000, would read as 1
  EXPECT_FALSE(IsAcceptableNumber("12.500e1", german.Symbols()));
  EXPECT_TRUE(IsAcceptableNumber("4.5", german.Symbols()));
  EXPECT_TRUE(IsAcceptableNumber("12.50", german.Symbols()));
  EXPECT_TRUE(IsAcceptableNumber("1000", german.Symbols()));
  const LocaleServices french("fr_FR");
  for (const char* blankGrouped : {"1 5", "12 34", "1 5000", "1 500 5"}) {
    EXPECT_FALSE(IsAcceptableNumber(blankGrouped, french.Symbols())) << blankGrouped;
  }
  for (const char* thousands : {"1 500", "12 345 678", " 1 500 "}) {
    EXPECT_TRUE(IsAcceptableNumber(thousands, french.Symbols())) << thousands;
  }
}

TEST(NumericTextTest, QuantityRoundsTiesToEvenWithinSixteenBits) {
  struct Row {
    const char* text;
    int quantity;
  };
  for (const Row& r : {Row{"2.5", 2}, Row{"3.5", 4}, Row{"-2.5", -2}, Row{"-3", -3}, Row{"2.6", 3},
                       Row{"32767", 32767}, Row{"-32768", -32768}, Row{"-32768.5", -32768},
                       Row{"32767.4", 32767}, Row{"&H7FFF", 32767}, Row{"abc", 0}}) {
    EXPECT_EQ(QuantityFromText(r.text), r.quantity) << r.text;
  }
  for (const char* text : {"40000", "32767.5", "-32769", "1e400", "-1e400", "&HFFFF"}) {
    EXPECT_THROW(QuantityFromText(text), Overflow) << text;
  }
}

TEST(NumericTextTest, WeightAndPriceKeepFourDecimals) {
  EXPECT_EQ(CurrencyFromText("1.23456").Count(), 12346);
  EXPECT_EQ(CurrencyFromText("4.5").Count(), 45000);
  EXPECT_EQ(CurrencyFromText("-0.00025").Count(), -2);
  EXPECT_EQ(CurrencyFromText("922337203685477").Count(), 9223372036854769664);
  for (const char* text : {"1e15", "-1e15", "1e400", "&HFFFFFFFFFFFFFFFFFFFF"}) {
    EXPECT_THROW(CurrencyFromText(text), Overflow) << text;
  }
}

TEST(NumericTextTest, AnyBytesAreHandled) {
  const std::string invalidUtf8 = "\xff\xfe\xc3(\x80 12";
  const std::string embeddedNul("1\0002", 3);
  const std::string megabyte(1 << 20, '7');
  for (const std::string& text : {invalidUtf8, embeddedNul, megabyte, std::string("\xe2\x82")}) {
    EXPECT_FALSE(IsNumericText(text, kUnitedStates) && text != megabyte);
    const LeadingNumber read = ReadLeadingNumber(text);
    EXPECT_LE(read.consumed, read.length);
    EXPECT_LE(read.length, text.size());
  }
  EXPECT_TRUE(IsNumericText(megabyte, kUnitedStates));
  EXPECT_THROW(CurrencyFromText(megabyte), Overflow);
  EXPECT_THROW(QuantityFromText(megabyte), Overflow);
}

}  // namespace
}  // namespace order
