#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "order/OrderFormView.h"

namespace order::testing {

/// An OrderFormView that keeps texts in arrays and logs every change, so tests can check
/// both the end state and the order of the steps.
class FakeOrderFormView : public OrderFormView {
 public:
  struct Message {
    std::string prompt;
    std::string title;
    MessageIcon icon;
  };

  std::string GetText(OrderField field) const override { return fields[Index(field)]; }
  void SetText(OrderField field, std::string_view text) override {
    fields[Index(field)] = text;
    if (logging) log.push_back("text " + std::to_string(Index(field)));
  }
  void SetCaption(SummaryLabel label, std::string_view text) override {
    captions[Index(label)] = text;
    if (logging) log.push_back("caption " + std::to_string(Index(label)));
  }
  void SetFocus(OrderField field) override { focus = field; }
  void ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) override {
    messages.push_back({std::string(prompt), std::string(title), icon});
  }

  std::string& operator[](OrderField field) { return fields[Index(field)]; }
  const std::string& Caption(SummaryLabel label) const { return captions[Index(label)]; }

  std::array<std::string, 9> fields;
  std::array<std::string, 4> captions;
  OrderField focus = OrderField::Name;
  std::vector<Message> messages;
  bool logging = false;
  std::vector<std::string> log;

 private:
  template <typename E>
  static std::size_t Index(E e) {
    return static_cast<std::size_t>(e);
  }
};

}  // namespace order::testing
