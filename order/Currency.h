#pragma once

#include <compare>
#include <cstdint>

namespace order {

/// A fixed-point amount: a signed 64-bit count of ten-thousandths.
/// Money and weight both use it. There are no implicit conversions, so a double or an
/// integer can only become an amount through a named factory that says how it rounds.
class Currency {
 public:
  static constexpr std::int64_t kScale = 10'000;

  /// Zero, the starting value of every total.
  constexpr Currency() = default;

  static constexpr Currency FromCount(std::int64_t count) { return Currency(count); }

  /// Exactly n; every 16-bit integer fits.
  static constexpr Currency FromInteger(std::int16_t n) { return Currency(n * kScale); }

  /// d × 10,000 rounded to the nearest count, ties to even, taken exactly from d's bits.
  /// Throws Overflow when the result is outside the range, or d is not finite.
  static Currency FromDouble(double d);

  constexpr std::int64_t Count() const { return count_; }

  friend constexpr bool operator==(Currency, Currency) = default;
  // clang-tidy 14 takes the defaulted <=>'s comparison with 0 for a null pointer.
  // NOLINTNEXTLINE(modernize-use-nullptr)
  friend constexpr std::strong_ordering operator<=>(Currency, Currency) = default;

 private:
  constexpr explicit Currency(std::int64_t count) : count_(count) {}

  std::int64_t count_ = 0;
};

/// Exact sum. Throws Overflow.
Currency operator+(Currency a, Currency b);

/// Exact product n × count. Throws Overflow.
Currency operator*(std::int16_t n, Currency c);

/// count(a) × count(b) ÷ 10,000 rounded to the nearest count; an exact half goes to the even
/// count, the same tie rule as FromDouble. Throws Overflow.
Currency operator*(Currency a, Currency b);

}  // namespace order
