#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFontDialog>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <stdexcept>

#include "AnsweringModalRunner.h"
#include "FormUser.h"
#include "Ink.h"
#include "NewForm.h"
#include "OffscreenTestMain.h"
#include "order/LocaleServices.h"
#include "window/PrintModule.h"
#include "window/WindowMessages.h"
#include "window/frmMail.h"

namespace window {

using namespace testing;

/// A print server that takes connections and never answers: a socket that listens and
/// never accepts, named to the print system for as long as it lives.
class SilentPrintServer {
 public:
  SilentPrintServer() : previous_(qgetenv("CUPS_SERVER")) {
    socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = Path().toLocal8Bit();
    std::memcpy(address.sun_path, path.constData(),
                std::min(sizeof(address.sun_path) - 1, std::size_t(path.size())));
    if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(socket_, 16) != 0) {
      qFatal("no socket for the silent print server");
    }
    qputenv("CUPS_SERVER", path);
  }
  ~SilentPrintServer() {
    ::close(socket_);
    qputenv("CUPS_SERVER", previous_);
  }
  SilentPrintServer(const SilentPrintServer&) = delete;
  SilentPrintServer& operator=(const SilentPrintServer&) = delete;

  QString Path() const { return folder_.filePath("cups.sock"); }

 private:
  QTemporaryDir folder_;
  QByteArray previous_;
  int socket_ = -1;
};

/// Drives the real window as a person does: keys go to whatever has the focus, menus are
/// opened with their access keys, and message boxes are answered with Return.
class frmMailTest : public QObject {
  Q_OBJECT

 private:
  QString Text(const char* name) const { return FormReader(*form_).Text(name); }
  QStringList Figures() const { return FormReader(*form_).Figures(); }
  QStringList Fields() const { return FormReader(*form_).Fields(); }

  /// Edit › Font, choosing DejaVu Sans at that size; gives the size the chooser took (it
  /// offers whole points), or nothing where the menu failed.
  [[nodiscard]] std::optional<qreal> ChooseFigureFont(qreal points) {
    qreal taken = 0;
    modals_->answers.emplace_back([points, &taken](QDialog& dialog) {
      QFont font("DejaVu Sans");
      font.setPointSizeF(points);
      auto& chooser = dynamic_cast<QFontDialog&>(dialog);
      chooser.setCurrentFont(font);
      taken = chooser.currentFont().pointSizeF();
      Press(Qt::Key_Return);
    });
    if (!Choose(Qt::Key_E, Qt::Key_F)) return std::nullopt;
    return taken;
  }

  const order::LocaleServices us_{"en_US"};
  /// A test's other locale; outlives the form that reads it.
  std::unique_ptr<order::LocaleServices> locale_;
  std::unique_ptr<AnsweringModalRunner> modals_;
  std::unique_ptr<frmMail> form_;

