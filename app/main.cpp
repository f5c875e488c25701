#include <QApplication>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <iostream>

#include "app/DesktopSession.h"
#include "app/EnvironmentLocale.h"
#include "app/PlatformStart.h"
#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/frmMail.h"

int main(int argc, char* argv[]) {
  if (const auto missing = app::MissingDesktopSession(&std::getenv)) {
    std::cerr << *missing << '\n';
    return EXIT_FAILURE;
  }
  app::PlatformStart start;
  QApplication application(argc, argv);
  start.Started();
  // Lets a Wayland desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUISTRAL_APP_ID));
  // Qt's dialogs in the user's language; the program's own texts stay as they are.
  QTranslator qtTranslations;
  if (app::LoadQtTranslations(qtTranslations, QLocale::system())) {
    QCoreApplication::installTranslator(&qtTranslations);
  }
  window::ExecModalRunner modals;
  window::frmMail form(modals, app::EnvironmentLocaleOnFirstUse());
  form.show();
  return QApplication::exec();
}
