#include "window/frmMail.h"

#include <QAccessible>
#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <exception>
#include <utility>

#include "order/OrderCommands.h"
#include "order/Overflow.h"
#include "window/FigureLabel.h"
#include "window/FontFactor.h"
#include "window/ModalRunner.h"
#include "window/PrintModule.h"
#include "window/ScreenReaderSupport.h"
#include "window/SummaryFit.h"
#include "window/WindowMessages.h"

namespace window {
namespace {

using order::MessageIcon;
using order::OrderField;
using order::SummaryLabel;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// Every message box the window shows, owned by the window and run through `modals`.
void ShowMessageBox(ModalRunner& modals, QWidget& owner, QMessageBox::Icon icon,
                    const QString& title, const QString& prompt, const QString& detail) {
  QMessageBox box(icon, title, prompt, QMessageBox::Ok, &owner);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setInformativeText(detail);
  modals.Run(box);
}

}  // namespace

frmMail::frmMail(ModalRunner& modals, LocaleSource locale, PrintTiming printing, QWidget* parent)
    : QMainWindow(parent),
      modals_(modals),
      locale_(std::move(locale)),
      dlgCommon_(modals),
      printModule_(std::make_unique<PrintModule>(printing)) {
  setObjectName(QStringLiteral("frmMail"));
  setWindowTitle(QStringLiteral("Quistral"));
  // The same drawing the desktop's menu shows; the window's dialogs take it from here.
  QIcon icon;
  for (const int size : {QUISTRAL_ICON_SIZES}) {
    icon.addFile(QStringLiteral(":/icons/quistral-%1.png").arg(size), QSize(size, size));
  }
  setWindowIcon(icon);
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  controls_ = BuildForm(*client, *menuBar(), client->logicalDpiY());
  // The client area has its designed size; the window is what the menu bar adds to it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  for (std::size_t command = 0; command < kMenuCommandCount; ++command) {
    connect(controls_.commands.items.at(command), &QAction::triggered, this,
            [this, command] { Run(static_cast<MenuCommand>(command)); });
  }
  screenReader_ = std::make_unique<ScreenReaderSupport>(controls_);
  summaryFit_ = std::make_unique<SummaryFit>(controls_, *client);
  FollowDesktopFont();
  controls_.textBoxes[OrderField::Name]->setFocus();
}

frmMail::~frmMail() = default;

bool frmMail::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  // The desktop's font changed while the program runs: every control has taken it by now.
  if (event->type() == QEvent::ApplicationFontChange) FollowDesktopFont();
  return handled;
}

void frmMail::FollowDesktopFont() {
  QWidget& client = *centralWidget();
  const qreal dotsPerInch = client.logicalDpiY();
  // The largest scale at which the client area still fits the screen.
  const QSize design = TwipsToPixels(kClientArea, dotsPerInch).size();
  const QSize room = ClientRoom();
  const qreal largest =
      std::min(qreal(room.width()) / design.width(), qreal(room.height()) / design.height());
  const qreal factor = std::max<qreal>(1, std::min(FontFactor(controls_, dotsPerInch), largest));
  PlaceForm(controls_, client, dotsPerInch * factor);
  QFont figures = FigureFont();
  figures.setPointSizeF(figures.pointSizeF() * factor);
  summaryFit_->Redesign(figures);
  summaryFit_->Refit(room);
}

void frmMail::Run(MenuCommand command) {
  switch (command) {
    case MenuCommand::PrintForm:
      return mnuFilePrintClick();
    case MenuCommand::Summary:
      return mnuFileSummaryClick();
    case MenuCommand::Exit:
      return mnuFileExitClick();
    case MenuCommand::NextItem:
      return mnuEditNextClick();
    case MenuCommand::NextOrder:
      return mnuEditNextOrderClick();
    case MenuCommand::Font:
      return mnuEditFontClick();
    case MenuCommand::Color:
      return mnuEditColorClick();
    case MenuCommand::About:
      return mnuHelpAboutClick();
  }
}

