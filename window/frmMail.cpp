#include "window/frmMail.h"

#include <QAction>
#include <QIcon>
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
#include "window/FormPrinter.h"
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
    : QMainWindow(parent), modals_(modals), locale_(std::move(locale)), dlgCommon_(modals) {
  setObjectName(QStringLiteral("frmMail"));
  setWindowTitle(QStringLiteral("Quistral"));
  // The same drawing the desktop's menu shows; the window's dialogs take it from here.
  setWindowIcon(QIcon(QStringLiteral(":/icons/org.quistral.Quistral.svg")));
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

  connect(mnuFilePrint, &QAction::triggered, this, &frmMail::mnuFilePrintClick);
  connect(mnuFileSummary, &QAction::triggered, this, &frmMail::mnuFileSummaryClick);
  connect(mnuFileExit, &QAction::triggered, this, &frmMail::mnuFileExitClick);
  connect(mnuEditNext, &QAction::triggered, this, &frmMail::mnuEditNextClick);
  connect(mnuEditNextOrder, &QAction::triggered, this, &frmMail::mnuEditNextOrderClick);
  connect(mnuEditFont, &QAction::triggered, this, &frmMail::mnuEditFontClick);
  connect(mnuEditColor, &QAction::triggered, this, &frmMail::mnuEditColorClick);
  connect(mnuHelpAbout, &QAction::triggered, this, &frmMail::mnuHelpAboutClick);

  txtName->setFocus();
}

frmMail::~frmMail() = default;

void frmMail::mnuFilePrintClick() {
  switch (PrintOnDefaultPrinter(*centralWidget(), windowTitle())) {
    case PrintResult::Queued:
      return;
    case PrintResult::NoPrinter:
      ShowMessage(kNoPrinterPrompt, "Quistral", order::MessageIcon::Exclamation);
      return;
    case PrintResult::Failed:
      ShowMessage(kPrintFailedPrompt, "Quistral", order::MessageIcon::Exclamation);
      return;
  }
}

void frmMail::mnuFileSummaryClick() {
  RunOrderCommand([this] { order::mnuFileSummary(*this, ledger_, locale_()); });
}

void frmMail::mnuFileExitClick() {
  // The last window closing ends the program; the order on screen goes with it.
  close();
}

void frmMail::mnuEditNextClick() {
  RunOrderCommand([this] { order::mnuEditNext(*this, ledger_, locale_()); });
}

void frmMail::mnuEditNextOrderClick() {
  RunOrderCommand([this] { order::mnuEditNextOrder(*this, ledger_); });
}

void frmMail::mnuEditFontClick() {
  const QFont reference = lblAmountDue->font();
  dlgCommon_.SetFontName(reference.family());
  dlgCommon_.SetFontBold(reference.bold());
  dlgCommon_.SetFontItalic(reference.italic());
  dlgCommon_.SetFontSize(static_cast<float>(reference.pointSizeF()));
  dlgCommon_.SetFlags(dlgCommon::kScreenFonts);
  dlgCommon_.ShowFont(*this);
  // Only these four attributes travel; each label keeps its underline and strike-out.
  for (QLabel* figure : Figures()) {
    QFont font = figure->font();
    font.setFamily(dlgCommon_.FontName());
    font.setBold(dlgCommon_.FontBold());
    font.setItalic(dlgCommon_.FontItalic());
    font.setPointSizeF(dlgCommon_.FontSize());
    figure->setFont(font);
  }
}

void frmMail::mnuEditColorClick() {
  dlgCommon_.SetFlags(dlgCommon::kInitialColor);
  dlgCommon_.SetColor(lblAmountDue->palette().color(lblAmountDue->foregroundRole()).rgba());
  dlgCommon_.ShowColor(*this);
  for (QLabel* figure : Figures()) {
    QPalette palette = figure->palette();
    palette.setColor(figure->foregroundRole(), QColor::fromRgba(dlgCommon_.Color()));
    figure->setPalette(palette);
  }
}

void frmMail::mnuHelpAboutClick() {
  ShowMessage("Programmed by Velloran", "About My Program", order::MessageIcon::None);
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

std::array<QLabel*, 4> frmMail::Figures() const {
  return {lblAmountDue, lblSalesTax, lblShipping, lblFinalTotal};
}

}  // namespace window
