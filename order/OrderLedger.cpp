#include "order/OrderLedger.h"

#include "order/LocaleServices.h"

namespace order {
namespace {

constexpr Currency kTaxRate = Currency::FromCount(800);        // 0.08
constexpr Currency kShippingRate = Currency::FromCount(2500);  // 0.25 per unit of weight

}  // namespace

Currency SalesTaxFor(std::string_view stateText, Currency amount) {
  return SalesTaxFor(stateText, amount, LocaleServices::ForEnvironment());
}

Currency SalesTaxFor(std::string_view stateText, Currency amount, const LocaleServices& locale) {
  return locale.UpperCase(stateText) == "CA" ? amount * kTaxRate : Currency();
}

Currency ShippingCharge(Currency totalWeight) {
  // Compared as exact counts, so 10 and 100 fall in the middle tier and 100.0001 above it.
  const Currency ten = Currency::FromInteger(10);
  const Currency hundred = Currency::FromInteger(100);
  Currency base;
  if (totalWeight > Currency() && totalWeight < ten) {
    base = Currency::FromInteger(1);
  } else if (totalWeight >= ten && totalWeight <= hundred) {
    base = Currency::FromInteger(3);
  } else if (totalWeight > hundred) {
    base = Currency::FromInteger(5);
  }
  return base + totalWeight * kShippingRate;
}

void OrderLedger::AddItem(std::int16_t quantity, Currency weight, Currency price) {
  const Currency itemWeight = quantity * weight;
  const Currency itemAmount = quantity * price;
  // Both new totals are formed before either is stored, so an Overflow changes nothing.
  const OrderTotals next{totals_.mcurAmountDue + itemAmount, totals_.mcurTotalWeight + itemWeight};
  totals_ = next;
}

void OrderLedger::ResetOrder() { totals_ = OrderTotals{}; }

OrderSummary OrderLedger::ComputeSummary(std::string_view stateText) const {
  return ComputeSummary(stateText, LocaleServices::ForEnvironment());
}

OrderSummary OrderLedger::ComputeSummary(std::string_view stateText,
                                         const LocaleServices& locale) const {
  const Currency tax = SalesTaxFor(stateText, totals_.mcurAmountDue, locale);
  const Currency subtotal = totals_.mcurAmountDue + tax;
  const Currency shipping = ShippingCharge(totals_.mcurTotalWeight);
  return {totals_.mcurAmountDue, tax, shipping, subtotal + shipping};
}

}  // namespace order
