#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "ScopedEnvironment.h"
#include "order/Currency.h"
#include "order/LocaleEnvironment.h"
#include "order/LocaleServices.h"

namespace order {
namespace {

TEST(LocaleTest, EnvironmentPrecedenceIsAllThenCategoryThenLang) {
  struct Row {
    std::map<std::string, std::string> env;
    LocaleCategory category;
    const char* expected;
  };
  const std::vector<Row> rows = {
      {{}, LocaleCategory::Monetary, "en_US"},
      {{{"LANG", "de_DE.UTF-8"}}, LocaleCategory::Monetary, "de_DE"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MONETARY", "fr_FR"}}, LocaleCategory::Monetary, "fr_FR"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MONETARY", "fr_FR"}}, LocaleCategory::Numeric, "de_DE"},
      {{{"LC_ALL", "ja_JP"}, {"LC_NUMERIC", "fr_FR"}, {"LANG", "de_DE"}},
       LocaleCategory::Numeric,
       "ja_JP"},
      {{{"LC_ALL", ""}, {"LC_CTYPE", "tr_TR.UTF-8"}}, LocaleCategory::CType, "tr_TR"},
      {{{"LC_ALL", ""}, {"LC_CTYPE", ""}, {"LANG", "C"}}, LocaleCategory::CType, "en_US"},
  };
  for (const Row& row : rows) {
    const std::string found = LocaleNameFromEnvironment(row.category, [&](const char* name) {
      const auto it = row.env.find(name);
      return it == row.env.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(found, row.expected);
  }
}

TEST(LocaleTest, PosixNamesMapToIcuNames) {
  struct Row {
    const char* posix;
    const char* icu;
  };
  for (const Row& r :
       {Row{"", "en_US"}, Row{"C", "en_US"}, Row{"POSIX", "en_US"}, Row{"C.UTF-8", "en_US"},
        Row{"de_DE.UTF-8", "de_DE"}, Row{"fr_FR@euro", "fr_FR@currency=EUR"},
        Row{"de_DE.ISO-8859-15@euro", "de_DE@currency=EUR"}, Row{"sr_RS@latin", "sr_RS"},
        Row{"en_US@currency=EUR", "en_US@currency=EUR"}, Row{"en-GB", "en_GB"}}) {
    EXPECT_EQ(IcuLocaleName(r.posix), r.icu) << r.posix;
  }
}

TEST(LocaleTest, FormatCurrencyRoundsHalfAwayFromZeroToTheCurrencyDecimals) {
  const LocaleServices us("en_US");
  struct Row {
    std::int64_t count;
    const char* shown;
  };
  for (const Row& r : {
           Row{0, "$0.00"},
           Row{125000, "$12.50"},
           Row{1250, "$0.13"},
           Row{-1250, "-$0.13"},
           Row{9876, "$0.99"},
           Row{49, "$0.00"},
           Row{50, "$0.01"},
           Row{-1, "$0.00"},
           Row{12345678901, "$1,234,567.89"},
           Row{INT64_MAX, "$922,337,203,685,477.58"},
           Row{INT64_MIN, "-$922,337,203,685,477.58"},
       }) {
    EXPECT_EQ(us.FormatCurrency(Currency::FromCount(r.count)), r.shown) << r.count;
  }
}

TEST(LocaleTest, FormatCurrencyFollowsTheLocale) {
  struct Row {
    const char* locale;
    std::int64_t count;
    const char* shown;
  };
  for (const Row& r : {
           Row{"de_DE.UTF-8", 12345678, "1.234,57\u00A0€"},
           Row{"en_GB", -5000, "-£0.50"},
           Row{"fr_FR@euro", 10000, "1,00\u00A0€"},
           Row{"C", 10000, "$1.00"},
       }) {
    EXPECT_EQ(LocaleServices(r.locale).FormatCurrency(Currency::FromCount(r.count)), r.shown)
        << r.locale;
  }
}

/// The digits of a formatted amount, in whichever script the locale writes them.
std::string DigitsOf(const std::string& shown) {
  std::string digits;
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(shown);
  for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
    const int32_t digit = u_charDigitValue(text.char32At(i));
    if (digit >= 0) digits.push_back(static_cast<char>('0' + digit));
  }
  return digits;
}

TEST(LocaleTest, CurrencyKeepsTheDecimalsOfTheLocalesCurrency) {
  // Whatever symbols a newer ICU gives them: yen have no decimals, the dinar has three.
  EXPECT_EQ(DigitsOf(LocaleServices("ja_JP").FormatCurrency(Currency::FromCount(12345678))),
            "1235");
  EXPECT_EQ(DigitsOf(LocaleServices("ar_BH").FormatCurrency(Currency::FromCount(12345))), "1235");
  EXPECT_EQ(DigitsOf(LocaleServices("ar_BH").FormatCurrency(Currency::FromCount(-12345))), "1235");
}

TEST(LocaleTest, PlainSignaturesFollowTheEnvironment) {
  const auto unitedStates = testing_support::ScopedEnvironment::UnitedStates();
  {
    const testing_support::ScopedEnvironment german{{"LC_MONETARY", "de_DE.UTF-8"}};
    EXPECT_EQ(FormatCurrency(Currency::FromInteger(3)), "3,00\u00A0€");
  }
  EXPECT_EQ(FormatCurrency(Currency::FromInteger(3)), "$3.00");
  EXPECT_EQ(&LocaleServices::ForEnvironment(), &LocaleServices::ForEnvironment());
}

TEST(LocaleTest, UpperCaseIsLocaleAware) {
  EXPECT_EQ(LocaleServices("en_US").UpperCase("ca"), "CA");
  EXPECT_EQ(LocaleServices("en_US").UpperCase("istanbul"), "ISTANBUL");
  EXPECT_EQ(LocaleServices("tr_TR").UpperCase("istanbul"), "İSTANBUL");
  EXPECT_EQ(LocaleServices("de_DE").UpperCase("straße"), "STRASSE");
  EXPECT_EQ(LocaleServices("en_US").UpperCase("c\xff"), "C\uFFFD");
}

}  // namespace
}  // namespace order
