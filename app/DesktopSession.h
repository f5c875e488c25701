#pragma once

#include <optional>
#include <string>

#include "order/LocaleEnvironment.h"

namespace app {

/// Why the window cannot be opened in this environment, as one line for the terminal, or
/// nothing when a display is named. Checked before Qt starts, because Qt aborts with a
/// core dump when it finds no display.
std::optional<std::string> MissingDesktopSession(const order::EnvironmentLookup& lookup);

}  // namespace app
