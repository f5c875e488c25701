#pragma once

#include <QLibrary>
#include <QString>

#include "window/FormPrinter.h"

class QWidget;

namespace window {

/// Print Form's module, loaded the first time the form is printed, so that Qt PrintSupport
/// and the print system's library are loaded only in the sessions that print.
class PrintModule {
 public:
  /// The module installed with the program, found from the program's own folder.
  PrintModule();
  /// The module at `path`; a relative path is taken from the program's folder.
  explicit PrintModule(const QString& path);

  /// PrintOnDefaultPrinter through the module. A module that cannot be loaded is a print
  /// failure like any other: Failed.
  PrintResult Print(QWidget& form, const QString& jobTitle);

 private:
  QLibrary library_;
  decltype(&QuistralPrintForm) print_ = nullptr;
};

}  // namespace window
