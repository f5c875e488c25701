#include <unicode/decimfmt.h>
#include <unicode/fmtable.h>
#include <unicode/numberformatter.h>
#include <unicode/numfmt.h>
#include <unicode/parsepos.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/Overflow.h"

// Texts typed into the item fields under many locales, held against ICU's own number
// parser: every text that Next Item takes must be read as the number ICU reads in it, for
// that locale, to the count. A refusal is never wrong; a wrong reading aborts.
namespace {

void Require(bool promise, const char* what, std::string_view text, const char* locale) {
  if (!promise) {
    std::fprintf(stderr, "broken promise: %s: \"%.*s\" under %s\n", what,
                 static_cast<int>(text.size()), text.data(), locale);
    std::abort();
  }
}

/// One locale of each kind of number writing: point or comma decimals; grouping with a
/// comma, a point, an apostrophe, a no-break or a narrow no-break space; Indian grouping.
constexpr std::array<const char*, 11> kLocales{"en_US", "de_DE", "de_CH", "fr_FR", "sv_SE", "pl_PL",
                                               "ru_RU", "pt_BR", "hi_IN", "cs_CZ", "uk_UA"};

struct Oracle {
  const char* name;
  order::LocaleServices services;
  std::unique_ptr<icu::NumberFormat> parser;
  /// How the locale writes an exponent ("E", or "×10^" in Swedish), where ours is e or E.
  std::string exponent;
};

std::vector<Oracle>& Oracles() {
  static std::vector<Oracle> oracles = [] {
    std::vector<Oracle> made;
    for (const char* name : kLocales) {
      UErrorCode status = U_ZERO_ERROR;
      std::unique_ptr<icu::NumberFormat> parser(
          icu::NumberFormat::createInstance(icu::Locale(name), status));
      const auto* decimal = dynamic_cast<const icu::DecimalFormat*>(parser.get());
      if (U_FAILURE(status) || decimal == nullptr) std::abort();
      std::string exponent;
      decimal->getDecimalFormatSymbols()
          ->getConstSymbol(icu::DecimalFormatSymbols::kExponentialSymbol)
          .toUTF8String(exponent);
      made.push_back({name, order::LocaleServices(name), std::move(parser), exponent});
    }
    return made;
  }();
  return oracles;
}

/// ICU's reading of the text, rounded as the item fields round (ties to even) to that many
/// decimals and written as a plain integer count; nothing where ICU does not read all of it.
/// Where ICU reads the text but has no finite value for it.
constexpr const char* kNoReading = "none";

/// decimals is 4 (an amount's count) or 0 (a quantity).
std::optional<std::string> IcuCount(const Oracle& oracle, const std::string& text, int decimals) {
  const icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(text);
  icu::Formattable number;
  icu::ParsePosition position(0);
  oracle.parser->parse(unicode, number, position);
  if (position.getIndex() != unicode.length() || position.getErrorIndex() >= 0) {
    return std::nullopt;
  }
  UErrorCode status = U_ZERO_ERROR;
  const icu::StringPiece exact = number.getDecimalNumber(status);
  if (U_FAILURE(status)) return std::nullopt;
  // Rounding 1E+999999999 would write out a billion digits: a magnitude far outside every
  // range is judged from its exponent.
  const std::string_view written(exact.data(), static_cast<std::size_t>(exact.length()));
  // ICU keeps exponents in 32 bits, and reads 0e99999999999 as infinite: no reading to hold
  // ours against.
  if (written.find_first_of("IiNn") != std::string_view::npos) return kNoReading;
  if (const std::size_t e = written.find_first_of("Ee"); e != std::string_view::npos) {
    const long long exponent =
        std::strtoll(std::string(written.substr(e + 1)).c_str(), nullptr, 10);
    const bool zero = written.substr(0, e).find_first_of("123456789") == std::string_view::npos;
    if (zero || exponent < -60) return "0";
    if (exponent > 60) return "99999999999999999999999";
  }
  static const auto rounder = [](int places) {
    return icu::number::NumberFormatter::withLocale(icu::Locale::getRoot())
        .grouping(UNUM_GROUPING_OFF)
        .precision(icu::number::Precision::fixedFraction(places))
        .roundingMode(UNUM_ROUND_HALFEVEN);
  };
  static const icu::number::LocalizedNumberFormatter toCount = rounder(4);
  static const icu::number::LocalizedNumberFormatter toWhole = rounder(0);
  const auto formatted = (decimals == 4 ? toCount : toWhole).formatDecimal(exact, status);
  std::string count;
  formatted.toString(status).toUTF8String(count);
  if (U_FAILURE(status)) return std::nullopt;
  std::erase(count, '.');
  const bool negative = count.starts_with('-');
  const std::size_t digits = count.find_first_not_of("-0");
  if (digits == std::string::npos) return "0";
  return (negative ? "-" : "") + count.substr(digits);
}

/// What ICU is given: the text as the locale writes it. The item fields take a '.' decimal
/// point in a comma locale, a typed blank for a no-break one, and a leading '+'; ICU reads
/// only the locale's own symbols, no blanks around, and '+' only in some locales.
std::string InTheLocalesSymbols(std::string_view text, const Oracle& oracle) {
  const order::NumberSymbols& symbols = oracle.services.Symbols();
  constexpr std::array<std::string_view, 8> blanks{" ",  "\t", "\n",     "\r",
                                                   "\v", "\f", "\u00A0", "\u202F"};
  const auto blankAt = [&](std::size_t i) -> std::size_t {
    for (const std::string_view b : blanks) {
      if (text.substr(i).starts_with(b)) return b.size();
    }
    return 0;
  };
  std::size_t first = 0;
  while (first < text.size() && blankAt(first) > 0) first += blankAt(first);
  std::size_t last = text.size();
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (const std::string_view b : blanks) {
      if (last - first >= b.size() && text.substr(first, last - first).ends_with(b)) {
        last -= b.size();
        trimmed = true;
      }
    }
  }
  std::string written;
  if (first < last && text[first] == '+') ++first;
  for (std::size_t i = first; i < last;) {
    if (const std::size_t blank = blankAt(i)) {
      written += symbols.grouping.front();
      i += blank;
    } else if (text[i] == '.') {
      written += symbols.decimal;
      ++i;
    } else if (text[i] == 'e' || text[i] == 'E') {
      written += oracle.exponent;
      ++i;
    } else {
      written += text[i++];
    }
  }
  return written;
}

