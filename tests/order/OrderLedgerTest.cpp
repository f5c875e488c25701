#include <gtest/gtest.h>

#include <cstdint>

#include "order/LocaleServices.h"
#include "order/OrderLedger.h"
#include "order/Overflow.h"

namespace order {
namespace {

/// An amount from its count of ten-thousandths, written out: 24.1 is Count(241000).
constexpr Currency Count(std::int64_t tenThousandths) {
  return Currency::FromCount(tenThousandths);
}

TEST(OrderLedgerTest, EmptyOrderSummarisesToZero) {
  const OrderSummary s = OrderLedger().ComputeSummary("CA");
  EXPECT_EQ(s.amountDue, Currency());
  EXPECT_EQ(s.salesTax, Currency());
  EXPECT_EQ(s.shipping, Currency());
  EXPECT_EQ(s.totalDue, Currency());
}

TEST(OrderLedgerTest, SummaryOfTwoItemsWithTaxShippingAndTotal) {
  OrderLedger ledger;
  ledger.AddItem(2, Count(30'000), Count(100'000));
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Count(200'000));
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Count(60'000));
  const OrderSummary s = ledger.ComputeSummary("ca");
  EXPECT_EQ(s.amountDue, Count(200'000));
  EXPECT_EQ(s.salesTax, Count(16'000));
  EXPECT_EQ(s.shipping, Count(25'000));
  EXPECT_EQ(s.totalDue, Count(241'000));
  // Two summaries in a row agree, and a summary changes nothing.
  const OrderSummary again = ledger.ComputeSummary("ca");
  EXPECT_EQ(again.totalDue, s.totalDue);
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Count(200'000));
}

TEST(OrderLedgerTest, TaxOnlyForExactlyCaliforniaAfterUpperCasing) {
  const LocaleServices us("en_US");
  const Currency amount = Count(123'456);
  EXPECT_EQ(SalesTaxFor("CA", amount, us).Count(), 9876);
  EXPECT_EQ(SalesTaxFor("cA", amount, us).Count(), 9876);
  for (const char* state : {"NY", "CA ", " CA", "Calif", "", "C A", "ÇA"}) {
    EXPECT_EQ(SalesTaxFor(state, amount, us), Currency()) << state;
  }
  EXPECT_EQ(SalesTaxFor("ca", Count(-1'000'000), us), Count(-80'000));
}

TEST(OrderLedgerTest, ShippingTiersHaveExactBoundaries) {
  struct Row {
    std::int64_t weight;  // ten-thousandths
    std::int64_t charge;
  };
  for (const Row& r : {Row{0, 0}, Row{-40'000, -10'000}, Row{1, 10'000}, Row{40'000, 20'000},
                       Row{99'999, 35'000}, Row{100'000, 55'000}, Row{1'000'000, 280'000},
                       Row{1'000'001, 300'000}, Row{2'000'000, 550'000}}) {
    EXPECT_EQ(ShippingCharge(Count(r.weight)), Count(r.charge)) << r.weight;
  }
}

TEST(OrderLedgerTest, AddItemIsAllOrNothing) {
  const Currency huge = Currency::FromCount(INT64_MAX / 2);
  OrderLedger ledger;
  ledger.AddItem(1, Count(10'000), huge);
  ledger.AddItem(1, Count(10'000), huge);  // amount is now just below the top
  const OrderTotals before = ledger.Totals();
  // The amount would overflow at the sum, and the weight at the product: neither total moves.
  EXPECT_THROW(ledger.AddItem(1, Count(10'000), Count(10'000)), Overflow);
  EXPECT_THROW(ledger.AddItem(2, huge, Count(0)), Overflow);
  EXPECT_EQ(ledger.Totals().mcurAmountDue, before.mcurAmountDue);
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, before.mcurTotalWeight);

  // Here only the weight total would overflow, after the amount total was already formed.
  OrderLedger heavy;
  heavy.AddItem(1, Currency::FromCount(INT64_MAX), Count(10'000));
  EXPECT_THROW(heavy.AddItem(1, Currency::FromCount(1), Count(50'000)), Overflow);
  EXPECT_EQ(heavy.Totals().mcurAmountDue, Count(10'000));
  EXPECT_EQ(heavy.Totals().mcurTotalWeight.Count(), INT64_MAX);
}

TEST(OrderLedgerTest, NegativeItemsLowerTheTotalsAndResetEmptiesThem) {
  OrderLedger ledger;
  ledger.AddItem(3, Count(20'000), Count(45'000));
  ledger.AddItem(-1, Count(20'000), Count(45'000));
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Count(90'000));
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Count(40'000));
  ledger.ResetOrder();
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Currency());
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Currency());
}

TEST(OrderLedgerTest, SummaryOverflowChangesNothing) {
  OrderLedger ledger;
  ledger.AddItem(1, Currency::FromCount(INT64_MAX), Currency::FromCount(INT64_MAX));
  EXPECT_THROW(ledger.ComputeSummary("CA"), Overflow);  // amount + tax
  EXPECT_THROW(ledger.ComputeSummary("NY"), Overflow);  // base + weight × rate
  EXPECT_EQ(ledger.Totals().mcurAmountDue.Count(), INT64_MAX);
}

}  // namespace
}  // namespace order
