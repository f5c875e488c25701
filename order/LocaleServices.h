#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "order/Currency.h"
#include "order/NumberSymbols.h"

namespace order {

/// The locale services the order rules need (number recognition, currency formatting,
/// upper-casing), each built once for its locale and then reused. Immutable, so one
/// instance can serve every call.
class LocaleServices {
 public:
  /// ICU or POSIX locale names, one per category.
  LocaleServices(std::string_view numeric, std::string_view monetary, std::string_view ctype);
  /// One locale for every category.
  explicit LocaleServices(std::string_view locale);
  ~LocaleServices();
  LocaleServices(LocaleServices&&) noexcept;
  LocaleServices& operator=(LocaleServices&&) noexcept;

  /// The services for the locale the environment names now. Built the first time a
  /// combination of locales is seen and kept for the life of the process.
  static const LocaleServices& ForEnvironment();

  const NumberSymbols& Symbols() const;

  /// The amount in the locale's currency, rounded half away from zero to the currency's
  /// own number of decimals, from the exact decimal digits of the count. UTF-8.
  std::string FormatCurrency(Currency value) const;

  /// Locale-aware upper case of UTF-8 text; invalid bytes become U+FFFD.
  std::string UpperCase(std::string_view text) const;

 private:
  struct Impl;
  std::unique_ptr<const Impl> impl_;
};

/// FormatCurrency in the user's currency locale (LC_MONETARY).
std::string FormatCurrency(Currency value);

}  // namespace order
