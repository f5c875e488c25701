#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/PrintModule.h"
#include "window/frmMail.h"

// Prints the order form three times in one process and reports how long each Print Form
// took, from the menu command to the job in the queue (the first loads the print module and
// the print system's library), and then how long the window's own thread is busy in one:
// drawing the page's image. The rest is the worker's, while the window goes on.
// Run it against a print server with a default printer (tests/print/with-private-cups.sh).
namespace {

/// A message box here means the print failed: there is nothing to time.
class NoModals final : public window::ModalRunner {
 public:
  int Run(QDialog&) override {
    std::fputs("Print Form showed a message: is there a default printer?\n", stderr);
    std::exit(1);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  NoModals modals;
  const order::LocaleServices locale("en_US");
  window::frmMail form(modals, [&locale]() -> const order::LocaleServices& { return locale; });
  form.show();
  QCoreApplication::processEvents();
  auto* print = form.findChild<QAction*>(QStringLiteral("mnuFilePrint"));
  for (int i = 0; i < 3; ++i) {
    QElapsedTimer timer;
    timer.start();
    print->trigger();
    std::printf("%s%.1f", i == 0 ? "" : " ", static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  QElapsedTimer drawing;
  drawing.start();
  const QImage page = window::PrintModule::PageImage(*form.centralWidget());
  std::printf(" ms; drawing the page on the window's thread %.1f ms\n",
              static_cast<double>(drawing.nsecsElapsed()) / 1e6);
  return page.isNull() ? 1 : 0;
}
