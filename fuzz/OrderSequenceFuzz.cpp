#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FakeOrderFormView.h"
#include "WideMoney.h"
#include "order/Currency.h"
#include "order/LocaleServices.h"
#include "order/NumericText.h"
#include "order/OrderCommands.h"
#include "order/OrderLedger.h"
#include "order/Overflow.h"

// Random sessions at the order form: field edits and the three commands in any order. After
// every step the ledger and the form are checked against an independent model that keeps
// the accepted items' totals in 128-bit integers, where nothing can overflow.
namespace {

using order::OrderField;
using order::SummaryLabel;
using order::testing::FitsCount;
using order::testing::RoundedProduct;
using order::testing::Wide;
using View = order::testing::FakeOrderFormView;

constexpr Wide kScale = order::Currency::kScale;

void Require(bool promise, const char* what) {
  if (!promise) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

/// Upper-casing can make "CA" only from these four spellings.
bool IsCalifornia(std::string_view state) {
  return state == "CA" || state == "ca" || state == "Ca" || state == "cA";
}

/// Reads the session's bytes: an edit's text, a step's kind.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  [[nodiscard]] bool Empty() const { return pos_ >= size_; }
  std::uint8_t Next() { return Empty() ? 0 : data_[pos_++]; }
  std::string Text() {
    const std::size_t wanted = Next() % 24;
    const std::size_t length = std::min(wanted, size_ - std::min(pos_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
    pos_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

/// A few texts worth typing, so short inputs still reach the ledger and its limits.
std::string Typical(std::uint8_t choice) {
  static constexpr std::array<std::string_view, 16> kTexts{
      "1",     "2",      "-3",    "0.5", "10", "100",  "1e3",  "&HFF",
      "32767", "-32768", "32768", "ca",  "CA", "1e14", "9e14", "4.5"};
  return std::string(kTexts[choice % kTexts.size()]);
}

constexpr std::array<OrderField, 9> kFields{
    OrderField::Name,     OrderField::Street, OrderField::City,
    OrderField::State,    OrderField::Zip,    OrderField::Description,
    OrderField::Quantity, OrderField::Weight, OrderField::Price};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const order::LocaleServices us("en_US");
  static const order::LocaleServices german("de_DE");
  Bytes bytes(data, size);
  const order::LocaleServices& locale = bytes.Next() % 2 == 0 ? us : german;

  View view;
  order::OrderLedger ledger;
  Wide amount = 0;
  Wide weight = 0;

  for (int step = 0; step < 64 && !bytes.Empty(); ++step) {
    const std::uint8_t kind = bytes.Next();
    const View before = view;
    switch (kind % 8) {
      case 0:
      case 1:
      case 2: {  // an edit of one field, with typed or typical text
        const OrderField field = kFields[bytes.Next() % kFields.size()];
        view[field] = kind % 8 == 2 ? Typical(bytes.Next()) : bytes.Text();
        break;
      }
      case 3:
      case 4: {  // Next Item
        const bool acceptable =
            order::IsAcceptableNumber(view[OrderField::Quantity], locale.Symbols()) &&
            order::IsAcceptableNumber(view[OrderField::Weight], locale.Symbols()) &&
            order::IsAcceptableNumber(view[OrderField::Price], locale.Symbols());
        bool overflowed = false;
        try {
          order::mnuEditNext(view, ledger, locale);
        } catch (const order::Overflow&) {
          overflowed = true;
        }
        if (!acceptable) {
          Require(!overflowed && view.messages.size() == before.messages.size() + 1,
                  "a refused item is named in one message");
          Require(view.fields == before.fields, "a refused item changes no field");
        } else if (overflowed) {
          Require(view.fields == before.fields && view.messages.size() == before.messages.size(),
                  "an item that overflows changes no field and shows nothing");
        } else {
          const order::NumberSymbols& symbols = locale.Symbols();
          const Wide quantity = order::QuantityFromText(before.fields[6], symbols);
          const Wide itemWeight =
              quantity * order::CurrencyFromText(before.fields[7], symbols).Count();
          const Wide itemAmount =
              quantity * order::CurrencyFromText(before.fields[8], symbols).Count();
          Require(FitsCount(amount + itemAmount) && FitsCount(weight + itemWeight) &&
                      FitsCount(itemAmount) && FitsCount(itemWeight),
                  "an item is taken only when its totals fit");
          amount += itemAmount;
          weight += itemWeight;
          for (std::size_t i = 5; i < 9; ++i)
            Require(view.fields[i].empty(), "item fields cleared");
          Require(view.focus == OrderField::Description, "the focus goes to Description");
        }
        break;
      }
      case 5:
      case 6: {  // Summary
        bool overflowed = false;
        try {
          order::mnuFileSummary(view, ledger, locale);
        } catch (const order::Overflow&) {
          overflowed = true;
        }
        const Wide tax = IsCalifornia(view[OrderField::State]) ? RoundedProduct(amount, 800) : 0;
        const Wide tiers = weight <= 0              ? 0
                           : weight < 10 * kScale   ? 1
                           : weight <= 100 * kScale ? 3
                                                    : 5;
        const Wide shipping = tiers * kScale + RoundedProduct(weight, 2500);
        const Wide subtotal = amount + tax;
        const Wide total = subtotal + shipping;
        const bool fits = FitsCount(subtotal) && FitsCount(shipping) && FitsCount(total);
        Require(overflowed == !fits, "Summary overflows exactly when a figure leaves the range");
        if (overflowed) {
          Require(view.captions == before.captions, "an overflowing Summary writes no figure");
        } else {
          const auto format = [&](Wide count) {
            return locale.FormatCurrency(
                order::Currency::FromCount(static_cast<std::int64_t>(count)));
          };
          Require(view.Caption(SummaryLabel::AmountDue) == format(amount), "amount due");
          Require(view.Caption(SummaryLabel::SalesTax) == format(tax), "sales tax");
          Require(view.Caption(SummaryLabel::Shipping) == format(shipping), "shipping");
          Require(view.Caption(SummaryLabel::FinalTotal) == format(total), "total");
        }
        Require(view.fields == before.fields, "Summary changes no field");
        break;
      }
      default: {  // Next Order
        order::mnuEditNextOrder(view, ledger);
        amount = 0;
        weight = 0;
        for (const std::string& text : view.fields) Require(text.empty(), "fields cleared");
        for (const std::string& text : view.captions) Require(text.empty(), "figures cleared");
        break;
      }
    }
    Require(ledger.Totals().mcurAmountDue.Count() == amount, "the amount is the items' sum");
    Require(ledger.Totals().mcurTotalWeight.Count() == weight, "the weight is the items' sum");
  }
  return 0;
}
