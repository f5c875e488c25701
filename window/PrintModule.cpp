#include "window/PrintModule.h"

#include <QCoreApplication>
#include <QDir>

namespace window {

PrintModule::PrintModule() : PrintModule(QStringLiteral(QUISTRAL_PRINT_MODULE)) {}

PrintModule::PrintModule(const QString& path)
    : library_(QDir(QCoreApplication::applicationDirPath()).filePath(path)) {}

PrintResult PrintModule::Print(QWidget& form, const QString& jobTitle) {
  if (print_ == nullptr) {
    print_ = reinterpret_cast<decltype(print_)>(library_.resolve(kPrintFormSymbol));
    if (print_ == nullptr) return PrintResult::Failed;
  }
  return static_cast<PrintResult>(print_(form, jobTitle));
}

}  // namespace window
