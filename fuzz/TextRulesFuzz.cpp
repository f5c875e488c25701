#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "order/Currency.h"
#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/Overflow.h"
#include "order/Rounding.h"

// Any text through the rules that decide whether a field is a number and what it reads as.
// Each result is checked against what the rules promise; a broken promise aborts, which
// libFuzzer reports with the input that did it.
namespace {

void Require(bool promise, const char* what) {
  if (!promise) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

const order::LocaleServices& Locale(std::uint8_t choice) {
  // Dot and comma decimals, comma, dot and space grouping, symbols before and after.
  static const order::LocaleServices us("en_US");
  static const order::LocaleServices german("de_DE");
  static const order::LocaleServices french("fr_FR");
  static const order::LocaleServices swiss("de_CH");
  switch (choice % 4) {
    case 0:
      return us;
    case 1:
      return german;
    case 2:
      return french;
    default:
      return swiss;
  }
}

std::string WithoutBlanks(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
  }
  return compact;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C");  // strtod below reads '.' whatever the host's locale
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const order::LocaleServices& locale = Locale(data[0]);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const bool numeric = order::IsNumericText(text, locale.Symbols());
  const bool acceptable = order::IsAcceptableNumber(text, locale.Symbols());
  Require(!acceptable || numeric, "an acceptable text is numeric");
  Require(!acceptable || !text.empty(), "an empty text is never acceptable");

  const order::LeadingNumber read = order::ReadLeadingNumber(text);
  Require(read.consumed <= read.length && read.length <= text.size(),
          "the leading number reads no more than the text has");
  Require(!std::isnan(read.value), "the leading number is never NaN");
  const double parsed = order::ParseLeadingNumber(text);
  Require(parsed == read.value || (std::isnan(parsed) && std::isnan(read.value)),
          "both readers agree");
  Require(!acceptable || read.ReadsWholeText(), "an acceptable text is read in full");

  // A plain decimal the user may type reads exactly as the C library reads it.
  const std::string compact = WithoutBlanks(text);
  if (acceptable && data[0] % 4 == 0 && !compact.starts_with('&')) {
    char* end = nullptr;
    const double expected = std::strtod(compact.c_str(), &end);
    Require(end == compact.c_str() + compact.size(), "strtod reads the whole of it too");
    Require(expected == read.value, "the value is what strtod reads");
  }

  // The conversions return, or raise Overflow, and nothing else.
  try {
    const std::int16_t quantity = order::QuantityFromText(text);
    Require(quantity == order::RoundHalfEven(read.value), "the quantity is the rounded value");
  } catch (const order::Overflow&) {
    const double rounded = order::RoundHalfEven(read.value);
    Require(!(rounded >= INT16_MIN && rounded <= INT16_MAX), "Overflow only outside 16 bits");
  }
  try {
    const order::Currency amount = order::CurrencyFromText(text);
    const double scaled = order::RoundHalfEven(read.value * 10000.0);
    Require(static_cast<double>(amount.Count()) == scaled, "the amount is the value in counts");
  } catch (const order::Overflow&) {
    const double scaled = order::RoundHalfEven(read.value * 10000.0);
    Require(!(scaled >= -9223372036854775808.0 && scaled < 9223372036854775808.0),
            "Overflow only outside the amount range");
  }
  return 0;
}
