#include "order/NumericText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "order/LocaleServices.h"
#include "order/Overflow.h"

namespace order {
namespace {

/// The blanks the rules know: what people type around a number, and the no-break spaces
/// with which locales group digits and formatted amounts are written. The leading-number
/// rule removes only the first kLeadingRuleBlanks of them (space, tab, line feed).
constexpr std::array<std::string_view, 8> kBlanks{" ",  "\t", "\n",     "\r",
                                                  "\v", "\f", "\u00A0", "\u202F"};
constexpr std::size_t kLeadingRuleBlanks = 3;

bool IsBlank(std::string_view symbol) {
  for (const std::string_view blank : kBlanks) {
    if (symbol == blank) return true;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/// The base that a radix letter after '&' names: H hexadecimal, O octal; 0 for none.
int RadixBase(char kind) {
  if (kind == 'H' || kind == 'h') return 16;
  if (kind == 'O' || kind == 'o') return 8;
  return 0;
}

bool IsRadixDigit(char c, int base) {
  const int value = HexValue(c);
  return value >= 0 && value < base;
}

/// What a number is made of in one reading of a text. The three readings below differ only
/// in these rules, so that they cannot disagree on what a number is.
struct Grammar {
  /// Each symbol that stands for the decimal point.
  std::vector<std::string_view> decimals;
  /// Each separator allowed between the integer digits.
  std::vector<std::string_view> grouping;
  /// 0: a separator may stand before any digits; 3: only before a group of exactly three.
  std::size_t groupDigits = 0;
  /// A decimal point that the locale also groups digits with: after a digit and before
  /// exactly three, it would read as thousands, so it is not read at all there.
  std::string_view ambiguousPoint;
  /// The currency symbol allowed before or after the number; empty for none.
  std::string_view currency;
  /// The number is the whole text, with blanks around it; otherwise its longest prefix.
  bool wholeText = true;
};

/// A number as a scan found it, digit for digit: nothing is rounded yet.
struct ScannedNumber {
  bool negative = false;
  int base = 10;
  /// The digits in order, without separators; in base 10 the integer digits, then the
  /// fraction's.
  std::string digits;
  std::size_t fractionDigits = 0;
  /// Saturated at a billion either way: far outside every range already.
  long long exponent = 0;
  /// Where the number starts (after its sign) and ends in the text scanned.
  std::size_t begin = 0;
  std::size_t end = 0;
};

/// A cursor over UTF-8 text that matches multi-byte symbols as whole byte sequences.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  [[nodiscard]] bool AtEnd() const { return pos_ == text_.size(); }
  [[nodiscard]] std::size_t Pos() const { return pos_; }
  void Rewind(std::size_t pos) { pos_ = pos; }
  [[nodiscard]] char Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }
  void Advance(std::size_t n = 1) { pos_ += n; }

  bool Take(std::string_view symbol) {
    if (symbol.empty() || !text_.substr(pos_).starts_with(symbol)) return false;
    pos_ += symbol.size();
    return true;
  }

  /// Length of the first of the symbols that stands here, or 0.
  template <typename Symbols>
  [[nodiscard]] std::size_t Match(const Symbols& symbols) const {
    for (const std::string_view s : symbols) {
      if (!s.empty() && text_.substr(pos_).starts_with(s)) return s.size();
    }
    return 0;
  }

  /// Appends the digits that stand here to `digits`; returns how many.
  std::size_t TakeDigits(std::string& digits) {
    const std::size_t start = pos_;
    while (IsDigit(Peek())) ++pos_;
    digits.append(text_.substr(start, pos_ - start));
    return pos_ - start;
  }

  void SkipBlanks() {
    while (std::size_t n = Match(kBlanks)) pos_ += n;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

/// &H and hex digits, or &O and octal digits. Moves past them only when they are there.
bool TakeRadixNumber(Scanner& s, ScannedNumber& number) {
  const int base = s.Peek() == '&' ? RadixBase(s.Peek(1)) : 0;
  if (base == 0) return false;
  std::size_t digits = 0;
  while (IsRadixDigit(s.Peek(2 + digits), base)) ++digits;
  if (digits == 0) return false;
  s.Advance(2);
  for (std::size_t i = 0; i < digits; ++i, s.Advance()) number.digits.push_back(s.Peek());
  number.base = base;
  return true;
}

/// A separator that may stand here under the grammar, followed by the digits it groups: its
/// length, or 0.
std::size_t GroupSeparatorAt(const Scanner& s, const Grammar& grammar) {
  const std::size_t separator = s.Match(grammar.grouping);
  if (separator == 0 || !IsDigit(s.Peek(separator))) return 0;
  if (grammar.groupDigits == 0) return separator;
  for (std::size_t i = 0; i < grammar.groupDigits; ++i) {
    if (!IsDigit(s.Peek(separator + i))) return 0;
  }
  return IsDigit(s.Peek(separator + grammar.groupDigits)) ? 0 : separator;
}

/// Digits with grouping separators between them, then an optional decimal point and
/// digits, then an optional exponent. False when no digit was seen. An exponent letter with
/// no digits after it is not part of the number.
bool TakeDecimalNumber(Scanner& s, const Grammar& grammar, ScannedNumber& number) {
  std::size_t digits = s.TakeDigits(number.digits);
  // Groups of three follow a first group of one to three digits: 1234 567 is two numbers.
  const bool mayGroup = grammar.groupDigits == 0 || digits <= grammar.groupDigits;
  while (digits > 0 && mayGroup) {
    const std::size_t separator = GroupSeparatorAt(s, grammar);
    if (separator == 0) break;
    s.Advance(separator);
    digits += s.TakeDigits(number.digits);
  }
  if (const std::size_t point = s.Match(grammar.decimals)) {
    if (digits > 0 && s.Take(grammar.ambiguousPoint)) {
      std::size_t after = 0;
      while (IsDigit(s.Peek(after))) ++after;
      if (after == 3) return false;
      s.Rewind(s.Pos() - point);
    }
    s.Advance(point);
    number.fractionDigits = s.TakeDigits(number.digits);
    digits += number.fractionDigits;
  }
  if (digits == 0) return false;
  const std::size_t beforeExponent = s.Pos();
  if (s.Peek() == 'e' || s.Peek() == 'E') {
    s.Advance();
    const bool negative = s.Peek() == '-';
    if (s.Peek() == '+' || s.Peek() == '-') s.Advance();
    long long exponent = 0;
    std::size_t exponentDigits = 0;
    for (; IsDigit(s.Peek()); s.Advance(), ++exponentDigits) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (s.Peek() - '0');
    }
    if (exponentDigits == 0) {
      s.Rewind(beforeExponent);
    } else {
      number.exponent = negative ? -exponent : exponent;
    }
  }
  return true;
}

/// Reads a number from the text under the grammar: the whole text, or its longest leading
/// number. Nothing when the text is not one (whole text) or no number leads (prefix).
std::optional<ScannedNumber> Scan(std::string_view text, const Grammar& grammar) {
  Scanner s(text);
  ScannedNumber number;
  if (grammar.wholeText) s.SkipBlanks();
  bool sign = false;
  bool currency = false;
  for (;;) {
    if (!sign && (s.Peek() == '+' || s.Peek() == '-')) {
      number.negative = s.Peek() == '-';
      s.Advance();
      sign = true;
    } else if (!currency && s.Take(grammar.currency)) {
      currency = true;
      s.SkipBlanks();
    } else {
      break;
    }
  }
  number.begin = s.Pos();
  const bool radix = !sign && !currency && TakeRadixNumber(s, number);
  if (!radix && !TakeDecimalNumber(s, grammar, number)) return std::nullopt;
  number.end = s.Pos();
  if (!grammar.wholeText) return number;
  s.SkipBlanks();
  if (!radix && !currency && s.Take(grammar.currency)) s.SkipBlanks();
  return s.AtEnd() ? std::optional(number) : std::nullopt;
}

Grammar NumericGrammar(const NumberSymbols& symbols) {
  Grammar grammar;
  grammar.decimals = {symbols.decimal};
  grammar.grouping.assign(symbols.grouping.begin(), symbols.grouping.end());
  grammar.currency = symbols.currency;
  return grammar;
}

/// What an item field takes: the locale's decimal separator, and '.' too (as a numeric
/// keypad types it); where the locale groups with '.', only where it cannot be read as
/// thousands. Digits may be grouped only where
/// the locale groups them with a blank, three at a time, since a blank cannot be mistaken
/// for a decimal point; any other separator, and the currency symbol, is refused rather
/// than guessed at.
Grammar ItemGrammar(const NumberSymbols& symbols) {
  Grammar grammar;
  grammar.decimals = {symbols.decimal};
  bool groupsWithDot = false;
  for (const std::string& g : symbols.grouping) {
    groupsWithDot = groupsWithDot || g == ".";
    if (IsBlank(g)) grammar.grouping.emplace_back(g);
  }
  if (symbols.decimal != ".") grammar.decimals.emplace_back(".");
  if (groupsWithDot) grammar.ambiguousPoint = ".";
  grammar.groupDigits = 3;
  return grammar;
}

/// The leading-number rule: '.' is the only decimal point, nothing groups, no currency.
Grammar LeadingGrammar() {
  Grammar grammar;
  grammar.decimals = {"."};
  grammar.wholeText = false;
  return grammar;
}

std::string WithoutLeadingRuleBlanks(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    const std::string_view symbol(&c, 1);
    bool removed = false;
    for (std::size_t i = 0; i < kLeadingRuleBlanks; ++i) removed = removed || symbol == kBlanks[i];
    if (!removed) compact.push_back(c);
  }
  return compact;
}

double RadixValue(const ScannedNumber& number) {
  double value = 0.0;
  // Exact up to 2^53, far beyond any amount's range; past that it only grows toward
  // infinity, so an oversized value can never come back as a small one.
  for (const char c : number.digits) value = value * number.base + HexValue(c);
  return value;
}

/// The decimal as the nearest double, from the text it was scanned from.
double DecimalValue(std::string_view text, const ScannedNumber& number) {
  // from_chars is locale-independent and correctly rounded; it takes no '+' sign.
  double value = 0.0;
  const char* first = text.data() + number.begin;
  const char* last = text.data() + number.end;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    // Where the first significant digit stands decides whether it overflowed or underflowed.
    const std::size_t significant = number.digits.find_first_not_of('0');
    if (significant == std::string::npos) return 0.0;
    const auto integerDigits = static_cast<long long>(number.digits.size() - number.fractionDigits);
    const long long magnitude =
        integerDigits - static_cast<long long>(significant) + number.exponent;
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc() || end != last) {
    // Not expected for the text scanned; if it happens, read nothing rather than a number
    // that was not typed.
    return 0.0;
  }
  return value;
}

/// The scanned number × 10^scale, rounded to the nearest integer, ties to even, exactly;
/// nothing when its magnitude is 2^64 or more.
std::optional<__int128> ScaledExactly(const ScannedNumber& number, int scale) {
  constexpr __int128 kTooLarge = static_cast<__int128>(1) << 64;
  __int128 magnitude = 0;
  if (number.base != 10) {
    for (const char c : number.digits) {
      magnitude = magnitude * number.base + HexValue(c);
      if (magnitude >= kTooLarge) return std::nullopt;
    }
    for (int i = 0; i < scale; ++i) magnitude *= 10;
    if (magnitude >= kTooLarge) return std::nullopt;
  } else {
    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const std::string_view digits = std::string_view(number.digits).substr(first);
    // How many of the digits stand before the point once scaled; digits beyond it round.
    const long long whole = static_cast<long long>(number.digits.size() - first) -
                            static_cast<long long>(number.fractionDigits) + number.exponent + scale;
    if (whole > 20) return std::nullopt;  // at least 10^20
    const std::size_t kept = whole > 0 ? static_cast<std::size_t>(whole) : 0;
    for (std::size_t i = 0; i < kept; ++i) {
      magnitude = magnitude * 10 + (i < digits.size() ? digits[i] - '0' : 0);
    }
    if (whole >= 0 && kept < digits.size()) {
      const char next = digits[kept];
      const bool moreAfter = digits.find_first_not_of('0', kept + 1) != std::string_view::npos;
      if (next > '5' || (next == '5' && (moreAfter || magnitude % 2 != 0))) ++magnitude;
    }
    if (magnitude >= kTooLarge) return std::nullopt;
  }
  return number.negative ? -magnitude : magnitude;
}

/// An item field's text as the user meant it, exactly; refused texts are not read at all.
ScannedNumber ItemNumber(std::string_view text, const NumberSymbols& symbols) {
  std::optional<ScannedNumber> number = Scan(text, ItemGrammar(symbols));
  if (!number) throw std::invalid_argument("not a number the item fields take");
  return *number;
}

}  // namespace

