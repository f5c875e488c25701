#pragma once

#include <cstdint>

namespace order {

/// The nearest integer to x, an exact half going to the even one. Done by hand rather than
/// with std::nearbyint, whose result depends on the process's floating-point rounding mode.
/// NaN and infinities come back unchanged.
double RoundHalfEven(double x);

/// n ÷ d rounded to the nearest integer, an exact half going to the even one. d > 0.
__int128 DivideHalfEven(__int128 n, std::int64_t d);

}  // namespace order
