#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <memory>

#include "AnsweringModalRunner.h"
#include "FormUser.h"
#include "Ink.h"
#include "NewForm.h"
#include "OffscreenTestMain.h"
#include "order/LocaleServices.h"
#include "window/FigureLabel.h"
#include "window/FormGroupBox.h"
#include "window/frmMail.h"

namespace window {

using namespace testing;

/// The form on other desktops: a larger font, and a right-to-left language. Each case is
/// drawn and read back as a person would see it: nothing cut, nothing covered.
class DesktopFontTest : public QObject {
  Q_OBJECT

 private:
  const order::LocaleServices us_{"en_US"};
  AnsweringModalRunner modals_;
  QFont desktopFont_;

  /// Where a caption's text is drawn, in its group's coordinates.
  static QRect CaptionText(const QLabel& caption) {
    const QString text = QString(caption.text()).remove('&');
    const Qt::Alignment alignment =
        QStyle::visualAlignment(caption.layoutDirection(), caption.alignment());
    return caption.style()
        ->itemTextRect(caption.fontMetrics(), caption.contentsRect(), static_cast<int>(alignment),
                       true, text)
        .translated(caption.pos());
  }

 private slots:
  void initTestCase() { desktopFont_ = QApplication::font(); }

  void cleanup() {
    QApplication::setFont(desktopFont_);
    QApplication::setLayoutDirection(Qt::LeftToRight);
  }

  void everyCaptionAndTitleIsWholeAndUncovered_data() {
    QTest::addColumn<int>("points");  // 0: the desktop's default font
    QTest::addColumn<bool>("rightToLeft");
    for (const bool rightToLeft : {false, true}) {
      for (const int points : {0, 11, 14, 18}) {
        QTest::addRow("%s %d pt", rightToLeft ? "right to left" : "left to right", points)
            << points << rightToLeft;
      }
    }
  }

  void everyCaptionAndTitleIsWholeAndUncovered() {
    QFETCH(int, points);
    QFETCH(bool, rightToLeft);
    if (points > 0) QApplication::setFont(QFont("DejaVu Sans", points));
    if (rightToLeft) QApplication::setLayoutDirection(Qt::RightToLeft);
    const std::unique_ptr<frmMail> form = NewForm(modals_, us_);
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QWidget& client = *form->centralWidget();

    for (auto* group : client.findChildren<FormGroupBox*>()) {
      const QRect title = group->TitleRect();
      const QRect frame = group->rect().adjusted(1, title.center().y() + 1, -1, -1);
      QVERIFY2(group->rect().contains(title), qPrintable(group->objectName()));
      QList<QWidget*> controls = group->findChildren<QWidget*>();
      for (QWidget* control : controls) {
        QVERIFY2(control->geometry().top() >= title.bottom(), qPrintable(control->objectName()));
        auto* caption = qobject_cast<QLabel*>(control);
        if (caption == nullptr || qobject_cast<FigureLabel*>(control)) {
          if (auto* box = qobject_cast<QLineEdit*>(control)) {
            QVERIFY2(box->fontMetrics().height() <= box->height(), qPrintable(box->objectName()));
          }
          continue;
        }
        const QRect text = CaptionText(*caption);
        const QString name = caption->objectName();
        QVERIFY2(caption->geometry().contains(text), qPrintable(name + " is cut"));
        QVERIFY2(frame.contains(text), qPrintable(name + " leaves its frame"));
        for (const QWidget* other : controls) {
          if (other != caption &&
              (qobject_cast<const QLineEdit*>(other) || qobject_cast<const FigureLabel*>(other))) {
            QVERIFY2(!other->geometry().intersects(text),
                     qPrintable(name + " is covered by " + other->objectName()));
          }
        }
        // As drawn: the ink is as wide as the whole caption.
        const int whole =
            caption->fontMetrics().tightBoundingRect(caption->text().remove('&')).width();
        const int inkWidth = InkWithin(caption->grab().toImage(), caption->rect(),
                                       caption->palette().color(caption->backgroundRole()).rgb())
                                 .width();
        // Less the faint first and last columns of smoothed glyphs; a cut costs a letter.
        QVERIFY2(
            inkWidth >= whole - 4,
            qPrintable(QString("%1 is drawn %2 px wide of %3").arg(name).arg(inkWidth).arg(whole)));
        if (QWidget* box = caption->buddy(); box && name != "Label5") {
          // Captions stand before their boxes in the reading direction.
          QCOMPARE(text.center().x() > box->geometry().center().x(), rightToLeft);
        }
      }
    }
    // The form grows with the font, and stays on the screen.
    if (points >= 11) QVERIFY(client.width() > 404 && client.height() > 366);
    if (points == 0) QCOMPARE(client.size(), QSize(404, 366));
    const QSize screen = form->screen()->availableGeometry().size();
    QVERIFY(form->frameGeometry().width() <= screen.width());
    QVERIFY(form->frameGeometry().height() <= screen.height());
  }

  void aDesktopFontChangeReflowsTheFormAndKeepsTheOrder() {
    const std::unique_ptr<frmMail> form = NewForm(modals_, us_);
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    Type("Ann Smith");
    USER_STEP(Item("Teapot", "2", "3", "10"));
    USER_STEP(Summary());
    const FormReader reader(*form);
    const QStringList fields = reader.Fields();
    const QStringList figures = reader.Figures();

    QApplication::setFont(QFont("DejaVu Sans", 16));
    QTRY_VERIFY(form->centralWidget()->width() > 404);
    QVERIFY(reader.FigureLabels().front()->font().pointSizeF() > 9.75);
    QCOMPARE(reader.Fields(), fields);
    QCOMPARE(reader.Figures(), figures);

    QApplication::setFont(desktopFont_);
    QTRY_COMPARE(form->centralWidget()->size(), QSize(404, 366));
    QCOMPARE(reader.FigureLabels().front()->font().pointSizeF(), 9.75);
    QCOMPARE(reader.Fields(), fields);
  }
};

}  // namespace window

QUISTRAL_OFFSCREEN_TEST_MAIN(window::DesktopFontTest, false)
#include "DesktopFontTest.moc"
