#pragma once

#include <stdexcept>

namespace order {

/// The one failure of the order rules: a value fell outside the range of its type.
/// Raised instead of wrapping or saturating, so that a wrong total can never be shown.
class Overflow : public std::overflow_error {
 public:
  using std::overflow_error::overflow_error;
};

}  // namespace order
