#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace order {

/// The nine text fields, in the order Next Order clears them.
enum class OrderField { Name, Street, City, State, Zip, Description, Quantity, Weight, Price };

/// The four summary figures.
enum class SummaryLabel { AmountDue, SalesTax, Shipping, FinalTotal };

enum class MessageIcon { None, Exclamation };

inline constexpr std::array kOrderFields{
    OrderField::Name,     OrderField::Street, OrderField::City,
    OrderField::State,    OrderField::Zip,    OrderField::Description,
    OrderField::Quantity, OrderField::Weight, OrderField::Price};

/// Description, Quantity, Weight and Price: the fields of one item line.
inline constexpr std::span<const OrderField, 4> kItemFields =
    std::span(kOrderFields).subspan<static_cast<std::size_t>(OrderField::Description), 4>();

inline constexpr std::array kSummaryLabels{SummaryLabel::AmountDue, SummaryLabel::SalesTax,
                                           SummaryLabel::Shipping, SummaryLabel::FinalTotal};

/// What the order commands need from a window. Keeping the commands behind this lets the
/// order rules run, and be tested, without one.
class OrderFormView {
 public:
  virtual ~OrderFormView() = default;
  virtual std::string GetText(OrderField field) const = 0;
  virtual void SetText(OrderField field, std::string_view text) = 0;
  virtual void SetCaption(SummaryLabel label, std::string_view text) = 0;
  virtual void SetFocus(OrderField field) = 0;
  /// Modal, a single OK button; returns when the user has dismissed it.
  virtual void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) = 0;
};

}  // namespace order
