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
/// A magnitude beyond double's range reads as an infinity. The item fields are not read
/// through it, but exactly, by QuantityFromText and CurrencyFromText below.
LeadingNumber ReadLeadingNumber(std::string_view text);
double ParseLeadingNumber(std::string_view text);

/// Whether Next Item takes a field's text: a number written as the user's locale writes
/// one, that can be read exactly as it means it. The locale's decimal separator is the
/// decimal point, and so is '.' (as a numeric keypad types it), except where the locale
/// groups thousands with '.' and it stands before exactly three digits (1.000 in German).
/// Digits may be grouped only with a blank, before groups of three, where the locale
/// groups with one (1 500 in French); other separators (1,000), the currency symbol and
/// anything else that could be read two ways are refused, never guessed at.
bool IsAcceptableNumber(std::string_view text, const NumberSymbols& symbols);

/// The quantity field's text, which IsAcceptableNumber takes, as the nearest integer, ties
/// to even, from its digits exactly. Throws Overflow outside -32,768..32,767, and
/// std::invalid_argument for a text IsAcceptableNumber refuses.
std::int16_t QuantityFromText(std::string_view text, const NumberSymbols& symbols);

/// The weight and price fields' text, which IsAcceptableNumber takes, as Currency: four
/// decimals, ties to even, from its digits exactly, never through a double. Throws Overflow
/// outside Currency's range, and std::invalid_argument for a text IsAcceptableNumber refuses.
Currency CurrencyFromText(std::string_view text, const NumberSymbols& symbols);

}  // namespace order
