#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QWidget>

/// Uses the order form as a person does: keys go to whatever has the focus, fields are
/// reached with their access keys, and menu entries are chosen with their letters.
namespace window::testing {

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
}

inline void Type(const QString& text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), text); }

/// Alt+letter on a caption, then the text over whatever the field held.
inline void Fill(Qt::Key accessKey, const QString& text) {
  Press(accessKey, Qt::AltModifier);
  Press(Qt::Key_A, Qt::ControlModifier);
  Type(text);
}

/// Ends the test at a step that failed, as QVERIFY does: the step has recorded why. Each
/// step returns whether it did what it should, and the compiler insists it is looked at.
#define USER_STEP(step)  \
  do {                   \
    if (!(step)) return; \
  } while (false)

/// Opens a menu with Alt+letter and chooses an entry with its letter.
[[nodiscard]] inline bool Choose(Qt::Key menuKey, Qt::Key entryKey) {
  Press(menuKey, Qt::AltModifier);
  if (!QTest::qVerify(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr, "menu",
                      "the menu did not open", __FILE__, __LINE__)) {
    return false;
  }
  Press(entryKey);
  // A dialog the command opened may have failed the test already, through its answer.
  if (QTest::currentTestFailed()) return false;
  return QTest::qVerify(QApplication::activePopupWidget() == nullptr, "entry",
                        "the menu stayed open: no entry has that letter", __FILE__, __LINE__);
}

[[nodiscard]] inline bool Item(const QString& description, const QString& quantity,
                               const QString& weight, const QString& price) {
  Fill(Qt::Key_D, description);
  Fill(Qt::Key_Q, quantity);
  Fill(Qt::Key_W, weight);
  Fill(Qt::Key_R, price);
  return Choose(Qt::Key_E, Qt::Key_N);
}

[[nodiscard]] inline bool Summary() { return Choose(Qt::Key_F, Qt::Key_S); }
[[nodiscard]] inline bool NextOrder() { return Choose(Qt::Key_E, Qt::Key_O); }
[[nodiscard]] inline bool PrintForm() { return Choose(Qt::Key_F, Qt::Key_P); }

inline QString Focused() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QString();
}

/// Reads the form's fields and figures by their names.
class FormReader {
 public:
  explicit FormReader(const QWidget& form) : form_(form) {}

  QString Text(const char* name) const { return form_.findChild<QLineEdit*>(name)->text(); }
  /// The summary figures in the order they are restyled, the reference first.
  QList<QLabel*> FigureLabels() const {
    return {form_.findChild<QLabel*>("lblAmountDue"), form_.findChild<QLabel*>("lblSalesTax"),
            form_.findChild<QLabel*>("lblShipping"), form_.findChild<QLabel*>("lblFinalTotal")};
  }
  QStringList Figures() const {
    QStringList texts;
    for (const QLabel* figure : FigureLabels()) texts << figure->text();
    return texts;
  }
  QStringList Fields() const {
    QStringList texts;
    for (const char* name : {"txtName", "txtStreet", "txtCity", "txtState", "txtZip",
                             "txtDescription", "txtQuantity", "txtWeight", "txtPrice"}) {
      texts << Text(name);
    }
    return texts;
  }

 private:
  const QWidget& form_;
};

}  // namespace window::testing