 private slots:
  void init() {
    modals_ = std::make_unique<AnsweringModalRunner>();
    form_ = NewForm(*modals_, us_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  void cleanup() {
    form_.reset();
    modals_.reset();
    locale_.reset();
  }

  void opensWithItsCaptionEmptyFieldsAndTheFocusInName() {
    QCOMPARE(form_->windowTitle(), QString("Quistral"));
    QCOMPARE(form_->objectName(), QString("frmMail"));
    QCOMPARE(form_->centralWidget()->size(), QSize(404, 366));
    QCOMPARE(Fields(), QStringList(9, QString()));
    QCOMPARE(Figures(), QStringList(4, QString()));
    QCOMPARE(Focused(), QString("txtName"));
  }

  void drawsItsIconAtEverySizeADesktopAsksFor() {
    // The parcel fills the middle and leaves the corners clear, however small it is drawn.
    for (const int size : {16, 24, 32, 48, 64, 128}) {
      const QImage icon = form_->windowIcon().pixmap(size).toImage();
      QCOMPARE(icon.size(), QSize(size, size));
      QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
      QCOMPARE(qAlpha(icon.pixel(size / 2, size * 3 / 4)), 255);
    }
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

    USER_STEP(Item("Teapot", "2", "3", "10"));
    QCOMPARE(Fields().mid(5), QStringList(4, QString()));
    QCOMPARE(Focused(), QString("txtDescription"));
    QCOMPARE(Figures(), QStringList(4, QString()));

    USER_STEP(Summary());
    QCOMPARE(Figures(), (QStringList{"$20.00", "$1.60", "$2.50", "$24.10"}));
    QCOMPARE(Focused(), QString("txtDescription"));

    // Items can follow a summary; the figures wait for the next one.
    USER_STEP(Item("Cups", "1", "4", "5.5"));
    QCOMPARE(Figures(), (QStringList{"$20.00", "$1.60", "$2.50", "$24.10"}));
    USER_STEP(Summary());
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

    USER_STEP(NextOrder());
    QCOMPARE(Fields(), QStringList(9, QString()));
    QCOMPARE(Figures(), QStringList(4, QString()));
    QCOMPARE(Focused(), QString("txtName"));
    USER_STEP(Summary());
    QCOMPARE(Figures(), QStringList(4, "$0.00"));
  }

  void itemsAreReadAsTheUsersLocaleWritesNumbers_data() {
    QTest::addColumn<QString>("locale");
    for (const char* name : {"fr_FR", "sv_SE", "pl_PL", "ru_RU", "pt_BR", "cs_CZ", "de_DE"}) {
      QTest::newRow(name) << name;
    }
  }

  void itemsAreReadAsTheUsersLocaleWritesNumbers() {
    QFETCH(QString, locale);
    locale_ = std::make_unique<order::LocaleServices>(locale.toStdString());
    const order::LocaleServices& services = *locale_;
    form_ = NewForm(*modals_, services);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    Fill(Qt::Key_A, "CA");
    USER_STEP(Item("Teapot", "2", "2,5", "12,50"));
    USER_STEP(Item("Returned cup", "-1", "0,5", "1,25"));
    USER_STEP(Item("Spoons", "2,5", "1", "0,12345"));  // 2 spoons at 0.1234: both ties go to even
    QVERIFY(modals_->shown.empty());
    USER_STEP(Summary());
    // By hand: 25 - 1.25 + 2 × 0.1234 = 23.9968; tax 1.9197; 6.5 in weight ships for
    // 1 + 6.5 × 0.25 = 2.625; in all 28.5415.
    QStringList expected;
    for (const std::int64_t count : {239'968, 19'197, 26'250, 285'415}) {
      expected << QString::fromStdString(
          services.FormatCurrency(order::Currency::FromCount(count)));
    }
    QCOMPARE(Figures(), expected);
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
    USER_STEP(Item("Kettle", "1", "1", "1"));
    USER_STEP(Summary());
    const QStringList figures = Figures();

    USER_STEP(Item("Vase", item[0], item[1], item[2]));
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
    USER_STEP(Summary());
    QCOMPARE(Figures(), figures);
  }

  void overflowIsReportedAndTheOrderIsKept() {
    Fill(Qt::Key_A, "CA");
    USER_STEP(Item("Kettle", "1", "1", "1"));
    USER_STEP(Summary());
    const QStringList figures = Figures();

    // A quantity beyond 16 bits: refused while reading, before anything changes; it stays
    // on screen, with the focus on it, to be typed over.
    USER_STEP(Item("Crate", "40000", "1", "1"));
    QCOMPARE(Text("txtQuantity"), QString("40000"));
    QCOMPARE(Focused(), QString("txtQuantity"));
    // A price the ledger holds, but whose total with tax passes the money range.
    USER_STEP(Item("Ship", "1", "1", "900000000000000"));
    USER_STEP(Summary());

    QCOMPARE(modals_->shown.size(), std::size_t{2});
    for (const auto& message : modals_->shown) {
      QCOMPARE(message.title, QString("Quistral"));
      QCOMPARE(message.text, QString::fromUtf8(WindowMessages::kOverflowPrompt.data(),
                                               WindowMessages::kOverflowPrompt.size()));
      QCOMPARE(message.icon, QMessageBox::Warning);
      QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(Figures(), figures);
    // The window still works.
    USER_STEP(NextOrder());
    Fill(Qt::Key_A, "CA");
    USER_STEP(Item("Kettle", "1", "1", "1"));
    USER_STEP(Summary());
    QCOMPARE(Figures(), figures);
  }

  void everyAmountIsDrawnWholeAtAnySize_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QString>("price");
    for (const char* locale : {"en_US", "fr_FR"}) {
      for (const qreal points : {9.75, 16.0, 24.0, 36.0, 72.0}) {
        for (const char* price :
             {"1.25", "134.97", "1234567.89", "922337203685477.5807", "-922337203685477.5808"}) {
          const QString name = QString("%1 %2 pt %3").arg(locale).arg(points).arg(price);
          QTest::newRow(qPrintable(name)) << locale << points << price;
        }
      }
    }
  }

  void everyAmountIsDrawnWholeAtAnySize() {
    QFETCH(QString, locale);
    QFETCH(qreal, points);
    QFETCH(QString, price);
    locale_ = std::make_unique<order::LocaleServices>(locale.toStdString());
    form_ = NewForm(*modals_, *locale_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    const std::optional<qreal> chosen = ChooseFigureFont(points);
    QVERIFY(chosen);
    Fill(Qt::Key_A, "NY");
    USER_STEP(Item("Yacht", "1", "0", price));
    USER_STEP(Summary());
    QVERIFY(modals_->shown.size() == 1);  // the font chooser, and no message

    QWidget& client = *form_->centralWidget();
    const auto* summary = form_->findChild<QWidget*>("Frame1");
    QList<QRect> placed;
    for (const char* name : {"Label3", "Label10", "Label11", "Label12"}) {
      const auto* caption = form_->findChild<QLabel*>(name);
      QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()), name);
      placed << caption->geometry();
    }
    for (QLabel* figure : FormReader(*form_).FigureLabels()) {
      const QString& amount = figure->text();
      QVERIFY(!amount.isEmpty());
      const QFontMetrics metrics(figure->font());
      QVERIFY(metrics.horizontalAdvance(amount) + 2 * figure->frameWidth() < figure->width());
      QVERIFY(metrics.height() + 2 * figure->frameWidth() <= figure->height());
      // As drawn: the ink stands clear of the frame and is as wide as the whole amount.
      const QImage drawn = figure->grab().toImage();
      const QRect inside = figure->rect().adjusted(1, 1, -1, -1);
      const QRect ink = InkWithin(drawn, inside, drawn.pixel(1, 1));
      QVERIFY2(inside.adjusted(1, 1, -1, -1).contains(ink), qPrintable(amount));
      QVERIFY2(ink.width() >= metrics.boundingRect(amount).width() - 2, qPrintable(amount));
      placed << figure->geometry();
    }
    for (qsizetype i = 0; i < placed.size(); ++i) {
      QVERIFY(summary->rect().contains(placed[i]));
      for (qsizetype j = i + 1; j < placed.size(); ++j) QVERIFY(!placed[i].intersects(placed[j]));
    }
    QVERIFY(client.rect().contains(summary->geometry()));
    const QRect screen = form_->screen()->availableGeometry();
    QVERIFY(form_->frameGeometry().width() <= screen.width());
    QVERIFY(form_->frameGeometry().height() <= screen.height());
    // The largest amount fits at the design's size; larger sizes give way only to the screen.
    const qreal drawn = FormReader(*form_).FigureLabels().front()->font().pointSizeF();
    QVERIFY2(drawn >= 9.75 && drawn <= *chosen, qPrintable(QString::number(drawn)));
  }

  void smallAmountsAtTheDesignFontKeepTheDesignToThePixel() {
    const auto geometry = [this] {
      QList<QRect> all{QRect(QPoint(), form_->centralWidget()->size())};
      for (const QWidget* child : form_->centralWidget()->findChildren<QWidget*>()) {
        all << child->geometry();
      }
      return all;
    };
    const QList<QRect> design = geometry();
    USER_STEP(Item("Boat", "1", "3", "99998.24"));
    USER_STEP(Summary());
    QCOMPARE(FormReader(*form_).Figures().back(), QString("$99,999.99"));
    QCOMPARE(geometry(), design);
    // Grown for a larger amount and font, then back to the design when they fit again.
    USER_STEP(Item("Yacht", "1", "3", "1234567.89"));
    USER_STEP(ChooseFigureFont(24));
    USER_STEP(Summary());
    QVERIFY(geometry() != design);
    USER_STEP(ChooseFigureFont(9.75));
    USER_STEP(NextOrder());
    QCOMPARE(geometry(), design);
  }

  void fontChooserRestylesTheFourFiguresOnly() {
    const FormReader reader(*form_);
    const QList<QLabel*> figures = reader.FigureLabels();
    std::vector<std::pair<QWidget*, QFont>> others;
    for (QWidget* widget : form_->centralWidget()->findChildren<QWidget*>()) {
      if (!figures.contains(widget)) others.emplace_back(widget, widget->font());
    }
    // Underline belongs to the label alone: it is neither offered to the chooser nor taken.
    QFont underlined = figures[0]->font();
    underlined.setUnderline(true);
    figures[0]->setFont(underlined);

    QFont opened;
    modals_->answers.emplace_back([&](QDialog& dialog) {
      auto& chooser = dynamic_cast<QFontDialog&>(dialog);
      QVERIFY(chooser.testOption(QFontDialog::DontUseNativeDialog));
      opened = chooser.currentFont();
      chooser.setCurrentFont(QFont("DejaVu Serif", 12, QFont::Bold));
      Press(Qt::Key_Return);
    });
    USER_STEP(Choose(Qt::Key_E, Qt::Key_F));
    QCOMPARE(modals_->shown.size(), std::size_t{1});
    QCOMPARE(modals_->shown[0].owner.data(), form_.get());
    QVERIFY(modals_->shown[0].modal && modals_->shown[0].active);
    QCOMPARE(opened.family(), QString("Sans Serif"));
    QVERIFY(!opened.bold() && !opened.italic() && !opened.underline());

    for (const QLabel* figure : figures) {
      QCOMPARE(figure->font().family(), QString("DejaVu Serif"));
      QVERIFY(figure->font().bold() && !figure->font().italic());
      QCOMPARE(figure->font().pointSizeF(), 12.0);
      QCOMPARE(figure->font().underline(), figure == figures[0]);
    }
    for (const auto& [widget, font] : others) {
      QVERIFY2(widget->font() == font, qPrintable(widget->objectName()));
    }

    // The chooser opens on the figures' font as it is now, and Cancel keeps it.
    USER_STEP(Item("Cup", "1", "1", "2"));
    USER_STEP(Summary());
    USER_STEP(NextOrder());
    modals_->answers.emplace_back([&](QDialog& dialog) {
      opened = dynamic_cast<QFontDialog&>(dialog).currentFont();
      Press(Qt::Key_Escape);
    });
    USER_STEP(Choose(Qt::Key_E, Qt::Key_F));
    QCOMPARE(opened.family(), QString("DejaVu Serif"));
    QVERIFY(opened.bold() && !opened.italic());
    QCOMPARE(opened.pointSize(), 12);
    for (const QLabel* figure : figures) {
      QCOMPARE(figure->font().family(), QString("DejaVu Serif"));
      QCOMPARE(figure->font().pointSizeF(), 12.0);
      QVERIFY(figure->font().bold());
    }
  }

  void cancelledFontChooserGivesAllFourTheReferenceFont() {
    const QList<QLabel*> figures = FormReader(*form_).FigureLabels();
    QFont odd = figures[2]->font();
    odd.setItalic(true);
    odd.setPointSizeF(14);
    figures[2]->setFont(odd);
    modals_->answers.emplace_back([](QDialog&) { Press(Qt::Key_Escape); });
    USER_STEP(Choose(Qt::Key_E, Qt::Key_F));
    for (const QLabel* figure : figures) {
      QVERIFY(!figure->font().italic());
      QCOMPARE(figure->font().pointSizeF(), 9.75);
    }
  }

  void colourChooserRecoloursTheFourFiguresOnly() {
    const QList<QLabel*> figures = FormReader(*form_).FigureLabels();
    const QColor start = figures[0]->palette().color(figures[0]->foregroundRole());
    auto* caption = form_->findChild<QLabel*>("Label3");
    const QColor captionColour = caption->palette().color(caption->foregroundRole());
    const QColor blue("#1a5fb4");
    const auto border = [](QLabel* figure) {
      return figure->grab().toImage().pixel(0, figure->height() / 2);
    };
    const QRgb borderColour = border(figures[0]);

    QColor opened;
    modals_->answers.emplace_back([&](QDialog& dialog) {
      auto& chooser = dynamic_cast<QColorDialog&>(dialog);
      QVERIFY(chooser.testOption(QColorDialog::DontUseNativeDialog));
      opened = chooser.currentColor();
      chooser.setCurrentColor(blue);
      Press(Qt::Key_Return);
    });
    USER_STEP(Choose(Qt::Key_E, Qt::Key_R));
    QCOMPARE(opened, start);
    for (QLabel* figure : figures) {
      QCOMPARE(figure->palette().color(figure->foregroundRole()), blue);
      QCOMPARE(border(figure), borderColour);  // the text's colour, not the box's
    }
    QCOMPARE(caption->palette().color(caption->foregroundRole()), captionColour);

    // Next Order keeps the colour; the chooser opens on it, and Cancel keeps it.
    USER_STEP(NextOrder());
    modals_->answers.emplace_back([&](QDialog& dialog) {
      opened = dynamic_cast<QColorDialog&>(dialog).currentColor();
      dynamic_cast<QColorDialog&>(dialog).setCurrentColor(Qt::red);
      Press(Qt::Key_Escape);
    });
    USER_STEP(Choose(Qt::Key_E, Qt::Key_R));
    QCOMPARE(opened, blue);
    for (const QLabel* figure : figures) {
      QCOMPARE(figure->palette().color(figure->foregroundRole()), blue);
    }
  }

  void aboutNamesTheAuthor() {
    USER_STEP(Choose(Qt::Key_H, Qt::Key_A));
    QCOMPARE(modals_->shown.size(), std::size_t{1});
    const auto& about = modals_->shown.front();
    QCOMPARE(about.title, QString("About My Program"));
    QCOMPARE(about.text, QString("Programmed by Velloran"));
    QCOMPARE(about.icon, QMessageBox::NoIcon);
    QCOMPARE(about.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(about.owner.data(), form_.get());
    QVERIFY(about.visible && about.modal);
  }

  void printFormWithoutAPrinterSaysSoAndKeepsTheOrder() {
    // The test's print system has no server, so there is no default printer.
    Fill(Qt::Key_N, "Ann");
    USER_STEP(Item("Cup", "1", "1", "2"));
    USER_STEP(Summary());
    const QStringList fields = Fields();
    const QStringList figures = Figures();
    USER_STEP(PrintForm());
    QCOMPARE(modals_->shown.size(), std::size_t{1});
    const auto& message = modals_->shown.front();
    QCOMPARE(message.title, QString("Quistral"));
    QCOMPARE(message.text, QString::fromUtf8(WindowMessages::kNoPrinterPrompt.data(),
                                             WindowMessages::kNoPrinterPrompt.size()));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(Fields(), fields);
    QCOMPARE(Figures(), figures);
  }

  void printModuleIsFoundAsTheProgramFindsItAndItsAbsenceIsSaid() {
    const QImage page = PrintModule::PageImage(*form_->centralWidget());
    QCOMPARE(PrintModule().Print(page, "Quistral", *modals_, *form_).result,
             PrintResult::NoPrinter);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("printing is not available: .*no-such-module"));
    QCOMPARE(PrintModule("no-such-module.so", {}).Print(page, "Quistral", *modals_, *form_).result,
             PrintResult::Unavailable);
    QVERIFY(modals_->shown.empty());
  }

  void aCommandThatFailsOtherwiseIsReportedAndTheOrderKept() {
    // As when the locale's data cannot be had: the command stops, the program goes on.
    form_ = std::make_unique<frmMail>(*modals_, []() -> const order::LocaleServices& {
      throw std::runtime_error("no locale data");
    });
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    Fill(Qt::Key_N, "Ann");
    Fill(Qt::Key_D, "Cup");
    Fill(Qt::Key_Q, "1");
    const QStringList fields = Fields();
    for (const Qt::Key command : {Qt::Key_N, Qt::Key_S}) {
      if (command == Qt::Key_N)
        USER_STEP(Choose(Qt::Key_E, Qt::Key_N));
      else
        USER_STEP(Summary());
      QCOMPARE(modals_->shown.size(), std::size_t{command == Qt::Key_N ? 1U : 2U});
      QCOMPARE(modals_->shown.back().text,
               QString::fromUtf8(WindowMessages::kCommandFailedPrompt.data(),
                                 WindowMessages::kCommandFailedPrompt.size()));
      QCOMPARE(modals_->shown.back().icon, QMessageBox::Warning);
      QCOMPARE(Fields(), fields);
    }
    QVERIFY(form_->isVisible());
  }

  void aPrintServerThatNeverAnswersFreezesNothingAndIsNamed() {
    const SilentPrintServer server;
    const PrintTiming timing{std::chrono::milliseconds(300), std::chrono::milliseconds(1500)};
    form_ = std::make_unique<frmMail>(
        *modals_, [this]() -> const order::LocaleServices& { return us_; }, timing);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    Fill(Qt::Key_N, "Ann");
    const QStringList fields = Fields();

    // The window's own timer goes on firing through the wait.
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(50);
    QElapsedTimer waited;
    qint64 noticeAt = -1;
    modals_->answers.emplace_back([&](QDialog& notice) {
      noticeAt = waited.elapsed();
      QCOMPARE(qobject_cast<QProgressDialog*>(&notice)->labelText(), QString("Printing…"));
      // Left alone, it goes when the print system's time is up.
      QTRY_VERIFY_WITH_TIMEOUT(!notice.isVisible(), 5000);
    });
    waited.start();
    USER_STEP(PrintForm());
    const qint64 took = waited.elapsed();

    QVERIFY2(noticeAt >= 300 && noticeAt < 1500, qPrintable(QString::number(noticeAt)));
    QVERIFY2(took >= 1500 && took < 4000, qPrintable(QString::number(took)));
    QVERIFY2(ticks >= took / 50 / 2, qPrintable(QString("%1 ticks in %2 ms").arg(ticks).arg(took)));
    QCOMPARE(modals_->shown.size(), std::size_t{2});
    const auto& message = modals_->shown.back();
    QCOMPARE(message.text, QString::fromUtf8(WindowMessages::kNoAnswerPrompt.data(),
                                             WindowMessages::kNoAnswerPrompt.size())
                               .arg(server.Path()));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(Fields(), fields);

    // Cancel ends the wait at once, and says nothing.
    modals_->shown.clear();
    qint64 cancelledAt = -1;
    modals_->answers.emplace_back([&](QDialog& notice) {
      cancelledAt = waited.elapsed();
      QTest::keyClick(&notice, Qt::Key_Escape);
    });
    waited.restart();
    USER_STEP(PrintForm());
    QVERIFY2(cancelledAt >= 0 && waited.elapsed() - cancelledAt < 500,
             qPrintable(QString::number(waited.elapsed() - cancelledAt)));
    QCOMPARE(modals_->shown.size(), std::size_t{1});
    QCOMPARE(Fields(), fields);
  }

  void exitClosesTheWindow() {
    Fill(Qt::Key_N, "Ann");
    // Closed, not merely hidden: the close of the last window is what ends the program
    // (the program's own exit is checked under X).
    struct CloseCounter : QObject {
      int closes = 0;
      bool eventFilter(QObject*, QEvent* event) override {
        closes += event->type() == QEvent::Close;
        return false;
      }
    } counter;
    form_->installEventFilter(&counter);
    USER_STEP(Choose(Qt::Key_F, Qt::Key_X));
    QCOMPARE(counter.closes, 1);
    QVERIFY(!form_->isVisible());
    QVERIFY(modals_->shown.empty());
  }
};

}  // namespace window

QUISTRAL_OFFSCREEN_TEST_MAIN(window::frmMailTest, true)
#include "frmMailTest.moc"
