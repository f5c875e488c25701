#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "order/Currency.h"
#include "order/NumberSymbols.h"

namespace order {

class LocaleServices;

/// True when the whole text is a number under the user's locale conventions (LC_NUMERIC):
/// blanks around it, a leading sign, grouping separators between digits, the decimal
/// separator, an exponent and the currency symbol are allowed.
bool IsNumericText(std::string_view text);
bool IsNumericText(std::string_view text, const NumberSymbols& symbols);

/// What the leading-number rule made of a text.
struct LeadingNumber {
  double value = 0.0;
  /// Characters read, counted after the blanks were removed.
  std::size_t consumed = 0;
  /// Characters left after the blanks were removed.
  std::size_t length = 0;

  bool ReadsWholeText() const { return consumed == length; }
};

/// Removes every space, tab and line feed, then reads the longest leading number:
/// sign, digits with one optional '.', optional exponent; or &H hexadecimal / &O octal.
/// Only '.' is a decimal point, whatever the locale. No leading digit reads as 0.
/// A magnitude beyond double's range reads as an infinity, which every conversion refuses.
LeadingNumber ReadLeadingNumber(std::string_view text);
double ParseLeadingNumber(std::string_view text);

/// Whether Next Item takes a field's text: not empty, numeric, and read in full by the
/// leading-number rule, so that what the order is charged is what the user typed.
/// A text is refused too when it uses '.' the way a locale that groups with '.' writes
/// thousands (1.000 in German), because the leading-number rule would read it as 1, and
/// where a grouping blank does not stand before three digits (1 5 in French, read as 15).
bool IsAcceptableNumber(std::string_view text, const NumberSymbols& symbols);

/// The quantity field: the leading number rounded to an integer, ties to even.
/// Throws Overflow outside -32,768..32,767.
std::int16_t QuantityFromText(std::string_view text);

/// The weight and price fields: the leading number as Currency, ties to even.
/// Throws Overflow outside Currency's range.
Currency CurrencyFromText(std::string_view text);

}  // namespace order
