#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "order/LocaleEnvironment.h"

namespace app {

/// How to run the program where there is no desktop: the end of every line that says so.
inline constexpr std::string_view kHeadlessAdvice =
    "start it from a desktop, or without one as: xvfb-run -a quistral";

/// Why the window cannot be opened in this environment, as one line for the terminal, or
/// nothing when a display is named. Checked before Qt starts, because Qt aborts with a
/// core dump when it finds no display.
std::optional<std::string> MissingDesktopSession(const order::EnvironmentLookup& lookup);

}  // namespace app
