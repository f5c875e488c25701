#include "order/OrderCommands.h"

#include <array>
#include <string>

#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/Overflow.h"

namespace order {
namespace {

constexpr std::string_view kValidationTitle = "Validation Error";

struct ItemCheck {
  OrderField field;
  std::string_view prompt;
};

constexpr std::array<ItemCheck, 3> kItemChecks{{
    {OrderField::Quantity, "Enter a numeric quantity."},
    {OrderField::Weight, "Enter a numeric weight amount."},
    {OrderField::Price, "Enter a numeric price amount."},
}};

}  // namespace

void mnuEditNext(OrderFormView& view, OrderLedger& ledger) {
  mnuEditNext(view, ledger, LocaleServices::ForEnvironment());
}

void mnuEditNext(OrderFormView& view, OrderLedger& ledger, const LocaleServices& locale) {
  for (const ItemCheck& check : kItemChecks) {
    if (!IsAcceptableNumber(view.GetText(check.field), locale.Symbols())) {
      view.ShowMessage(check.prompt, kValidationTitle, MessageIcon::Exclamation);
      view.SetFocus(check.field);
      return;
    }
  }
  const NumberSymbols& symbols = locale.Symbols();
  // A value out of its range is named as a refused one is: the focus goes to its field.
  const auto read = [&view](OrderField field, auto reader) {
    try {
      return reader(view.GetText(field));
    } catch (const Overflow&) {
      view.SetFocus(field);
      throw;
    }
  };
  const std::int16_t quantity = read(OrderField::Quantity, [&](const std::string& text) {
    return QuantityFromText(text, symbols);
  });
  const auto amount = [&](const std::string& text) { return CurrencyFromText(text, symbols); };
  const Currency weight = read(OrderField::Weight, amount);
  const Currency price = read(OrderField::Price, amount);
  ledger.AddItem(quantity, weight, price);
  for (const OrderField field : kItemFields) view.SetText(field, "");
  view.SetFocus(OrderField::Description);
}

void mnuEditNextOrder(OrderFormView& view, OrderLedger& ledger) {
  ledger.ResetOrder();
  for (const OrderField field : kOrderFields) view.SetText(field, "");
  for (const SummaryLabel label : kSummaryLabels) view.SetCaption(label, "");
  view.SetFocus(OrderField::Name);
}

void mnuFileSummary(OrderFormView& view, OrderLedger& ledger) {
  mnuFileSummary(view, ledger, LocaleServices::ForEnvironment());
}

void mnuFileSummary(OrderFormView& view, OrderLedger& ledger, const LocaleServices& locale) {
  const OrderSummary summary = ledger.ComputeSummary(view.GetText(OrderField::State), locale);
  // Formatted before any is written, so a failure leaves all four figures as they were.
  const std::string amountDue = locale.FormatCurrency(summary.amountDue);
  const std::string shipping = locale.FormatCurrency(summary.shipping);
  const std::string salesTax = locale.FormatCurrency(summary.salesTax);
  const std::string totalDue = locale.FormatCurrency(summary.totalDue);
  view.SetCaption(SummaryLabel::AmountDue, amountDue);
  view.SetCaption(SummaryLabel::Shipping, shipping);
  view.SetCaption(SummaryLabel::SalesTax, salesTax);
  view.SetCaption(SummaryLabel::FinalTotal, totalDue);
  view.SetFocus(OrderField::Description);
}

}  // namespace order
