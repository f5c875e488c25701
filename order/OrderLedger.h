#pragma once

#include <cstdint>
#include <string_view>

#include "order/Currency.h"

namespace order {

class LocaleServices;

/// The whole memory of an order: two running totals, no item list.
struct OrderTotals {
  Currency mcurAmountDue;    ///< sum of quantity × price
  Currency mcurTotalWeight;  ///< sum of quantity × weight
};

struct OrderSummary {
  Currency amountDue;
  Currency salesTax;
  Currency shipping;
  Currency totalDue;  ///< (amountDue + salesTax) + shipping
};

/// 8 % of the amount when the state text, upper-cased in the user's LC_CTYPE locale, is
/// exactly "CA" (no trimming); otherwise 0. Throws Overflow.
Currency SalesTaxFor(std::string_view stateText, Currency amount);
Currency SalesTaxFor(std::string_view stateText, Currency amount, const LocaleServices& locale);

/// Base 0, 1, 3 or 5 by weight tier (W ≤ 0, 0 < W < 10, 10 ≤ W ≤ 100, W > 100) plus 0.25 × W.
/// Throws Overflow.
Currency ShippingCharge(Currency totalWeight);

class OrderLedger {
 public:
  /// Adds quantity × price to the amount and quantity × weight to the weight. All or
  /// nothing: when either total would overflow, both stay as they were.
  void AddItem(std::int16_t quantity, Currency weight, Currency price);

  void ResetOrder();

  /// The summary for the current totals; changes nothing. Throws Overflow.
  OrderSummary ComputeSummary(std::string_view stateText) const;
  OrderSummary ComputeSummary(std::string_view stateText, const LocaleServices& locale) const;

  const OrderTotals& Totals() const { return totals_; }

 private:
  OrderTotals totals_;
};

}  // namespace order