bool IsNumericText(std::string_view text) {
  return IsNumericText(text, LocaleServices::ForEnvironment().Symbols());
}

bool IsNumericText(std::string_view text, const NumberSymbols& symbols) {
  return Scan(text, NumericGrammar(symbols)).has_value();
}

LeadingNumber ReadLeadingNumber(std::string_view text) {
  const std::string compact = WithoutLeadingRuleBlanks(text);
  const std::optional<ScannedNumber> number = Scan(compact, LeadingGrammar());
  if (!number) return {0.0, 0, compact.size()};
  const double value = number->base == 10 ? DecimalValue(compact, *number) : RadixValue(*number);
  return {number->negative ? -value : value, number->end, compact.size()};
}

double ParseLeadingNumber(std::string_view text) { return ReadLeadingNumber(text).value; }

bool IsAcceptableNumber(std::string_view text, const NumberSymbols& symbols) {
  return Scan(text, ItemGrammar(symbols)).has_value();
}

std::int16_t QuantityFromText(std::string_view text, const NumberSymbols& symbols) {
  const std::optional<__int128> quantity = ScaledExactly(ItemNumber(text, symbols), 0);
  if (!quantity || *quantity < INT16_MIN || *quantity > INT16_MAX) {
    throw Overflow("quantity out of range");
  }
  return static_cast<std::int16_t>(*quantity);
}

Currency CurrencyFromText(std::string_view text, const NumberSymbols& symbols) {
  const std::optional<__int128> count = ScaledExactly(ItemNumber(text, symbols), 4);
  if (!count || *count < INT64_MIN || *count > INT64_MAX) {
    throw Overflow("amount out of range");
  }
  return Currency::FromCount(static_cast<std::int64_t>(*count));
}

}  // namespace order
