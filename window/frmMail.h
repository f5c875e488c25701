#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "order/OrderFormView.h"
#include "order/OrderLedger.h"
#include "window/FormBuilder.h"
#include "window/PrintTiming.h"
#include "window/dlgCommon.h"

namespace order {
class LocaleServices;
}

namespace window {

class ModalRunner;
class PrintModule;
class ScreenReaderSupport;
class SummaryFit;

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
  /// `printing` says how long Print Form waits on the print system.
  frmMail(ModalRunner& modals, LocaleSource locale, PrintTiming printing = {},
          QWidget* parent = nullptr);
  ~frmMail() override;

 protected:
  bool event(QEvent* event) override;

 private:
  /// Places the form for the fonts it is shown in: scaled with the desktop's font, within
  /// the screen, keeping what is typed and shown.
  void FollowDesktopFont();

  void mnuFilePrintClick();
  void mnuFileSummaryClick();
  void mnuFileExitClick();
  void mnuEditNextClick();
  void mnuEditNextOrderClick();
  void mnuEditFontClick();
  void mnuEditColorClick();
  void mnuHelpAboutClick();

  /// Runs a menu command's handler; the compiler checks that every command has one.
  void Run(MenuCommand command);

  /// Runs one order command; an Overflow is reported, and the program carries on.
  template <typename Command>
  void RunOrderCommand(Command command);

  /// One of the window's own warnings, with what the print system said below it.
  void ShowWindowMessage(const QString& prompt, const QString& detail = {});

  /// Fits the Summary to its figures, within the screen the window is on.
  void RefitSummary();
  /// The largest client area the screen the window is on holds.
  QSize ClientRoom() const;

  std::string GetText(order::OrderField field) const override;
  void SetText(order::OrderField field, std::string_view text) override;
  void SetCaption(order::SummaryLabel label, std::string_view text) override;
  void SetFocus(order::OrderField field) override;
  void ShowMessage(std::string_view prompt, std::string_view title,
                   order::MessageIcon icon) override;

  ModalRunner& modals_;
  LocaleSource locale_;
  order::OrderLedger ledger_;
  dlgCommon dlgCommon_;
  /// Behind a pointer, so that the module loader stays out of everything that includes
  /// the window.
  std::unique_ptr<PrintModule> printModule_;
  FormWidgets controls_;
  std::unique_ptr<ScreenReaderSupport> screenReader_;
  std::unique_ptr<SummaryFit> summaryFit_;
  /// Set when a command has written a figure, so the Summary is fitted once it is done.
  bool figuresChanged_ = false;
};

}  // namespace window
