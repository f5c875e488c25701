#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/Overflow.h"

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

  order::IsNumericText(text, locale.Symbols());  // reads any bytes without a fault
  const bool acceptable = order::IsAcceptableNumber(text, locale.Symbols());
  Require(!acceptable || !text.empty(), "an empty text is never acceptable");

  const order::LeadingNumber read = order::ReadLeadingNumber(text);
  Require(read.consumed <= read.length && read.length <= text.size(),
          "the leading number reads no more than the text has");
  Require(!std::isnan(read.value), "the leading number is never NaN");
  const double parsed = order::ParseLeadingNumber(text);
  Require(parsed == read.value || (std::isnan(parsed) && std::isnan(read.value)),
          "both readers agree");

  // A plain decimal reads exactly as the C library reads it.
  const std::string compact = WithoutBlanks(text);
  if (read.ReadsWholeText() && read.consumed > 0 && !compact.starts_with('&')) {
    char* end = nullptr;
    const double expected = std::strtod(compact.c_str(), &end);
    Require(end == compact.c_str() + compact.size(), "strtod reads the whole of it too");
    Require(expected == read.value, "the value is what strtod reads");
  }

  // The item readers take exactly what is acceptable, and return or raise Overflow.
  for (const bool quantity : {true, false}) {
    bool refused = false;
    try {
      if (quantity) {
        order::QuantityFromText(text, locale.Symbols());
      } else {
        order::CurrencyFromText(text, locale.Symbols());
      }
    } catch (const order::Overflow&) {
      Require(acceptable, "only an acceptable text overflows");
    } catch (const std::invalid_argument&) {
      refused = true;
    }
    Require(refused == !acceptable, "the item readers refuse exactly what is not acceptable");
  }
  return 0;
}
