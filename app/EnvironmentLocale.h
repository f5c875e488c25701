#pragma once

#include <functional>

#include "order/LocaleServices.h"

namespace app {

/// The locale services of the environment the program runs in, looked up the first time a
/// command asks (after the window is on screen) and then kept: the environment is read and
/// the services' cache locked once, not on every command.
inline std::function<const order::LocaleServices&()> EnvironmentLocaleOnFirstUse() {
  return [cached = static_cast<const order::LocaleServices*>(
              nullptr)]() mutable -> const order::LocaleServices& {
    if (cached == nullptr) cached = &order::LocaleServices::ForEnvironment();
    return *cached;
  };
}

}  // namespace app