/// An integer count as text, or "overflow".
template <typename Read>
std::string OurCount(Read read) {
  try {
    return std::to_string(read());
  } catch (const order::Overflow&) {
    return "overflow";
  }
}

/// Whether an integer written out lies in [low, high]: strtoll saturates beyond its range,
/// and then no longer writes back the same.
bool FitsIn(const std::string& count, long long low, long long high) {
  const long long value = std::strtoll(count.c_str(), nullptr, 10);
  return std::to_string(value) == count && value >= low && value <= high;
}

/// The pieces a text is made of: mostly digits, then every symbol a number can hold.
std::string Piece(std::uint8_t byte, const order::NumberSymbols& symbols) {
  static constexpr std::array<const char*, 14> kSymbols{
      ".", ",", " ", "\u00A0", "\u202F", "-", "+", "e", "E", "&H", "’", "'", "A", "1234"};
  if (byte < 100) return {static_cast<char>('0' + byte % 10)};
  if (byte < 110) return symbols.decimal;
  if (byte < 120) return symbols.grouping.front();
  if (byte < 125) return symbols.currency;
  if (byte < 240) return kSymbols[byte % kSymbols.size()];
  return {static_cast<char>(byte)};
}

/// How many accepted texts were held against ICU, told when the run ends.
std::uint64_t compared = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit([] {
    std::fprintf(stderr, "ItemTextFuzz: %llu accepted texts read as ICU reads them\n",
                 static_cast<unsigned long long>(compared));
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // ICU reads long texts exactly too, but a clerk's entry is short; the fuzzer explores more.
  if (size == 0 || size > 48) return 0;
  const Oracle& oracle = Oracles()[data[0] % kLocales.size()];
  const order::NumberSymbols& symbols = oracle.services.Symbols();
  std::string text;
  for (std::size_t i = 1; i < size; ++i) text += Piece(data[i], symbols);

  if (!order::IsAcceptableNumber(text, symbols)) return 0;
  if (text.find('&') != std::string::npos) {
    // Radix integers are not ICU's: the C library reads them.
    const std::string_view digits = std::string_view(text).substr(text.find('&') + 2);
    const std::uint64_t value = std::strtoull(std::string(digits).c_str(), nullptr, 16);
    if (digits.size() <= 12) {
      Require(OurCount([&] { return order::CurrencyFromText(text, symbols).Count(); }) ==
                  std::to_string(value * 10'000),
              "a hexadecimal amount is its value", text, oracle.name);
    }
    return 0;
  }
  const std::string written = InTheLocalesSymbols(text, oracle);
  const std::optional<std::string> icuAmount = IcuCount(oracle, written, 4);
  const std::optional<std::string> icuQuantity = IcuCount(oracle, written, 0);
  Require(icuAmount && icuQuantity, "ICU reads the whole of an accepted text", written,
          oracle.name);

  if (*icuAmount == kNoReading) return 0;
  ++compared;
  const std::string amount =
      OurCount([&] { return order::CurrencyFromText(text, symbols).Count(); });
  const std::string expected = FitsIn(*icuAmount, INT64_MIN, INT64_MAX) ? *icuAmount : "overflow";
  if (amount != expected)
    std::fprintf(stderr, "read %s, ICU %s\n", amount.c_str(), expected.c_str());
  Require(amount == expected, "the amount is ICU's, to the count", text, oracle.name);
  const std::string quantity = OurCount([&] { return order::QuantityFromText(text, symbols); });
  Require(quantity == (FitsIn(*icuQuantity, INT16_MIN, INT16_MAX) ? *icuQuantity : "overflow"),
          "the quantity is ICU's", text, oracle.name);
  return 0;
}
