#include "order/LocaleServices.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/numsys.h>
#include <unicode/ucurr.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <stdexcept>

#include "order/LocaleEnvironment.h"

namespace order {
namespace {

constexpr const char* kFallbackLocale = "en_US";

std::string Utf8(const icu::UnicodeString& text) {
  std::string out;
  text.toUTF8String(out);
  return out;
}

icu::Locale MakeLocale(std::string_view name) {
  icu::Locale locale = icu::Locale::createCanonical(IcuLocaleName(name).c_str());
  return locale.isBogus() ? icu::Locale(kFallbackLocale) : locale;
}

/// Symbols for the Latin digits, the only digits the leading-number rule reads, so that a
/// locale whose default digits are others still describes the separators used with 0-9.
NumberSymbols SymbolsFor(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::NumberingSystem> latin(
      icu::NumberingSystem::createInstanceByName("latn", status));
  icu::DecimalFormatSymbols symbols(locale, *latin, status);
  if (U_FAILURE(status)) return NumberSymbols{};
  NumberSymbols result;
  result.decimal = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
  const std::string grouping =
      Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
  result.grouping = {grouping};
  if (grouping == "\u00A0" || grouping == "\u202F") result.grouping.emplace_back(" ");
  result.currency = Utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kCurrencySymbol));
  return result;
}

/// The locale's own currency; a locale that names no region gets its likely one.
bool CurrencyCodeFor(const icu::Locale& locale, std::array<char16_t, 4>& code) {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale likely(locale);
  likely.addLikelySubtags(status);
  status = U_ZERO_ERROR;
  const int32_t length = ucurr_forLocale(likely.getName(), code.data(),
                                         static_cast<std::int32_t>(code.size()), &status);
  return U_SUCCESS(status) && length == 3;
}

icu::number::LocalizedNumberFormatter CurrencyFormatterFor(const icu::Locale& requested) {
  icu::Locale locale(requested);
  std::array<char16_t, 4> code{};
  if (!CurrencyCodeFor(locale, code)) {
    locale = icu::Locale(kFallbackLocale);
    CurrencyCodeFor(locale, code);
  }
  UErrorCode status = U_ZERO_ERROR;
  icu::CurrencyUnit unit(code.data(), status);
  if (U_FAILURE(status)) throw std::runtime_error("no currency data for the locale");
  return icu::number::NumberFormatter::withLocale(locale)
      .unit(unit)
      .roundingMode(UNUM_ROUND_HALFUP)  // ICU's HALFUP is half away from zero
      .sign(UNUM_SIGN_NEGATIVE);        // an amount that rounds to zero shows no minus
}

/// The exact decimal digits of a count: sign, units, '.', four decimals.
std::string DecimalDigits(Currency value) {
  const std::int64_t count = value.Count();
  // The magnitude of INT64_MIN does not fit in int64, but does in uint64.
  const std::uint64_t magnitude =
      count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  digits.insert(digits.size() - 4, 1, '.');
  if (count < 0) digits.insert(0, 1, '-');
  return digits;
}

}  // namespace

struct LocaleServices::Impl {
  Impl(std::string_view numeric, std::string_view monetary, std::string_view ctype)
      : symbols(SymbolsFor(MakeLocale(numeric))),
        currency(CurrencyFormatterFor(MakeLocale(monetary))),
        upperCaseLocale(MakeLocale(ctype)) {}

  NumberSymbols symbols;
  icu::number::LocalizedNumberFormatter currency;
  icu::Locale upperCaseLocale;
};

LocaleServices::LocaleServices(std::string_view numeric, std::string_view monetary,
                               std::string_view ctype)
    : impl_(std::make_unique<const Impl>(numeric, monetary, ctype)) {}

LocaleServices::LocaleServices(std::string_view locale) : LocaleServices(locale, locale, locale) {}

LocaleServices::~LocaleServices() = default;
LocaleServices::LocaleServices(LocaleServices&&) noexcept = default;
LocaleServices& LocaleServices::operator=(LocaleServices&&) noexcept = default;

const LocaleServices& LocaleServices::ForEnvironment() {
  const EnvironmentLookup lookup = [](const char* name) { return std::getenv(name); };
  const std::string numeric = LocaleNameFromEnvironment(LocaleCategory::Numeric, lookup);
  const std::string monetary = LocaleNameFromEnvironment(LocaleCategory::Monetary, lookup);
  const std::string ctype = LocaleNameFromEnvironment(LocaleCategory::CType, lookup);
  const std::string key = numeric + '\n' + monetary + '\n' + ctype;

  // A memo, not a setting: each entry is immutable and depends only on its key, so the
  // environment stays the one source of truth.
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<const LocaleServices>, std::less<>> built;
  const std::lock_guard lock(mutex);
  auto found = built.find(key);
  if (found == built.end()) {
    found =
        built.emplace(key, std::make_unique<const LocaleServices>(numeric, monetary, ctype)).first;
  }
  return *found->second;
}

const NumberSymbols& LocaleServices::Symbols() const { return impl_->symbols; }

std::string LocaleServices::FormatCurrency(Currency value) const {
  const std::string digits = DecimalDigits(value);
  UErrorCode status = U_ZERO_ERROR;
  const icu::number::FormattedNumber formatted =
      impl_->currency.formatDecimal(icu::StringPiece(digits), status);
  std::string out;
  formatted.toTempString(status).toUTF8String(out);
  if (U_FAILURE(status)) throw std::runtime_error("currency formatting failed");
  return out;
}

std::string LocaleServices::UpperCase(std::string_view text) const {
  if (text.size() > INT32_MAX) throw std::length_error("text too long to upper-case");
  icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
  return Utf8(unicode.toUpper(impl_->upperCaseLocale));
}

std::string FormatCurrency(Currency value) {
  return LocaleServices::ForEnvironment().FormatCurrency(value);
}

}  // namespace order
