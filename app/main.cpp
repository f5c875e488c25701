#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/DesktopSession.h"
#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/frmMail.h"

int main(int argc, char* argv[]) {
  if (const auto missing = app::MissingDesktopSession(&std::getenv)) {
    std::cerr << *missing << '\n';
    return EXIT_FAILURE;
  }
  QApplication application(argc, argv);
  // Lets a Wayland desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUISTRAL_APP_ID));
  window::ExecModalRunner modals;
  window::frmMail form(modals, &order::LocaleServices::ForEnvironment);
  form.show();
  return QApplication::exec();
}
