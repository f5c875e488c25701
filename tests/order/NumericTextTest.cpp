#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
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

TEST(NumericTextTest, UnitedStatesItemTextIsAcceptedOnlyWhenItCannotBeMisread) {
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
           Row{"5.", true},
           // Numeric, but 1,000 and $12.50 could be charged as 1 and 0: refused.
           Row{"1,000", false},
           Row{"$12.50", false},
           Row{"12.50$", false},
           Row{"1 500", false},
           Row{"", false},
           Row{"abc", false},
           Row{"   ", false},
           Row{"4,5", false},
       }) {
    EXPECT_EQ(IsAcceptableNumber(r.text, kUnitedStates), r.acceptable) << '"' << r.text << '"';
  }
}

/// What a clerk types into Weight or Price under each locale, and the count it must be
/// charged as; -1 for a text that must be refused.
TEST(NumericTextTest, ItemTextReadsAsTheLocaleWritesNumbers) {
  constexpr std::int64_t kRefused = -1;
  struct Row {
    const char* locale;
    const char* text;
    std::int64_t count;
  };
  for (const Row& r : {
           Row{"fr_FR", "12,50", 125000},      Row{"fr_FR", "4,5", 45000},
           Row{"fr_FR", "0,5", 5000},          Row{"fr_FR", "4.5", 45000},
           Row{"fr_FR", "1 234,50", 12345000}, Row{"fr_FR", "1\u202F234,5", 12345000},
           Row{"fr_FR", "1 5", kRefused},      Row{"fr_FR", "1 5000", kRefused},
           Row{"fr_FR", "1234 567", kRefused}, Row{"fr_FR", "12 345 678", 123456780000},
           Row{"fr_FR", "12,50 €", kRefused},  Row{"fr_FR", "1,5.3", kRefused},
           Row{"sv_SE", "12,50", 125000},      Row{"sv_SE", "12.50", 125000},
           Row{"sv_SE", "1 000,25", 10002500}, Row{"de_DE", "2,5", 25000},
           Row{"de_DE", "4.5", 45000},         Row{"de_DE", "12.50", 125000},
           Row{"de_DE", "1.000", kRefused},    Row{"de_DE", "0.125", kRefused},
           Row{"de_DE", "1.000,5", kRefused},  Row{"de_DE", "12.500e1", kRefused},
           Row{"de_DE", "2,5e2", 2500000},     Row{"pt_BR", "12,50", 125000},
           Row{"pl_PL", "-2,5", -25000},       Row{"de_CH", "1’000.5", kRefused},
           Row{"de_CH", "12.5", 125000},       Row{"en_US", "1,000", kRefused},
           Row{"hi_IN", "1,00,000", kRefused}, Row{"hi_IN", "2.25", 22500},
       }) {
    const LocaleServices locale(r.locale);
    const bool acceptable = IsAcceptableNumber(r.text, locale.Symbols());
    EXPECT_EQ(acceptable, r.count != kRefused) << r.locale << " \"" << r.text << '"';
    if (acceptable) {
      EXPECT_EQ(CurrencyFromText(r.text, locale.Symbols()).Count(), r.count) << r.text;
    } else {
      EXPECT_THROW(CurrencyFromText(r.text, locale.Symbols()), std::invalid_argument) << r.text;
    }
  }
}

TEST(NumericTextTest, QuantityRoundsTiesToEvenWithinSixteenBits) {
  struct Row {
    const char* text;
    int quantity;
  };
  for (const Row& r : {Row{"2.5", 2}, Row{"3.5", 4}, Row{"-2.5", -2}, Row{"-3", -3}, Row{"2.6", 3},
                       Row{"32767", 32767}, Row{"-32768", -32768}, Row{"-32768.5", -32768},
                       Row{"32767.4", 32767}, Row{"&H7FFF", 32767}, Row{"2.5000000000000001", 3},
                       Row{"25e-1", 2}, Row{"0.5", 0}, Row{"-0.4", 0}}) {
    EXPECT_EQ(QuantityFromText(r.text, kUnitedStates), r.quantity) << r.text;
  }
  const LocaleServices french("fr_FR");
  EXPECT_EQ(QuantityFromText("2,5", french.Symbols()), 2);
  EXPECT_EQ(QuantityFromText("3,5", french.Symbols()), 4);
  for (const char* text : {"40000", "32767.5", "-32769", "1e400", "-1e400", "&HFFFF"}) {
    EXPECT_THROW(QuantityFromText(text, kUnitedStates), Overflow) << text;
  }
  EXPECT_THROW(QuantityFromText("abc", kUnitedStates), std::invalid_argument);
}

TEST(NumericTextTest, WeightAndPriceAreTheTypedDigitsToFourDecimals) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  struct Row {
    const char* text;
    std::int64_t count;
  };
  for (const Row& r : {
           Row{"1.23456", 12346},
           Row{"4.5", 45000},
           Row{"-0.00025", -2},
           Row{"0.00005", 0},
           Row{"0.00015", 2},
           Row{"0.000050001", 1},
           Row{"922337203685477", 9223372036854770000},
           Row{"922337203685477.5807", kMax},
           Row{"-922337203685477.5808", kMin},
           Row{"0.0000000000000000000000000001e28", 10000},
           Row{"&HFF", 2550000},
           Row{"12345678901234e1", 1234567890123400000},
           Row{"000000000000000000000000012.5", 125000},
       }) {
    EXPECT_EQ(CurrencyFromText(r.text, kUnitedStates).Count(), r.count) << r.text;
  }
  for (const char* text : {"1e15", "-1e15", "1e400", "&HFFFFFFFFFFFFFFFFFFFF",
                           "922337203685477.58075", "-922337203685477.58086", "922337203685478"}) {
    EXPECT_THROW(CurrencyFromText(text, kUnitedStates), Overflow) << text;
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
  EXPECT_THROW(CurrencyFromText(megabyte, kUnitedStates), Overflow);
  EXPECT_THROW(QuantityFromText(megabyte, kUnitedStates), Overflow);
  EXPECT_EQ(CurrencyFromText("0." + megabyte, kUnitedStates).Count(), 7778);
}

}  // namespace
}  // namespace order
