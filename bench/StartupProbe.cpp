#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include "ShowAndSignal.h"
#include "app/EnvironmentLocale.h"
#include "app/PlatformStart.h"
#include "order/LocaleServices.h"
#include "window/ModalRunner.h"
#include "window/frmMail.h"

// Starts the order form as the program's main does, and signals once it is on screen.
int main(int argc, char* argv[]) {
  app::PlatformStart start;
  QApplication application(argc, argv);
  start.Started();
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quistral.Quistral"));
  QTranslator qtTranslations;
  if (app::LoadQtTranslations(qtTranslations, QLocale::system())) {
    QCoreApplication::installTranslator(&qtTranslations);
  }
  window::ExecModalRunner modals;
  window::frmMail form(modals, app::EnvironmentLocaleOnFirstUse());
  return ShowAndSignal(form);
}
