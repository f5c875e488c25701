#include "window/ModalRunner.h"

#include <QDialog>

namespace window {

int ExecModalRunner::Run(QDialog& dialog) { return dialog.exec(); }

}  // namespace window
