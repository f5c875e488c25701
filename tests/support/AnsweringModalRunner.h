#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <deque>
#include <functional>

#include "window/ModalRunner.h"

namespace window::testing {

/// Answers the window's modal dialogs from the test, through the keyboard, and keeps what
/// each one showed. The dialog is shown for real (open()), so it is what a user would see.
class AnsweringModalRunner : public ModalRunner {
 public:
  struct Shown {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QPointer<QWidget> owner;
    bool visible = false;
    bool modal = false;
    bool active = false;
  };

  /// The next dialogs' answers, in order; a dialog with none left is answered with Return.
  std::deque<std::function<void(QDialog&)>> answers;
  std::vector<Shown> shown;

  int Run(QDialog& dialog) override {
    dialog.open();
    // As on a desktop, keys go to the dialog once it is up.
    const bool active = QTest::qWaitForWindowActive(&dialog);
    Shown seen{dialog.windowTitle(), {},    {}, {}, dialog.parentWidget(), dialog.isVisible(),
               dialog.isModal(),     active};
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
      seen.text = box->text();
      seen.icon = box->icon();
      seen.buttons = box->standardButtons();
    }
    shown.push_back(seen);
    if (answers.empty()) {
      QTest::keyClick(&dialog, Qt::Key_Return);
    } else {
      answers.front()(dialog);
      answers.pop_front();
    }
    // An answer that leaves the dialog up is a key the dialog ignored: the test fails, and
    // the dialog is closed so that the test can end.
    if (dialog.isVisible()) {
      QTest::qFail(qPrintable("the answer left \"" + dialog.windowTitle() + "\" open"), __FILE__,
                   __LINE__);
      dialog.reject();
    }
    // And back to the window once it has gone, as a desktop's window manager does, before
    // the test types on.
    if (QWidget* owner = dialog.parentWidget()) {
      owner->window()->activateWindow();
      if (!QTest::qWaitForWindowActive(owner->window())) qWarning("the owner did not come back");
    }
    return dialog.result();
  }
};

}  // namespace window::testing
