#include "order/Currency.h"

#include <cmath>

#include "order/Overflow.h"
#include "order/Rounding.h"

namespace order {

Currency Currency::FromDouble(double d) {
  if (!std::isfinite(d)) throw Overflow("amount out of range");
  // d is exactly mantissa × 2^exponent with a 53-bit mantissa, so d × 10,000 can be taken
  // in integers: a product taken in double would round before the count does.
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(d), &exponent);
  const auto mantissa = static_cast<__int128>(std::ldexp(fraction, 53));
  exponent -= 53;
  const __int128 scaled = mantissa * kScale;  // under 2^67
  __int128 magnitude = 0;
  if (exponent >= 0) {
    // A normal mantissa is at least 2^52: twelve doublings take it past every count.
    if (exponent >= 12 && mantissa != 0) throw Overflow("amount out of range");
    magnitude = scaled << exponent;
  } else if (exponent > -100) {
    const int shift = -exponent;
    magnitude = scaled >> shift;
    const __int128 remainder = scaled - (magnitude << shift);
    const __int128 half = static_cast<__int128>(1) << (shift - 1);
    if (remainder > half || (remainder == half && magnitude % 2 != 0)) ++magnitude;
  }
  const __int128 count = d < 0 ? -magnitude : magnitude;
  if (count < INT64_MIN || count > INT64_MAX) throw Overflow("amount out of range");
  return Currency(static_cast<std::int64_t>(count));
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
