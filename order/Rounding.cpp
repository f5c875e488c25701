#include "order/Rounding.h"

#include <cmath>

namespace order {

double RoundHalfEven(double x) {
  const double floor = std::floor(x);
  // Exact for every finite double: x and its floor are close enough in magnitude.
  const double fraction = x - floor;
  if (fraction > 0.5) {
    return floor + 1.0;
  }
  if (fraction < 0.5) {
    return floor;
  }
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

__int128 DivideHalfEven(__int128 n, std::int64_t d) {
  __int128 quotient = n / d;  // truncates toward zero
  const __int128 remainder = n % d;
  const __int128 twice = (remainder < 0 ? -remainder : remainder) * 2;
  const int direction = n < 0 ? -1 : 1;
  if (twice > d || (twice == d && quotient % 2 != 0)) {
    quotient += direction;
  }
  return quotient;
}

}  // namespace order
