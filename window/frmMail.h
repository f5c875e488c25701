#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "order/OrderFormView.h"
#include "order/OrderLedger.h"
#include "window/dlgCommon.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace order {
class LocaleServices;
}

namespace window {

class ModalRunner;

/// The order form: the one window of the program. It owns the order's ledger, shows the
/// order in its controls and starts every command from its menus; the order rules
/// themselves live in the order library, which reaches the controls through
/// OrderFormView.
class frmMail : public QMainWindow, private order::OrderFormView {
  Q_OBJECT

 public:
  /// Gives the locale services a command reads and formats the order's numbers with.
  /// Asked for only when a command runs, so the locale data is loaded after the window
  /// is on screen rather than before.
  using LocaleSource = std::function<const order::LocaleServices&()>;

  /// `modals` runs every message box the window shows and must outlive it.
  frmMail(ModalRunner& modals, LocaleSource locale, QWidget* parent = nullptr);
  ~frmMail() override;

  /// Shown when a command is stopped by a number out of range; nothing has changed then.
  static constexpr std::string_view kOverflowPrompt =
      "Overflow: a number is too large for this order. Nothing was changed.";
  /// Print Form with no default printer; the order on screen is kept either way.
  static constexpr std::string_view kNoPrinterPrompt =
      "No printer is installed. Add a printer, then choose Print Form again.";
  /// Print Form when the page could not be made or the printer's queue refused it.
  static constexpr std::string_view kPrintFailedPrompt = "The form could not be printed.";

 private:
  void mnuFilePrintClick();
  void mnuFileSummaryClick();
  void mnuFileExitClick();
  void mnuEditNextClick();
  void mnuEditNextOrderClick();
  void mnuEditFontClick();
  void mnuEditColorClick();
  void mnuHelpAboutClick();

  /// Runs one order command; an Overflow is reported, and the program carries on.
  template <typename Command>
  void RunOrderCommand(Command command);

  std::string GetText(order::OrderField field) const override;
  void SetText(order::OrderField field, std::string_view text) override;
  void SetCaption(order::SummaryLabel label, std::string_view text) override;
  void SetFocus(order::OrderField field) override;
  void ShowMessage(std::string_view prompt, std::string_view title,
                   order::MessageIcon icon) override;

  QLineEdit* TextBox(order::OrderField field) const;
  QLabel* Figure(order::SummaryLabel label) const;
  /// The four figures in the order they are restyled, the reference first.
  std::array<QLabel*, 4> Figures() const;

  ModalRunner& modals_;
  LocaleSource locale_;
  order::OrderLedger ledger_;
  dlgCommon dlgCommon_;

  QLineEdit* txtName;
  QLineEdit* txtStreet;
  QLineEdit* txtCity;
  QLineEdit* txtState;
  QLineEdit* txtZip;
  QLineEdit* txtDescription;
  QLineEdit* txtQuantity;
  QLineEdit* txtWeight;
  QLineEdit* txtPrice;
  QLabel* lblAmountDue;
  QLabel* lblSalesTax;
  QLabel* lblShipping;
  QLabel* lblFinalTotal;
  QMenu* mnuFile;
  QAction* mnuFilePrint;
  QAction* mnuFileSummary;
  QAction* mnuFileExit;
  QMenu* mnuEdit;
  QAction* mnuEditNext;
  QAction* mnuEditNextOrder;
  QAction* mnuEditFont;
  QAction* mnuEditColor;
  QMenu* mnuHelp;
  QAction* mnuHelpAbout;
};

}  // namespace window
