#include "order/LocaleEnvironment.h"

namespace order {
namespace {

const char* CategoryVariable(LocaleCategory category) {
  switch (category) {
    case LocaleCategory::Numeric:
      return "LC_NUMERIC";
    case LocaleCategory::Monetary:
      return "LC_MONETARY";
    case LocaleCategory::CType:
      return "LC_CTYPE";
  }
  return "LANG";
}

}  // namespace

std::string LocaleNameFromEnvironment(LocaleCategory category, const EnvironmentLookup& lookup) {
  for (const char* variable : {"LC_ALL", CategoryVariable(category), "LANG"}) {
    const char* value = lookup(variable);
    if (value != nullptr && *value != '\0') return IcuLocaleName(value);
  }
  return IcuLocaleName("");
}

std::string IcuLocaleName(std::string_view posixName) {
  const std::size_t modifierAt = posixName.find('@');
  const std::string_view modifier =
      modifierAt == std::string_view::npos ? std::string_view() : posixName.substr(modifierAt + 1);
  std::string_view name = posixName.substr(0, modifierAt);
  name = name.substr(0, name.find('.'));  // the codeset says nothing about conventions
  if (name.empty() || name == "C" || name == "POSIX") return "en_US";
  std::string icu(name);
  for (char& c : icu) {
    if (c == '-') c = '_';
  }
  // The one POSIX modifier that changes money: @euro predates the euro being the default.
  // ICU keywords (@currency=EUR) pass through, so an ICU name maps to itself.
  if (modifier == "euro") {
    icu += "@currency=EUR";
  } else if (modifier.find('=') != std::string_view::npos) {
    icu += '@';
    icu += modifier;
  }
  return icu;
}

}  // namespace order
