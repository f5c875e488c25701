#pragma once

#include <chrono>

namespace window {

/// How long Print Form waits before it says it is printing, and how long the print system
/// has in all, about as long as a person would wait.
struct PrintTiming {
  std::chrono::milliseconds notice{500};
  std::chrono::milliseconds bound{10'000};
};

}  // namespace window