void frmMail::mnuFilePrintClick() {
  // Drawn here, on the window's thread, as the form is shown; printed on a worker.
  const PrintOutcome outcome =
      printModule_->Print(PrintModule::PageImage(*centralWidget()), windowTitle(), modals_, *this);
  const QString& detail = outcome.detail;
  switch (outcome.result) {
    case PrintResult::Queued:
    case PrintResult::Cancelled:
      return;
    case PrintResult::NoPrinter:
      ShowWindowMessage(FromUtf8(WindowMessages::kNoPrinterPrompt));
      return;
    case PrintResult::Unavailable:
      ShowWindowMessage(FromUtf8(WindowMessages::kPrintUnavailablePrompt));
      return;
    case PrintResult::NotAnswered:
      ShowWindowMessage(FromUtf8(WindowMessages::kNoAnswerPrompt).arg(detail));
      return;
    case PrintResult::Failed:
      ShowWindowMessage(FromUtf8(WindowMessages::kPrintFailedPrompt), detail);
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
  const QFont& chosen = summaryFit_->ChosenFont();
  dlgCommon_.SetFontName(chosen.family());
  dlgCommon_.SetFontBold(chosen.bold());
  dlgCommon_.SetFontItalic(chosen.italic());
  dlgCommon_.SetFontSize(static_cast<float>(chosen.pointSizeF()));
  dlgCommon_.SetFlags(dlgCommon::kScreenFonts);
  dlgCommon_.ShowFont(*this);
  QFont font(dlgCommon_.FontName());
  font.setBold(dlgCommon_.FontBold());
  font.setItalic(dlgCommon_.FontItalic());
  font.setPointSizeF(dlgCommon_.FontSize());
  summaryFit_->SetChosenFont(font);
  RefitSummary();
}

void frmMail::mnuEditColorClick() {
  const QLabel* reference = controls_.figures[SummaryLabel::AmountDue];
  dlgCommon_.SetFlags(dlgCommon::kInitialColor);
  dlgCommon_.SetColor(reference->palette().color(reference->foregroundRole()).rgba());
  dlgCommon_.ShowColor(*this);
  for (QLabel* figure : controls_.figures.items) {
    QPalette palette = figure->palette();
    palette.setColor(figure->foregroundRole(), QColor::fromRgba(dlgCommon_.Color()));
    figure->setPalette(palette);
  }
}

void frmMail::mnuHelpAboutClick() {
  ShowMessage(WindowMessages::kAboutPrompt, WindowMessages::kAboutTitle, MessageIcon::None);
}

template <typename Command>
void frmMail::RunOrderCommand(Command command) {
  try {
    command();
  } catch (const order::Overflow&) {
    // The commands change nothing before they can fail, so the order on screen is intact.
    ShowMessage(WindowMessages::kOverflowPrompt, WindowMessages::kTitle, MessageIcon::Exclamation);
  } catch (const std::exception& failure) {
    // No exception may leave a Qt slot: the program would end, and the order with it.
    ShowWindowMessage(FromUtf8(WindowMessages::kCommandFailedPrompt),
                      QString::fromLocal8Bit(failure.what()));
  }
  // Once for the command's four figures, rather than once for each.
  if (std::exchange(figuresChanged_, false)) RefitSummary();
}

std::string frmMail::GetText(OrderField field) const {
  return controls_.textBoxes[field]->text().toStdString();
}

void frmMail::SetText(OrderField field, std::string_view text) {
  controls_.textBoxes[field]->setText(FromUtf8(text));
}

void frmMail::SetCaption(SummaryLabel label, std::string_view text) {
  controls_.figures[label]->setText(FromUtf8(text));
  figuresChanged_ = true;
}

void frmMail::RefitSummary() { summaryFit_->Refit(ClientRoom()); }

QSize frmMail::ClientRoom() const {
  // What the window adds to its client area: the menu bar, and the frame the window
  // manager draws. Until the window is shown neither is known, so the menu bar's height
  // and a title bar of the style's are allowed for.
  const QSize decoration = isVisible()
                               ? frameGeometry().size() - centralWidget()->size()
                               : QSize(0, menuBar()->sizeHint().height() +
                                              style()->pixelMetric(QStyle::PM_TitleBarHeight));
  return screen()->availableGeometry().size() - decoration;
}

void frmMail::SetFocus(OrderField field) {
  QLineEdit* textBox = controls_.textBoxes[field];
  textBox->setFocus(Qt::OtherFocusReason);
  // A refused entry is selected, so typing replaces it.
  textBox->selectAll();
  // A screen reader does not present a focus change that comes as a menu closes (Orca
  // still tracks the menu when the focus event reaches it), so Next Item's move to
  // Description went unheard. It does present a caret move in a box it is not on.
  if (QAccessible::isActive()) {
    QAccessibleTextCursorEvent moved(textBox, textBox->cursorPosition());
    QAccessible::updateAccessibility(&moved);
  }
}

void frmMail::ShowWindowMessage(const QString& prompt, const QString& detail) {
  ShowMessageBox(modals_, *this, QMessageBox::Warning, FromUtf8(WindowMessages::kTitle), prompt,
                 detail);
}

void frmMail::ShowMessage(std::string_view prompt, std::string_view title, MessageIcon icon) {
  ShowMessageBox(modals_, *this,
                 icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                 FromUtf8(title), FromUtf8(prompt), {});
}

}  // namespace window
