#include <benchmark/benchmark.h>

#include <string>

#include "FakeOrderFormView.h"
#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/OrderCommands.h"

namespace {

using order::Currency;
using order::OrderField;

void BM_NextItem(benchmark::State& state) {
  order::testing::FakeOrderFormView view;
  order::OrderLedger ledger;
  // Copied from strings rather than assigned from literals: g++ 12 at -O3 takes the
  // literal assignment inlined here for an overlapping copy (a false -Wrestrict).
  const std::string description = "Widget", quantity = "3", weight = "2.25", price = "4.5";
  for (auto _ : state) {
    view[OrderField::Description] = description;
    view[OrderField::Quantity] = quantity;
    view[OrderField::Weight] = weight;
    view[OrderField::Price] = price;
    order::mnuEditNext(view, ledger);
    if (ledger.Totals().mcurAmountDue.Count() > 1'000'000'000'000) ledger.ResetOrder();
  }
}
BENCHMARK(BM_NextItem);

void BM_Summary(benchmark::State& state) {
  order::testing::FakeOrderFormView view;
  order::OrderLedger ledger;
  ledger.AddItem(7, Currency::FromDouble(12.5), Currency::FromDouble(1234.56));
  view[OrderField::State] = "ca";
  for (auto _ : state) {
    order::mnuFileSummary(view, ledger);
    benchmark::DoNotOptimize(view.captions);
  }
}
BENCHMARK(BM_Summary);

void BM_FormatCurrency(benchmark::State& state) {
  const Currency value = Currency::FromCount(12'345'678'901);
  for (auto _ : state) {
    benchmark::DoNotOptimize(order::FormatCurrency(value));
  }
}
BENCHMARK(BM_FormatCurrency);

/// Each text rule over a text of n digits: the complexity fit shows linear growth.
void BM_TextRulesOnLongInput(benchmark::State& state) {
  const std::string text(static_cast<std::size_t>(state.range(0)), '7');
  const order::NumberSymbols symbols;
  for (auto _ : state) {
    benchmark::DoNotOptimize(order::IsAcceptableNumber(text, symbols));
    benchmark::DoNotOptimize(order::ParseLeadingNumber(text));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TextRulesOnLongInput)->RangeMultiplier(8)->Range(64, 1 << 20)->Complexity();

}  // namespace
