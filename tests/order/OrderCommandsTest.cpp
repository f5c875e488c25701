#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeOrderFormView.h"
#include "ScopedEnvironment.h"
#include "order/LocaleServices.h"
#include "order/OrderCommands.h"
#include "order/Overflow.h"

namespace order {
namespace {

using testing::FakeOrderFormView;

class OrderCommandsTest : public ::testing::Test {
 protected:
  void Item(const char* description, const char* quantity, const char* weight, const char* price) {
    view[OrderField::Description] = description;
    view[OrderField::Quantity] = quantity;
    view[OrderField::Weight] = weight;
    view[OrderField::Price] = price;
  }

  std::vector<std::string> Captions() const { return {view.captions.begin(), view.captions.end()}; }

  const LocaleServices us{"en_US"};
  FakeOrderFormView view;
  OrderLedger ledger;
};

TEST_F(OrderCommandsTest, ValidationReportsTheFirstUnacceptableFieldAndChangesNothing) {
  struct Row {
    const char *quantity, *weight, *price;
    const char* prompt;
    OrderField focus;
  };
  for (const Row& r : {
           Row{"", "", "", "Enter a numeric quantity.", OrderField::Quantity},
           Row{"2", "abc", "x", "Enter a numeric weight amount.", OrderField::Weight},
           Row{"2", "1", "", "Enter a numeric price amount.", OrderField::Price},
           Row{"   ", "1", "1", "Enter a numeric quantity.", OrderField::Quantity},
           Row{"1", "1", "1,000", "Enter a numeric price amount.", OrderField::Price},
           Row{"1", "1", "$12.50", "Enter a numeric price amount.", OrderField::Price},
           Row{"1", "1e", "1", "Enter a numeric weight amount.", OrderField::Weight},
       }) {
    FakeOrderFormView fresh;
    view = fresh;
    Item("widget", r.quantity, r.weight, r.price);
    mnuEditNext(view, ledger, us);
    ASSERT_EQ(view.messages.size(), 1u) << r.quantity << '|' << r.weight << '|' << r.price;
    EXPECT_EQ(view.messages[0].prompt, r.prompt);
    EXPECT_EQ(view.messages[0].title, "Validation Error");
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(view.focus, r.focus);
    EXPECT_EQ(view[OrderField::Description], "widget");
    EXPECT_EQ(view[OrderField::Price], r.price);
    EXPECT_EQ(ledger.Totals().mcurAmountDue, Currency());
  }
}

TEST_F(OrderCommandsTest, GermanUserIsChargedWhatTheyMeantOrAskedAgain) {
  const LocaleServices german("de_DE");
  // 1.000 means a thousand there, and 1.000,5 more; neither is guessed at.
  for (const char* price : {"1.000", "1.000,5"}) {
    FakeOrderFormView fresh;
    view = fresh;
    Item("", "1", "1", price);
    mnuEditNext(view, ledger, german);
    ASSERT_EQ(view.messages.size(), 1u) << price;
    EXPECT_EQ(view.messages[0].prompt, "Enter a numeric price amount.");
  }
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Currency());
  Item("", "2", "0,5", "12,50");
  mnuEditNext(view, ledger, german);
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Currency::FromCount(250'000));
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Currency::FromCount(10'000));
}

TEST_F(OrderCommandsTest, AcceptedItemIsAddedAndItsFieldsCleared) {
  view[OrderField::Name] = "Ada";
  Item("", "3", "2", "4.5");
  view.logging = true;
  mnuEditNext(view, ledger, us);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(ledger.Totals().mcurAmountDue, Currency::FromCount(135'000));
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Currency::FromInteger(6));
  EXPECT_EQ(view.log, (std::vector<std::string>{"text 5", "text 6", "text 7", "text 8"}));
  EXPECT_EQ(view.focus, OrderField::Description);
  EXPECT_EQ(view[OrderField::Name], "Ada");
  EXPECT_EQ(view[OrderField::Quantity], "");
}

TEST_F(OrderCommandsTest, WholeOrderThroughSummaryAndNextOrder) {
  view[OrderField::State] = "NY";
  Item("", "1", "1", "1");
  mnuEditNext(view, ledger, us);
  mnuFileSummary(view, ledger, us);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"$1.00", "$0.00", "$1.25", "$2.25"}));

  // Items after a summary leave the figures alone until the next Summary, which reads
  // State afresh.
  Item("", "2.5", "1.5", "10");  // quantity 2
  mnuEditNext(view, ledger, us);
  EXPECT_EQ(view.Caption(SummaryLabel::FinalTotal), "$2.25");
  view[OrderField::State] = "ca";
  view.logging = true;
  mnuFileSummary(view, ledger, us);
  EXPECT_EQ(view.log,
            (std::vector<std::string>{"caption 0", "caption 2", "caption 1", "caption 3"}));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"$21.00", "$1.68", "$2.00", "$24.68"}));
  EXPECT_EQ(view.focus, OrderField::Description);

  view.log.clear();
  mnuEditNextOrder(view, ledger);
  EXPECT_EQ(view.log, (std::vector<std::string>{"text 0", "text 1", "text 2", "text 3", "text 4",
                                                "text 5", "text 6", "text 7", "text 8", "caption 0",
                                                "caption 1", "caption 2", "caption 3"}));
  for (const std::string& text : view.fields) EXPECT_EQ(text, "");
  EXPECT_EQ(Captions(), (std::vector<std::string>(4)));
  EXPECT_EQ(view.focus, OrderField::Name);
  mnuFileSummary(view, ledger, us);
  EXPECT_EQ(Captions(), (std::vector<std::string>(4, "$0.00")));
}

TEST_F(OrderCommandsTest, OverflowLeavesFieldsFiguresAndTotalsAsTheyWere) {
  Item("big", "40000", "1", "1");
  EXPECT_THROW(mnuEditNext(view, ledger, us), Overflow);
  EXPECT_EQ(view[OrderField::Quantity], "40000");
  EXPECT_EQ(view[OrderField::Description], "big");

  Item("big", "1", "1", "900000000000000");
  mnuEditNext(view, ledger, us);
  mnuFileSummary(view, ledger, us);
  const std::vector<std::string> shown = Captions();
  Item("more", "1", "1", "900000000000000");
  EXPECT_THROW(mnuEditNext(view, ledger, us), Overflow);
  EXPECT_EQ(view[OrderField::Description], "more");
  EXPECT_EQ(ledger.Totals().mcurTotalWeight, Currency::FromInteger(1));
  view[OrderField::State] = "CA";
  view.logging = true;
  EXPECT_THROW(mnuFileSummary(view, ledger, us), Overflow);
  EXPECT_TRUE(view.log.empty());
  EXPECT_EQ(Captions(), shown);
}

TEST_F(OrderCommandsTest, PlainSignaturesUseTheUserLocale) {
  const auto unitedStates = testing_support::ScopedEnvironment::UnitedStates();
  Item("", "1", "1", "1,000");
  mnuEditNext(view, ledger);  // refused in en_US
  ASSERT_EQ(view.messages.size(), 1u);
  Item("", "1", "1", "1000");
  mnuEditNext(view, ledger);
  mnuFileSummary(view, ledger);
  EXPECT_EQ(view.Caption(SummaryLabel::AmountDue), "$1,000.00");
}

}  // namespace
}  // namespace order
