#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>

#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/frmMail.h"

// Opens either the order form or a bare QMainWindow of the same size, as the program's
// main does, and writes one byte to standard output once the window is on screen; the
// startup benchmark times the child from its start to that byte.
int main(int argc, char* argv[]) {
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  QApplication application(argc, argv);
  window::ExecModalRunner modals;
  std::unique_ptr<QMainWindow> shown;
  if (bare) {
    shown = std::make_unique<QMainWindow>();
    auto* client = new QWidget(shown.get());
    client->setFixedSize(404, 366);
    shown->setCentralWidget(client);
    shown->menuBar();
  } else {
    shown = std::make_unique<window::frmMail>(modals, &order::LocaleServices::ForEnvironment);
  }
  shown->show();
  if (!QTest::qWaitForWindowExposed(shown.get())) return 2;
  QCoreApplication::processEvents();
  std::fputc('!', stdout);
  std::fflush(stdout);
  return 0;
}
