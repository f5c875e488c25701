#include "order/Currency.h"

#include <cmath>

#include "order/Overflow.h"
#include "order/Rounding.h"

namespace order {

Currency Currency::FromDouble(double d) {
  const double scaled = RoundHalfEven(d * static_cast<double>(kScale));
  // 2^63 is exactly representable; every double in [-2^63, 2^63) fits in an int64.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(scaled >= -kLimit && scaled < kLimit)) {
    throw Overflow("amount out of range");
  }
  return Currency(static_cast<std::int64_t>(scaled));
}

Currency operator+(Currency a, Currency b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a.Count(), b.Count(), &sum)) {
    throw Overflow("amount out of range");
  }
  return Currency::FromCount(sum);
}

Currency operator*(std::int16_t n, Currency c) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(static_cast<std::int64_t>(n), c.Count(), &product)) {
    throw Overflow("amount out of range");
  }
  return Currency::FromCount(product);
}

Currency operator*(Currency a, Currency b) {
  // Two 64-bit counts multiply to under 2^126, so the 128-bit product is exact.
  const __int128 product = static_cast<__int128>(a.Count()) * b.Count();
  const __int128 result = DivideHalfEven(product, Currency::kScale);
  if (result < INT64_MIN || result > INT64_MAX) {
    throw Overflow("amount out of range");
  }
  return Currency::FromCount(static_cast<std::int64_t>(result));
}

}  // namespace order
