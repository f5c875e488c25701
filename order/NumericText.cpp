#include "order/NumericText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "order/LocaleServices.h"
#include "order/Overflow.h"
#include "order/Rounding.h"

namespace order {
namespace {

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

/// A cursor over UTF-8 text that matches multi-byte symbols as whole byte sequences.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  [[nodiscard]] bool AtEnd() const { return pos_ == text_.size(); }
  [[nodiscard]] char Peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
  }
  void Advance(std::size_t n = 1) { pos_ += n; }

  bool Take(std::string_view symbol) {
    if (symbol.empty() || !text_.substr(pos_).starts_with(symbol)) return false;
    pos_ += symbol.size();
    return true;
  }

  /// Length of the first symbol that stands here, or 0.
  [[nodiscard]] std::size_t Match(const std::vector<std::string>& symbols) const {
    for (const std::string& s : symbols) {
      if (!s.empty() && text_.substr(pos_).starts_with(s)) return s.size();
    }
    return 0;
  }

  std::size_t SkipDigits() {
    const std::size_t start = pos_;
    while (IsDigit(Peek())) ++pos_;
    return pos_ - start;
  }

  /// Spaces, tabs, line breaks and the no-break spaces that formatted amounts contain.
  void SkipBlanks() {
    for (;;) {
      const char c = Peek();
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
        ++pos_;
      } else if (!Take("\u00A0") && !Take("\u202F")) {
        return;
      }
    }
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

/// &H and hex digits, or &O and octal digits. Moves past them only when they are there.
bool TakeRadixNumber(Scanner& s) {
  const int base = s.Peek() == '&' ? RadixBase(s.Peek(1)) : 0;
  if (base == 0) return false;
  std::size_t digits = 0;
  while (IsRadixDigit(s.Peek(2 + digits), base)) ++digits;
  if (digits == 0) return false;
  s.Advance(2 + digits);
  return true;
}

/// Digits with grouping separators only between two digits, then an optional decimal
/// separator and digits, then an optional exponent. False when no digit was seen or an
/// exponent has no digits.
bool TakeDecimalNumber(Scanner& s, const NumberSymbols& symbols) {
  std::size_t digits = s.SkipDigits();
  while (digits > 0) {
    const std::size_t separator = s.Match(symbols.grouping);
    if (separator == 0 || !IsDigit(s.Peek(separator))) break;
    s.Advance(separator);
    digits += s.SkipDigits();
  }
  if (s.Take(symbols.decimal)) digits += s.SkipDigits();
  if (digits == 0) return false;
  if (s.Peek() == 'e' || s.Peek() == 'E') {
    s.Advance();
    if (s.Peek() == '+' || s.Peek() == '-') s.Advance();
    if (s.SkipDigits() == 0) return false;
  }
  return true;
}

std::string WithoutBlanks(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (const char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
  }
  return compact;
}

LeadingNumber ReadRadix(std::string_view compact, int base) {
  double value = 0.0;
  std::size_t i = 2;
  for (; i < compact.size() && IsRadixDigit(compact[i], base); ++i) {
    // Exact up to 2^53, far beyond any amount's range; past that it only grows toward
    // infinity, so an oversized value can never come back as a small one.
    value = value * base + HexValue(compact[i]);
  }
  if (i == 2) return {0.0, 0, compact.size()};
  return {value, i, compact.size()};
}

LeadingNumber ReadDecimal(std::string_view compact) {
  const auto digitAt = [&](std::size_t i) { return i < compact.size() && IsDigit(compact[i]); };
  std::size_t i = 0;
  const bool negative = compact[0] == '-';
  if (compact[0] == '+' || compact[0] == '-') ++i;
  const std::size_t mantissaStart = i;

  // Where the first significant digit stands decides, for a value beyond double's range,
  // whether it overflowed or underflowed.
  std::size_t digits = 0;
  std::size_t significantIntegerDigits = 0;
  std::size_t zerosAfterPoint = 0;  // before the first significant fraction digit
  bool significant = false;
  for (; digitAt(i); ++i, ++digits) {
    significant = significant || compact[i] != '0';
    if (significant) ++significantIntegerDigits;
  }
  if (i < compact.size() && compact[i] == '.') {
    for (++i; digitAt(i); ++i, ++digits) {
      if (!significant && compact[i] == '0') ++zerosAfterPoint;
      significant = significant || compact[i] != '0';
    }
  }
  if (digits == 0) return {0.0, 0, compact.size()};

  long long exponent = 0;
  if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
    std::size_t j = i + 1;
    const bool exponentNegative = j < compact.size() && compact[j] == '-';
    if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) ++j;
    const std::size_t exponentStart = j;
    for (; digitAt(j); ++j) {
      // Saturate: an exponent this large is already far outside double's range.
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (compact[j] - '0');
    }
    if (j > exponentStart) {  // "1e" is the number 1 followed by a letter
      i = j;
      if (exponentNegative) exponent = -exponent;
    }
  }

  // from_chars is locale-independent and correctly rounded; it takes no '+' sign.
  double value = 0.0;
  const char* first = compact.data() + mantissaStart;
  const char* last = compact.data() + i;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    const long long magnitude = significantIntegerDigits > 0
                                    ? static_cast<long long>(significantIntegerDigits) + exponent
                                    : exponent - static_cast<long long>(zerosAfterPoint);
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc() || end != last) {
    // Not expected for the text scanned above; if it happens, read nothing rather than
    // a number that was not typed.
    return {0.0, 0, compact.size()};
  }
  return {negative ? -value : value, i, compact.size()};
}

