#include "window/frmMail.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <utility>

#include "order/OrderCommands.h"
#include "order/Overflow.h"
#include "window/FormBuilder.h"
#include "window/ModalRunner.h"

namespace window {
namespace {

using order::OrderField;
using order::SummaryLabel;

/// The control the form table made under that name. A missing one is a fault in the table,
/// found by the first run of any test.
template <typename T>
T* Control(const QObject& form, const char* name) {
  T* control = form.findChild<T*>(QString::fromUtf8(name));
  if (control == nullptr) qFatal("frmMail: no control named %s", name);
  return control;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

frmMail::frmMail(ModalRunner& modals, LocaleSource locale, QWidget* parent)
    : QMainWindow(parent), modals_(modals), locale_(std::move(locale)) {
  setObjectName(QStringLiteral("frmMail"));
  setWindowTitle(QStringLiteral("Quistral"));
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  BuildForm(*client, *menuBar(), client->logicalDpiY());
  // The client area has its designed size; the window is what the menu bar adds to it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  txtName = Control<QLineEdit>(*this, "txtName");
  txtStreet = Control<QLineEdit>(*this, "txtStreet");
  txtCity = Control<QLineEdit>(*this, "txtCity");
  txtState = Control<QLineEdit>(*this, "txtState");
  txtZip = Control<QLineEdit>(*this, "txtZip");
  txtDescription = Control<QLineEdit>(*this, "txtDescription");
  txtQuantity = Control<QLineEdit>(*this, "txtQuantity");
  txtWeight = Control<QLineEdit>(*this, "txtWeight");
  txtPrice = Control<QLineEdit>(*this, "txtPrice");
  lblAmountDue = Control<QLabel>(*this, "lblAmountDue");
  lblSalesTax = Control<QLabel>(*this, "lblSalesTax");
  lblShipping = Control<QLabel>(*this, "lblShipping");
  lblFinalTotal = Control<QLabel>(*this, "lblFinalTotal");
  mnuFile = Control<QMenu>(*this, "mnuFile");
  mnuFilePrint = Control<QAction>(*this, "mnuFilePrint");
  mnuFileSummary = Control<QAction>(*this, "mnuFileSummary");
  mnuFileExit = Control<QAction>(*this, "mnuFileExit");
  mnuEdit = Control<QMenu>(*this, "mnuEdit");
  mnuEditNext = Control<QAction>(*this, "mnuEditNext");
  mnuEditNextOrder = Control<QAction>(*this, "mnuEditNextOrder");
  mnuEditFont = Control<QAction>(*this, "mnuEditFont");
  mnuEditColor = Control<QAction>(*this, "mnuEditColor");
  mnuHelp = Control<QMenu>(*this, "mnuHelp");
  mnuHelpAbout = Control<QAction>(*this, "mnuHelpAbout");

  connect(mnuFileSummary, &QAction::triggered, this, &frmMail::mnuFileSummaryClick);
  connect(mnuEditNext, &QAction::triggered, this, &frmMail::mnuEditNextClick);
  connect(mnuEditNextOrder, &QAction::triggered, this, &frmMail::mnuEditNextOrderClick);
  // Shown, so the menus read as they will, but greyed until they have something to do.
  for (QAction* later : {mnuFilePrint, mnuFileExit, mnuEditFont, mnuEditColor, mnuHelpAbout}) {
    later->setEnabled(false);
  }

  txtName->setFocus();
}

frmMail::~frmMail() = default;

void frmMail::mnuFileSummaryClick() {
  RunOrderCommand([this] { order::mnuFileSummary(*this, ledger_, locale_()); });
}

void frmMail::mnuEditNextClick() {
  RunOrderCommand([this] { order::mnuEditNext(*this, ledger_, locale_()); });
}

void frmMail::mnuEditNextOrderClick() {
  RunOrderCommand([this] { order::mnuEditNextOrder(*this, ledger_); });
}

template <typename Command>
void frmMail::RunOrderCommand(Command command) {
  try {
    command();
  } catch (const order::Overflow&) {
    // The commands change nothing before they can fail, so the order on screen is intact.
    ShowMessage(kOverflowPrompt, "Quistral", order::MessageIcon::Exclamation);
  }
}

std::string frmMail::GetText(OrderField field) const {
  return TextBox(field)->text().toStdString();
}

void frmMail::SetText(OrderField field, std::string_view text) {
  TextBox(field)->setText(FromUtf8(text));
}

void frmMail::SetCaption(SummaryLabel label, std::string_view text) {
  Figure(label)->setText(FromUtf8(text));
}

void frmMail::SetFocus(OrderField field) {
  QLineEdit* textBox = TextBox(field);
  textBox->setFocus(Qt::OtherFocusReason);
  // A refused entry is selected, so typing replaces it.
  textBox->selectAll();
}

void frmMail::ShowMessage(std::string_view prompt, std::string_view title,
                          order::MessageIcon icon) {
  const QMessageBox::Icon boxIcon =
      icon == order::MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
  QMessageBox box(boxIcon, FromUtf8(title), FromUtf8(prompt), QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("messageBox"));
  modals_.Run(box);
}

QLineEdit* frmMail::TextBox(OrderField field) const {
  switch (field) {
    case OrderField::Name:
      return txtName;
    case OrderField::Street:
      return txtStreet;
    case OrderField::City:
      return txtCity;
    case OrderField::State:
      return txtState;
    case OrderField::Zip:
      return txtZip;
    case OrderField::Description:
      return txtDescription;
    case OrderField::Quantity:
      return txtQuantity;
    case OrderField::Weight:
      return txtWeight;
    case OrderField::Price:
      return txtPrice;
  }
  qFatal("frmMail: unknown order field");
}

QLabel* frmMail::Figure(SummaryLabel label) const {
  switch (label) {
    case SummaryLabel::AmountDue:
      return lblAmountDue;
    case SummaryLabel::SalesTax:
      return lblSalesTax;
    case SummaryLabel::Shipping:
      return lblShipping;
    case SummaryLabel::FinalTotal:
      return lblFinalTotal;
  }
  qFatal("frmMail: unknown summary label");
}

}  // namespace window
