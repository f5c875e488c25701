#pragma once

#include <QLibrary>
#include <QString>

#include "window/PrintInterface.h"
#include "window/PrintTiming.h"

class QImage;
class QWidget;

namespace window {

class ModalRunner;

/// What a print came to, with what the message about it needs: the print server's name,
/// or the reason it gave.
struct PrintOutcome {
  PrintResult result;
  QString detail;
};

/// Print Form's module, loaded the first time the form is printed, so that Qt PrintSupport
/// and the print system's library are loaded only in the sessions that print. The print
/// runs on a worker thread: the window's thread never waits on the print system.
class PrintModule {
 public:
  /// The module installed with the program, found from the program's own folder.
  explicit PrintModule(PrintTiming timing = {});
  /// The module at `path`; a relative path is taken from the program's folder.
  PrintModule(const QString& path, PrintTiming timing);

  /// Prints `page` on the default printer and waits for the print system, within the
  /// timing's bound. Meanwhile the window goes on painting and answering, but takes no
  /// input; after the notice delay a "Printing…" notice, owned by `owner` and run through
  /// `modals`, offers Cancel. A module that cannot be loaded is Unavailable, with
  /// the loader's reason on the standard error stream.
  PrintOutcome Print(const QImage& page, const QString& jobTitle, ModalRunner& modals,
                     QWidget& owner);

  /// The form as it looks on screen, drawn again at four times its resolution so that text
  /// is rendered for the paper (about 200 dots per inch across a page) rather than
  /// enlarged from screen pixels.
  static QImage PageImage(QWidget& form);

 private:
  QLibrary library_;
  PrintPageFunction print_ = nullptr;
  PrintTiming timing_;
};

}  // namespace window
