#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace order {

/// The locale categories the order rules use.
enum class LocaleCategory { Numeric, Monetary, CType };

/// Looks a variable up in an environment; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

/// The locale a POSIX program would use for the category: the first non-empty of LC_ALL,
/// the category's own variable (LC_NUMERIC, LC_MONETARY, LC_CTYPE) and LANG, as an ICU
/// locale name. Taking the lookup as a parameter keeps the process environment out of tests.
std::string LocaleNameFromEnvironment(LocaleCategory category, const EnvironmentLookup& lookup);

/// Maps a POSIX locale name (de_DE.UTF-8, fr_FR@euro) to an ICU locale name.
/// Empty, C and POSIX (with any codeset) mean United States English.
std::string IcuLocaleName(std::string_view posixName);

}  // namespace order
