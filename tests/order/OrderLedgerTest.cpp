#include <gtest/gtest.h>

#include <cstdint>

#include "order/LocaleServices.h"
#include "order/OrderLedger.h"
#include "order/Overflow.h"

namespace order {
namespace {

Currency Amount(double d) { return Currency::FromDouble(d); }

TEST(OrderLedgerTest, EmptyOrderSummarisesToZero) {
  const OrderSummary s = OrderLedger().ComputeSummary("CA");
  EXPECT_EQ(s.amountDue, Currency());
  EXPECT_EQ(s.salesTax, Currency());
  EXPECT_EQ(s.shipping, Currency());
  EXPECT_EQ(s.totalDue, Currency());
}

TEST(OrderLedgerTest, SummaryOfTwoItemsWithTaxShippingAndTotal) {
  OrderLedger ledger;
  ledger.AddItem(2, Amount(3), Amount(10));
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Amount(20));
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Amount(6));
  const OrderSummary s = ledger.ComputeSummary("ca");
  EXPECT_EQ(s.amountDue, Amount(20));
  EXPECT_EQ(s.salesTax, Amount(1.6));
  EXPECT_EQ(s.shipping, Amount(2.5));
  EXPECT_EQ(s.totalDue, Amount(24.1));
  // Two summaries in a row agree, and a summary changes nothing.
  const OrderSummary again = ledger.ComputeSummary("ca");
  EXPECT_EQ(again.totalDue, s.totalDue);
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Amount(20));
}

TEST(OrderLedgerTest, TaxOnlyForExactlyCaliforniaAfterUpperCasing) {
  const LocaleServices us("en_US");
  const Currency amount = Amount(12.3456);
  EXPECT_EQ(SalesTaxFor("CA", amount, us).Count(), 9876);
  EXPECT_EQ(SalesTaxFor("cA", amount, us).Count(), 9876);
  for (const char* state : {"NY", "CA ", " CA", "Calif", "", "C A", "ÇA"}) {
    EXPECT_EQ(SalesTaxFor(state, amount, us), Currency()) << state;
  }
  EXPECT_EQ(SalesTaxFor("ca", Amount(-100), us), Amount(-8));
}

TEST(OrderLedgerTest, ShippingTiersHaveExactBoundaries) {
  struct Row {
    double weight;
    double charge;
  };
  for (const Row& r : {Row{0, 0}, Row{-4, -1}, Row{0.0001, 1.0}, Row{4, 2}, Row{9.9999, 3.5},
                       Row{10, 5.5}, Row{100, 28}, Row{100.0001, 30}, Row{200, 55}}) {
    EXPECT_EQ(ShippingCharge(Amount(r.weight)), Amount(r.charge)) << r.weight;
  }
}

TEST(OrderLedgerTest, AddItemIsAllOrNothing) {
  const Currency huge = Currency::FromCount(INT64_MAX / 2);
  OrderLedger ledger;
  ledger.AddItem(1, Amount(1), huge);
  ledger.AddItem(1, Amount(1), huge);  // amount is now just below the top
  const OrderTotals before = ledger.Totals();
  // The amount would overflow at the sum, and the weight at the product: neither total moves.
  EXPECT_THROW(ledger.AddItem(1, Amount(1), Amount(1)), Overflow);
  EXPECT_THROW(ledger.AddItem(2, huge, Amount(0)), Overflow);
  EXPECT_EQ(ledger.Totals().mcurAmountDue, before.mcurAmountDue);
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, before.mcurTotalWeight);

  // Here only the weight total would overflow, after the amount total was already formed.
  OrderLedger heavy;
  heavy.AddItem(1, Currency::FromCount(INT64_MAX), Amount(1));
  EXPECT_THROW(heavy.AddItem(1, Currency::FromCount(1), Amount(5)), Overflow);
  EXPECT_EQ(heavy.Totals().mcurAmountDue, Amount(1));
  EXPECT_EQ(heavy.Totals().mcurTotalWeight.Count(), INT64_MAX);
}

TEST(OrderLedgerTest, NegativeItemsLowerTheTotalsAndResetEmptiesThem) {
  OrderLedger ledger;
  ledger.AddItem(3, Amount(2), Amount(4.5));
  ledger.AddItem(-1, Amount(2), Amount(4.5));
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Amount(9));
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Amount(4));
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
