#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "WideMoney.h"
#include "order/Currency.h"
#include "order/Overflow.h"

// Currency's three operations against plain 128-bit integer arithmetic, on the counts where
// fixed-point code goes wrong: both ends of the range, zero and one either side, products
// that land on exact halves, the last result that fits and the first that does not, and
// random counts of every size.
namespace order {
namespace {

using testing::Wide;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

std::optional<std::int64_t> InRange(Wide value) {
  if (!testing::FitsCount(value)) return std::nullopt;
  return static_cast<std::int64_t>(value);
}

std::optional<std::int64_t> Sum(std::int64_t a, std::int64_t b) {
  try {
    return (Currency::FromCount(a) + Currency::FromCount(b)).Count();
  } catch (const Overflow&) {
    return std::nullopt;
  }
}

std::optional<std::int64_t> Scaled(std::int16_t n, std::int64_t c) {
  try {
    return (n * Currency::FromCount(c)).Count();
  } catch (const Overflow&) {
    return std::nullopt;
  }
}

std::optional<std::int64_t> Product(std::int64_t a, std::int64_t b) {
  try {
    return (Currency::FromCount(a) * Currency::FromCount(b)).Count();
  } catch (const Overflow&) {
    return std::nullopt;
  }
}

std::vector<std::int64_t> EdgeCounts() {
  std::vector<std::int64_t> counts{kMin,       kMin + 1,    kMin / 2,     -10001,       -10000,
                                   -9999,      -5000,       -2,           -1,           0,
                                   1,          2,           5000,         9999,         10000,
                                   10001,      kMax / 2,    kMax / 2 + 1, kMax - 1,     kMax,
                                   3037000499, -3037000499, 303700049997, -303700049997};
  return counts;
}

/// Counts of every magnitude, from a few bits to all 64, of either sign.
std::vector<std::int64_t> RandomCounts(std::mt19937_64& random, std::size_t how_many) {
  std::vector<std::int64_t> counts;
  for (std::size_t i = 0; i < how_many; ++i) {
    const unsigned bits = 1 + random() % 64;
    if (bits == 64) {
      counts.push_back(static_cast<std::int64_t>(random()));
      continue;
    }
    const auto magnitude = static_cast<std::int64_t>(random() & ((std::uint64_t{1} << bits) - 1));
    counts.push_back(random() % 2 == 0 ? magnitude : -magnitude);
  }
  return counts;
}

/// The edge counts, then `how_many` random ones drawn from `seed`.
std::vector<std::int64_t> Counts(std::uint64_t seed, std::size_t how_many) {
  std::mt19937_64 random(seed);
  std::vector<std::int64_t> counts = EdgeCounts();
  const std::vector<std::int64_t> more = RandomCounts(random, how_many);
  counts.insert(counts.end(), more.begin(), more.end());
  return counts;
}

TEST(CurrencyOracleTest, SumMatchesWideArithmeticOrRaisesOverflow) {
  const std::vector<std::int64_t> counts = Counts(20261208, 400);
  for (const std::int64_t a : counts) {
    for (const std::int64_t b : counts) {
      ASSERT_EQ(Sum(a, b), InRange(Wide{a} + b)) << a << " + " << b;
    }
  }
  // The last sums that fit, and the first that do not, at both ends.
  for (const std::int64_t a : counts) {
    if (a > 0) {
      ASSERT_EQ(Sum(a, kMax - a), kMax);
      ASSERT_EQ(Sum(a, kMax - a + 1), std::nullopt) << a;
    }
    if (a < 0) {
      ASSERT_EQ(Sum(a, kMin - a), kMin);
      ASSERT_EQ(Sum(a, kMin - a - 1), std::nullopt) << a;
    }
  }
}

TEST(CurrencyOracleTest, QuantityTimesAmountMatchesWideArithmeticOrRaisesOverflow) {
  std::mt19937_64 random(1208);
  std::vector<std::int16_t> quantities{-32768, -32767, -3, -2, -1, 0, 1, 2, 3, 32766, 32767};
  for (int i = 0; i < 60; ++i) quantities.push_back(static_cast<std::int16_t>(random()));
  const std::vector<std::int64_t> counts = Counts(random(), 2000);
  for (const std::int16_t n : quantities) {
    for (const std::int64_t c : counts) {
      ASSERT_EQ(Scaled(n, c), InRange(Wide{n} * c)) << n << " × " << c;
    }
    if (n == 0) continue;
    // The largest amount this quantity can multiply, and the next one up.
    const Wide last = n > 0 ? Wide{kMax} / n : Wide{kMin} / n;
    if (last < kMax) {
      ASSERT_EQ(Scaled(n, static_cast<std::int64_t>(last)), InRange(Wide{n} * last)) << n;
      ASSERT_NE(Scaled(n, static_cast<std::int64_t>(last)), std::nullopt) << n;
      ASSERT_EQ(Scaled(n, static_cast<std::int64_t>(last + 1)), std::nullopt) << n;
    }
  }
}

TEST(CurrencyOracleTest, AmountTimesAmountMatchesWideArithmeticOrRaisesOverflow) {
  const std::vector<std::int64_t> counts = Counts(8122026, 400);
  for (const std::int64_t a : counts) {
    for (const std::int64_t b : counts) {
      ASSERT_EQ(Product(a, b), InRange(testing::RoundedProduct(a, b))) << a << " × " << b;
    }
  }
}

TEST(CurrencyOracleTest, ExactHalvesGoToTheEvenCount) {
  // 5000 × b ÷ 10,000 = b ÷ 2: a half exactly when b is odd.
  struct Row {
    std::int64_t b, count;
  };
  for (const Row& r : {Row{-5, -2}, Row{-3, -2}, Row{-1, 0}, Row{1, 0}, Row{3, 2}, Row{5, 2},
                       Row{7, 4}, Row{2, 1}, Row{-4, -2}}) {
    EXPECT_EQ(Product(5000, r.b), r.count) << r.b;
    EXPECT_EQ(Product(r.b, 5000), r.count) << r.b;
  }
  EXPECT_EQ(Product(25, 200), 0);  // 0.5 again, from other factors
  EXPECT_EQ(Product(75, 200), 2);  // 1.5
  // Halves one count either side of them are not halves.
  EXPECT_EQ(Product(5001, 1), 1);
  EXPECT_EQ(Product(4999, 1), 0);
  // Halves at both ends of the range: kMax is odd, so kMax × 5000 ÷ 10,000 ends in .5.
  EXPECT_EQ(Product(kMax, 5000), 4611686018427387904);
  EXPECT_EQ(Product(kMin + 1, 5000), -4611686018427387904);
  EXPECT_EQ(Product(kMin, 5000), -4611686018427387904);
}

TEST(CurrencyOracleTest, AmountTimesAmountOverflowsExactlyWhereTheRoundedResultLeavesTheRange) {
  for (const std::int64_t a : {std::int64_t{10000}, std::int64_t{10001}, std::int64_t{12345678},
                               std::int64_t{3} * 10000 + 3, kMax / 10000, kMax}) {
    // The largest b whose rounded product still fits, found by bisection on the oracle.
    std::int64_t fits = 0;
    std::int64_t overflows = kMax;
    if (InRange(testing::RoundedProduct(a, overflows))) continue;
    while (overflows - fits > 1) {
      const std::int64_t middle = fits + (overflows - fits) / 2;
      (InRange(testing::RoundedProduct(a, middle)) ? fits : overflows) = middle;
    }
    EXPECT_EQ(Product(a, fits), InRange(testing::RoundedProduct(a, fits))) << a;
    EXPECT_NE(Product(a, fits), std::nullopt) << a;
    EXPECT_EQ(Product(a, overflows), std::nullopt) << a;
    EXPECT_EQ(Product(-a, fits), InRange(testing::RoundedProduct(-a, fits))) << a;
    EXPECT_EQ(Product(-a, overflows + 1), std::nullopt) << a;
  }
}

}  // namespace
}  // namespace order
