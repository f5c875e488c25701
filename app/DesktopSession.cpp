#include "app/DesktopSession.h"

#include <string_view>

namespace app {
namespace {

bool IsSet(const order::EnvironmentLookup& lookup, const char* name) {
  const char* value = lookup(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

std::optional<std::string> MissingDesktopSession(const order::EnvironmentLookup& lookup) {
  // A platform chosen explicitly (offscreen, vnc, ...) may need no display at all.
  if (const char* platform = lookup("QT_QPA_PLATFORM"); platform != nullptr) {
    const std::string_view name(platform);
    if (!name.empty() && !name.starts_with("xcb") && !name.starts_with("wayland")) {
      return std::nullopt;
    }
  }
  if (IsSet(lookup, "DISPLAY") || IsSet(lookup, "WAYLAND_DISPLAY")) return std::nullopt;
  return "quistral: no desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set); " +
         std::string(kHeadlessAdvice);
}

}  // namespace app
