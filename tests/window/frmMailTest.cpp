#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "AnsweringModalRunner.h"
#include "order/LocaleServices.h"
#include "window/FigureLabel.h"
#include "window/frmMail.h"

namespace window {

using testing::AnsweringModalRunner;

/// Drives the real window as a person does: keys go to whatever has the focus, menus are
/// opened with their access keys, and message boxes are answered with Return.
class frmMailTest : public QObject {
  Q_OBJECT

 private:
  QString Focused() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
  }
  QString Text(const char* name) const { return form_->findChild<QLineEdit*>(name)->text(); }
  QString Figure(const char* name) const { return form_->findChild<QLabel*>(name)->text(); }
  QStringList Figures() const {
    return {Figure("lblAmountDue"), Figure("lblSalesTax"), Figure("lblShipping"),
            Figure("lblFinalTotal")};
  }
  QStringList Fields() const {
    QStringList texts;
    for (const char* name : {"txtName", "txtStreet", "txtCity", "txtState", "txtZip",
                             "txtDescription", "txtQuantity", "txtWeight", "txtPrice"}) {
      texts << Text(name);
    }
    return texts;
  }

  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
  }
  static void Type(const QString& text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), text); }
  /// Alt+letter on a caption, then the text, as a user fills a field.
  static void Fill(Qt::Key accessKey, const QString& text) {
    Press(accessKey, Qt::AltModifier);
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_A, Qt::ControlModifier);
    Type(text);
  }
  /// Opens a menu with Alt+letter and chooses an entry with its letter.
  void Choose(Qt::Key menuKey, Qt::Key entryKey) {
    Press(menuKey, Qt::AltModifier);
    QVERIFY2(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr,
             "the menu did not open");
    Press(entryKey);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }
  void Item(const QString& description, const QString& quantity, const QString& weight,
            const QString& price) {
    Fill(Qt::Key_D, description);
    Fill(Qt::Key_Q, quantity);
    Fill(Qt::Key_W, weight);
    Fill(Qt::Key_R, price);
    Choose(Qt::Key_E, Qt::Key_N);
  }
  void Summary() { Choose(Qt::Key_F, Qt::Key_S); }
  void NextOrder() { Choose(Qt::Key_E, Qt::Key_O); }

  const order::LocaleServices us_{"en_US"};
  std::unique_ptr<AnsweringModalRunner> modals_;
  std::unique_ptr<frmMail> form_;

 private slots:
  void init() {
    modals_ = std::make_unique<AnsweringModalRunner>();
    form_ = std::make_unique<frmMail>(*modals_,
                                      [this]() -> const order::LocaleServices& { return us_; });
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  void cleanup() {
    form_.reset();
    modals_.reset();
  }

  void opensWithItsCaptionEmptyFieldsAndTheFocusInName() {
    QCOMPARE(form_->windowTitle(), QString("Quistral"));
    QCOMPARE(form_->objectName(), QString("frmMail"));
    QCOMPARE(form_->centralWidget()->size(), QSize(404, 366));
    QCOMPARE(Fields(), QStringList(9, QString()));
    QCOMPARE(Figures(), QStringList(4, QString()));
    QCOMPARE(Focused(), QString("txtName"));
  }

  void tabWalksTheFieldsInOrderAndBack() {
    const QStringList order{"txtName",        "txtStreet",   "txtCity",   "txtState", "txtZip",
                            "txtDescription", "txtQuantity", "txtWeight", "txtPrice"};
    for (qsizetype i = 1; i <= order.size(); ++i) {
      Press(Qt::Key_Tab);
      QCOMPARE(Focused(), order[i % order.size()]);
    }
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
      Press(Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(Focused(), order[i]);
    }
  }

  void accessKeysFocusTheirFields_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("field");
    QTest::newRow("Alt+N") << int(Qt::Key_N) << "txtName";
    QTest::newRow("Alt+T") << int(Qt::Key_T) << "txtStreet";
    QTest::newRow("Alt+C") << int(Qt::Key_C) << "txtCity";
    QTest::newRow("Alt+A") << int(Qt::Key_A) << "txtState";
    QTest::newRow("Alt+Z") << int(Qt::Key_Z) << "txtZip";
    QTest::newRow("Alt+D") << int(Qt::Key_D) << "txtDescription";
    QTest::newRow("Alt+Q") << int(Qt::Key_Q) << "txtQuantity";
    QTest::newRow("Alt+W") << int(Qt::Key_W) << "txtWeight";
    QTest::newRow("Alt+R") << int(Qt::Key_R) << "txtPrice";
  }

  void accessKeysFocusTheirFields() {
    QFETCH(int, key);
    QFETCH(QString, field);
    // Start somewhere else, so a key that does nothing cannot pass.
    form_->findChild<QLineEdit*>(field == "txtZip" ? "txtName" : "txtZip")->setFocus();
    Press(Qt::Key(key), Qt::AltModifier);
    QCOMPARE(Focused(), field);
  }

  void menusOpenWithTheirAccessKeys() {
    struct Row {
      Qt::Key key;
      const char* menu;
      QStringList entries;
    };
    for (const Row& row :
         {Row{Qt::Key_F, "mnuFile", {"&Print Form", "&Summary", "E&xit"}},
          Row{Qt::Key_E, "mnuEdit", {"&Next Item", "Next &Order", "", "&Font", "Colo&r"}},
          Row{Qt::Key_H, "mnuHelp", {"&About"}}}) {
      Press(row.key, Qt::AltModifier);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY2(menu != nullptr, row.menu);
      QCOMPARE(menu->objectName(), QString(row.menu));
      QStringList entries;
      for (QAction* action : menu->actions()) entries << action->text();
      QCOMPARE(entries, row.entries);
      Press(Qt::Key_Escape);
      Press(Qt::Key_Escape);
      QVERIFY(QApplication::activePopupWidget() == nullptr);
    }
    QCOMPARE(form_->findChild<QMenu*>("mnuFile")->title(), QString("&Flle"));
    // The focus comes back to where the user was typing.
    QCOMPARE(Focused(), QString("txtName"));
  }

  void aWholeOrderTypedThroughTheKeyboard() {
    Type("Ann Smith");
    Press(Qt::Key_Tab);
    Type("1 Main St");
    Press(Qt::Key_Tab);
    Type("Fresno");
    Press(Qt::Key_Tab);
    Type("ca");
    Press(Qt::Key_Tab);
    Type("93650");

    Item("Teapot", "2", "3", "10");
    QCOMPARE(Fields().mid(5), QStringList(4, QString()));
    QCOMPARE(Focused(), QString("txtDescription"));
    QCOMPARE(Figures(), QStringList(4, QString()));

    Summary();
    QCOMPARE(Figures(), (QStringList{"$20.00", "$1.60", "$2.50", "$24.10"}));
    QCOMPARE(Focused(), QString("txtDescription"));

    // Items can follow a summary; the figures wait for the next one.
    Item("Cups", "1", "4", "5.5");
    QCOMPARE(Figures(), (QStringList{"$20.00", "$1.60", "$2.50", "$24.10"}));
    Summary();
    QCOMPARE(Figures(), (QStringList{"$25.50", "$2.04", "$5.50", "$33.04"}));
    QCOMPARE(Fields().first(5), (QStringList{"Ann Smith", "1 Main St", "Fresno", "ca", "93650"}));
    QVERIFY(modals_->shown.empty());

    // A screen reader reads each figure with what it is.
    QAccessibleInterface* total =
        QAccessible::queryAccessibleInterface(form_->findChild<QLabel*>("lblFinalTotal"));
    QVERIFY(total != nullptr);
    QCOMPARE(total->text(QAccessible::Name), QString("$33.04"));
    QCOMPARE(total->text(QAccessible::Description), QString("Total Amount Due"));
    QAccessibleInterface* state =
        QAccessible::queryAccessibleInterface(form_->findChild<QLineEdit*>("txtState"));
    QCOMPARE(state->text(QAccessible::Name), QString("State"));
    QCOMPARE(state->text(QAccessible::Value), QString("ca"));

    NextOrder();
    QCOMPARE(Fields(), QStringList(9, QString()));
    QCOMPARE(Figures(), QStringList(4, QString()));
    QCOMPARE(Focused(), QString("txtName"));
    Summary();
    QCOMPARE(Figures(), QStringList(4, "$0.00"));
  }

  void validationNamesTheFirstBadFieldAndChangesNothing_data() {
    QTest::addColumn<QStringList>("item");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("field");
    QTest::newRow("all empty") << QStringList{"", "", ""} << "Enter a numeric quantity."
                               << "txtQuantity";
    QTest::newRow("bad weight, price not examined")
        << QStringList{"2", "abc", "x"} << "Enter a numeric weight amount."
        << "txtWeight";
    QTest::newRow("grouped price")
        << QStringList{"2", "3", "1,000"} << "Enter a numeric price amount."
        << "txtPrice";
  }

  void validationNamesTheFirstBadFieldAndChangesNothing() {
    QFETCH(QStringList, item);
    QFETCH(QString, prompt);
    QFETCH(QString, field);
    Item("Kettle", "1", "1", "1");
    Summary();
    const QStringList figures = Figures();

    Item("Vase", item[0], item[1], item[2]);
    QCOMPARE(modals_->shown.size(), std::size_t{1});
    const auto& message = modals_->shown.front();
    QCOMPARE(message.title, QString("Validation Error"));
    QCOMPARE(message.text, prompt);
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(message.owner.data(), form_.get());
    QVERIFY(message.visible && message.modal);

    QCOMPARE(Focused(), field);
    QCOMPARE(Fields().mid(5), (QStringList{"Vase"} + item));
    // The refused text is selected, so typing replaces it.
    QCOMPARE(form_->findChild<QLineEdit*>(field)->selectedText(),
             form_->findChild<QLineEdit*>(field)->text());
    Summary();
    QCOMPARE(Figures(), figures);
  }

  void overflowIsReportedAndTheOrderIsKept() {
    Fill(Qt::Key_A, "CA");
    Item("Kettle", "1", "1", "1");
    Summary();
    const QStringList figures = Figures();

    // A quantity beyond 16 bits: refused while reading, before anything changes.
    Item("Crate", "40000", "1", "1");
    // A price the ledger holds, but whose total with tax passes the money range.
    Item("Ship", "1", "1", "900000000000000");
    Summary();

    QCOMPARE(modals_->shown.size(), std::size_t{2});
    for (const auto& message : modals_->shown) {
      QCOMPARE(message.title, QString("Quistral"));
      QCOMPARE(message.text,
               QString::fromUtf8(frmMail::kOverflowPrompt.data(), frmMail::kOverflowPrompt.size()));
      QCOMPARE(message.icon, QMessageBox::Warning);
      QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(Figures(), figures);
    // The refused quantity stays on screen; the window still works.
    NextOrder();
    Fill(Qt::Key_A, "CA");
    Item("Kettle", "1", "1", "1");
    Summary();
    QCOMPARE(Figures(), figures);
  }

  void anAmountTooWideForItsBoxIsMarkedNotClipped() {
    Item("Yacht", "1", "1", "123456789.12");
    Summary();
    auto* amount = form_->findChild<FigureLabel*>("lblAmountDue");
    QCOMPARE(amount->text(), QString("$123,456,789.12"));
    const QString shown = amount->DisplayedText();
    QVERIFY2(shown.startsWith(QChar(0x2026)) && shown.endsWith("789.12"), qPrintable(shown));
    // Amounts that fit are drawn whole.
    NextOrder();
    Item("Cup", "1", "1", "2");
    Summary();
    QCOMPARE(amount->DisplayedText(), QString("$2.00"));
  }

  void theSeparatorDoesNothing() {
    Fill(Qt::Key_N, "Ann");
    Press(Qt::Key_E, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QAction* separator = form_->findChild<QAction*>("mnuSEP");
    QVERIFY(separator->isSeparator());
    separator->trigger();
    Press(Qt::Key_Escape);
    Press(Qt::Key_Escape);
    QCOMPARE(Text("txtName"), QString("Ann"));
    QVERIFY(modals_->shown.empty());
  }
};

}  // namespace window

QTEST_MAIN(window::frmMailTest)
#include "frmMailTest.moc"
