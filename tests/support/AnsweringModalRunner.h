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
  };

  /// The next dialogs' answers, in order; a dialog with none left is answered with Return.
  std::deque<std::function<void(QDialog&)>> answers;
  std::vector<Shown> shown;

  int Run(QDialog& dialog) override {
    dialog.open();
    Shown seen{dialog.windowTitle(), {}, {}, {}, dialog.parentWidget(), dialog.isVisible(),
               dialog.isModal()};
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
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
  }
};

}  // namespace window::testing
