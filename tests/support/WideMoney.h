#pragma once

#include <cstdint>
#include <limits>

#include "order/Currency.h"

/// Money worked in 128-bit integers, where nothing overflows: the independent model that
/// tests and fuzz targets hold Currency's results against.
namespace order::testing {

using Wide = __int128;

/// Whether a wide count fits Currency's 64-bit count.
inline bool FitsCount(Wide count) {
  return count >= std::numeric_limits<std::int64_t>::min() &&
         count <= std::numeric_limits<std::int64_t>::max();
}

/// a × b ÷ 10,000 to the nearest count, halves to even. Worked from the floor, where
/// Currency works from truncation, so the two cannot share a mistake.
inline Wide RoundedProduct(Wide a, Wide b) {
  const Wide product = a * b;
  Wide floor = product / Currency::kScale;
  if (floor * Currency::kScale > product) --floor;
  const Wide rest = product - floor * Currency::kScale;  // 0 ≤ rest < 10,000
  const Wide half = Currency::kScale / 2;
  if (rest > half || (rest == half && floor % 2 != 0)) ++floor;
  return floor;
}

}  // namespace order::testing
