#pragma once

#include <string>
#include <vector>

namespace order {

/// The parts of a locale's number conventions that decide whether a text is a number.
/// Plain data in UTF-8, so the text rules can be tested with any conventions, no locale needed.
struct NumberSymbols {
  std::string decimal = ".";
  /// Every text accepted as the grouping separator. Locales that group with a no-break space
  /// also take a plain space, which is what people type.
  std::vector<std::string> grouping = {","};
  std::string currency = "$";
};

}  // namespace order
