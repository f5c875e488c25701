#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "order/Currency.h"
#include "order/Overflow.h"
#include "order/Rounding.h"

namespace order {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(CurrencyTest, FromDoubleRoundsToNearestCountTiesToEven) {
  struct Row {
    double in;
    std::int64_t count;
  };
  // The double's own value is rounded, not a product taken in double: the double nearest
  // 0.00005 is a little above half a count, the one nearest 0.00015 a little below 1.5.
  for (const Row& r :
       {Row{1.23456, 12346}, Row{12.5, 125000}, Row{-1.23456, -12346}, Row{0.00005, 1},
        Row{0.00015, 1}, Row{-0.00015, -1}, Row{0.0, 0}, Row{0.5 / 10000 * 0.999, 0},
        Row{0x1p-200, 0}, Row{922337203685477.0, 9223372036854770000},
        Row{-922337203685477.5, -9223372036854775000}}) {
    EXPECT_EQ(Currency::FromDouble(r.in).Count(), r.count) << r.in;
  }
  // Exact halves, where the tie rule decides.
  for (const double half : {0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 4503599627370495.5}) {
    const double even = 2.0 * std::round(half / 2.0);
    EXPECT_EQ(RoundHalfEven(half), even) << half;
  }
  EXPECT_EQ(RoundHalfEven(2.5000000000000004), 3.0);
  EXPECT_EQ(RoundHalfEven(-0.49999999999999994), 0.0);
}

TEST(CurrencyTest, FromDoubleRaisesOverflowOutsideTheRange) {
  for (const double d :
       {1e15, -1e15, 922337203685477.6, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(Currency::FromDouble(d), Overflow) << d;
  }
  // The double nearest -922,337,203,685,477.5808 is .625, below the lowest amount.
  EXPECT_THROW(Currency::FromDouble(-922337203685477.5808), Overflow);
}

TEST(CurrencyTest, SumIsExactAndOverflowIsRaisedNotWrapped) {
  EXPECT_EQ((Currency::FromCount(kMax - 1) + Currency::FromCount(1)).Count(), kMax);
  EXPECT_EQ((Currency::FromCount(kMin) + Currency::FromCount(kMax)).Count(), -1);
  EXPECT_THROW(Currency::FromCount(kMax) + Currency::FromCount(1), Overflow);
  EXPECT_THROW(Currency::FromCount(kMin) + Currency::FromCount(-1), Overflow);
}

TEST(CurrencyTest, IntegerTimesCurrencyIsExact) {
  EXPECT_EQ((std::int16_t{3} * Currency::FromCount(45000)).Count(), 135000);
  EXPECT_EQ((std::int16_t{-2} * Currency::FromCount(7)).Count(), -14);
  EXPECT_EQ((std::int16_t{-1} * Currency::FromCount(kMax)).Count(), -kMax);
  EXPECT_THROW(std::int16_t{-1} * Currency::FromCount(kMin), Overflow);
  EXPECT_THROW(std::int16_t{2} * Currency::FromCount(kMax / 2 + 1), Overflow);
  EXPECT_THROW(std::int16_t{-32768} * Currency::FromCount(kMax / 32768 + 2), Overflow);
  EXPECT_EQ((std::int16_t{-32768} * Currency::FromCount(kMax / 32768 + 1)).Count(), kMin);
}

TEST(CurrencyTest, CurrencyTimesCurrencyRoundsToNearestCountTiesToEven) {
  struct Row {
    std::int64_t a, b, count;
  };
  for (const Row& r : {
           Row{123456, 800, 9876},      // 12.3456 × 0.08 = 0.987648
           Row{1000001, 2500, 250000},  // 100.0001 × 0.25 = 25.000025
           Row{99999, 2500, 25000},     // 9.9999 × 0.25 = 2.499975
           Row{2, 2500, 0},             // 0.0002 × 0.25 = 0.00005: a tie, to even
           Row{6, 2500, 2},             // 0.00015: a tie, to even
           Row{-6, 2500, -2},           // ties stay symmetric about zero
           Row{-3, 2500, -1},           // -0.000075 → nearest
           Row{kMax, 10000, kMax},      // × 1 exactly, at the top of the range
           Row{kMin, 10000, kMin},
       }) {
    EXPECT_EQ((Currency::FromCount(r.a) * Currency::FromCount(r.b)).Count(), r.count)
        << r.a << " × " << r.b;
  }
  EXPECT_THROW(Currency::FromCount(kMax) * Currency::FromCount(10001), Overflow);
  EXPECT_THROW(Currency::FromCount(kMin) * Currency::FromCount(-10000), Overflow);
}

}  // namespace
}  // namespace order