bool GroupsWithDot(const NumberSymbols& symbols) {
  if (symbols.decimal == ".") return false;
  for (const std::string& g : symbols.grouping) {
    if (g == ".") return true;
  }
  return false;
}

/// In a locale that groups with '.', a '.' between a digit and exactly three digits is how
/// that locale writes thousands.
bool LooksLikeDotGrouping(std::string_view compact) {
  for (std::size_t i = 1; i < compact.size(); ++i) {
    if (compact[i] != '.' || !IsDigit(compact[i - 1])) continue;
    std::size_t digits = 0;
    while (i + 1 + digits < compact.size() && IsDigit(compact[i + 1 + digits])) ++digits;
    if (digits == 3) return true;
  }
  return false;
}

bool IsBlankSymbol(std::string_view symbol) {
  return symbol == " " || symbol == "\u00A0" || symbol == "\u202F";
}

/// In a locale that groups with a blank, the leading-number rule drops the blank, so "1 5"
/// would read as 15. A grouping blank stands only before a group of exactly three digits.
bool HasShortBlankGroup(std::string_view text, const NumberSymbols& symbols) {
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (!IsDigit(text[i - 1])) continue;
    for (const std::string& g : symbols.grouping) {
      if (!IsBlankSymbol(g) || !text.substr(i).starts_with(g)) continue;
      std::size_t digits = 0;
      while (i + g.size() + digits < text.size() && IsDigit(text[i + g.size() + digits])) ++digits;
      if (digits > 0 && digits != 3) return true;
    }
  }
  return false;
}

}  // namespace

bool IsNumericText(std::string_view text) {
  return IsNumericText(text, LocaleServices::ForEnvironment().Symbols());
}

bool IsNumericText(std::string_view text, const NumberSymbols& symbols) {
  Scanner s(text);
  s.SkipBlanks();
  bool sign = false;
  bool currency = false;
  for (;;) {
    if (!sign && (s.Peek() == '+' || s.Peek() == '-')) {
      s.Advance();
      sign = true;
    } else if (!currency && s.Take(symbols.currency)) {
      currency = true;
      s.SkipBlanks();
    } else {
      break;
    }
  }
  if (!sign && !currency && TakeRadixNumber(s)) {
    s.SkipBlanks();
    return s.AtEnd();
  }
  if (!TakeDecimalNumber(s, symbols)) return false;
  s.SkipBlanks();
  if (!currency && s.Take(symbols.currency)) s.SkipBlanks();
  return s.AtEnd();
}

LeadingNumber ReadLeadingNumber(std::string_view text) {
  const std::string compact = WithoutBlanks(text);
  if (compact.empty()) return {};
  const int base = compact.size() > 1 && compact[0] == '&' ? RadixBase(compact[1]) : 0;
  return base != 0 ? ReadRadix(compact, base) : ReadDecimal(compact);
}

double ParseLeadingNumber(std::string_view text) { return ReadLeadingNumber(text).value; }

bool IsAcceptableNumber(std::string_view text, const NumberSymbols& symbols) {
  if (text.empty() || !IsNumericText(text, symbols)) return false;
  if (!ReadLeadingNumber(text).ReadsWholeText()) return false;
  if (HasShortBlankGroup(text, symbols)) return false;
  return !GroupsWithDot(symbols) || !LooksLikeDotGrouping(WithoutBlanks(text));
}

std::int16_t QuantityFromText(std::string_view text) {
  const double rounded = RoundHalfEven(ParseLeadingNumber(text));
  if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
    throw Overflow("quantity out of range");
  }
  return static_cast<std::int16_t>(rounded);
}

Currency CurrencyFromText(std::string_view text) {
  return Currency::FromDouble(ParseLeadingNumber(text));
}

}  // namespace order
