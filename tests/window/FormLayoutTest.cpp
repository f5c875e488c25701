#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <string>

#include "OffscreenTestMain.h"
#include "window/FormBuilder.h"
#include "window/FormLayout.h"

namespace window {

class FormLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void twipsBecomePixelsAtTheScreensDpi_data() {
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSize>("client");
    QTest::newRow("72") << 72.0 << QSize(303, 275);
    QTest::newRow("96") << 96.0 << QSize(404, 366);
    QTest::newRow("120") << 120.0 << QSize(505, 458);
    QTest::newRow("144") << 144.0 << QSize(606, 549);
    QTest::newRow("192") << 192.0 << QSize(808, 732);
  }

  void twipsBecomePixelsAtTheScreensDpi() {
    QFETCH(qreal, dpi);
    QFETCH(QSize, client);
    QWidget window;
    QMenuBar menuBar;
    BuildForm(window, menuBar, dpi);
    QCOMPARE(window.size(), client);

    window.setObjectName("client");
    const std::map<std::optional<Group>, QString> parents{{std::nullopt, "client"},
                                                          {Group::Customer, "Frame3"},
                                                          {Group::Item, "Frame2"},
                                                          {Group::Summary, "Frame1"}};
    const qreal scale = dpi / 1440.0;
    for (const ControlRow& row : FormControls()) {
      auto* control = window.findChild<QWidget*>(QString::fromUtf8(row.name));
      QVERIFY2(control != nullptr, row.name);
      QCOMPARE(control->parentWidget()->objectName(), parents.at(row.group));
      // Every edge within half a pixel of where the twips put it.
      const QRect r = control->geometry();
      const TwipsRect t = row.twips;
      QVERIFY2(qAbs(r.left() - t.left * scale) <= 0.5, row.name);
      QVERIFY2(qAbs(r.top() - t.top * scale) <= 0.5, row.name);
      QVERIFY2(qAbs(r.x() + r.width() - (t.left + t.width) * scale) <= 0.5, row.name);
      QVERIFY2(qAbs(r.y() + r.height() - (t.top + t.height) * scale) <= 0.5, row.name);
    }

    // Captions that end at one line in twips end at one pixel column too.
    for (const QStringList& aligned :
         {QStringList{"Label1", "C", "Label2"}, QStringList{"Label6", "Label7"},
          QStringList{"Label3", "Label10", "Label11", "Label12"}}) {
      const int right = window.findChild<QLabel*>(aligned.first())->geometry().right();
      for (const QString& name : aligned) {
        QCOMPARE(window.findChild<QLabel*>(name)->geometry().right(), right);
      }
    }
  }

  void aFewControlsStandWhereTheFormWasDrawn() {
    // Written down from the form as designed, not from the table: a wrong number in the
    // table moves one of these.
    QWidget client;
    QMenuBar menuBar;
    BuildForm(client, menuBar, 96);
    const std::map<QString, QRect> golden{
        {"Frame3", {14, 3, 376, 105}},         {"Frame2", {14, 115, 376, 89}},
        {"Frame1", {14, 211, 376, 145}},       {"txtZip", {312, 72, 57, 18}},
        {"lblFinalTotal", {232, 112, 89, 17}}, {"Label6", {0, 24, 105, 25}}};
    for (const auto& [name, place] : golden) {
      QCOMPARE(client.findChild<QWidget*>(name)->geometry(), place);
    }
  }

  void groupTitlesSitOnTheFrameLineAboveTheirControls_data() {
    QTest::addColumn<qreal>("dpi");
    for (const qreal dpi : {72.0, 96.0, 144.0, 192.0})
      QTest::newRow(QByteArray::number(dpi)) << dpi;
  }

  void groupTitlesSitOnTheFrameLineAboveTheirControls() {
    QFETCH(qreal, dpi);
    QWidget window;
    QMenuBar menuBar;
    BuildForm(window, menuBar, dpi);
    for (auto* group : window.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
      // The box alone, as drawn: its frame and its title, none of its controls.
      QImage image(group->size(), QImage::Format_RGB32);
      image.fill(Qt::white);
      group->render(&image, {}, {}, {});
      const auto ink = [&image](int x, int y) { return image.pixel(x, y) != qRgb(255, 255, 255); };
      const auto inkInRow = [&](int y, int from, int to) {
        int count = 0;
        for (int x = from; x < to; ++x) count += ink(x, y);
        return count;
      };
      const int w = image.width();
      const int h = image.height();
      int top = -1;  // the frame's top line: the first row drawn across most of the box
      for (int y = 0; y < h && top < 0; ++y) top = inkInRow(y, 0, w) > w / 2 ? y : -1;
      int bottom = h - 1;
      while (bottom > top && inkInRow(bottom, 0, w) <= w / 2) --bottom;
      QVERIFY2(top >= 0 && bottom > top, qPrintable(group->objectName()));
      // The title, at the left end of the top line, reaches above and below it.
      int titleTop = h, titleBottom = -1;
      for (int y = 0; y < bottom; ++y) {
        if (inkInRow(y, 4, w / 4) == 0 || y == top) continue;
        titleTop = std::min(titleTop, y);
        titleBottom = std::max(titleBottom, y);
      }
      QVERIFY2(titleTop < top && top < titleBottom, qPrintable(group->objectName()));

      for (auto* control : group->findChildren<QWidget*>()) {
        QRect drawn = control->geometry();
        if (auto* caption = qobject_cast<QLabel*>(control); caption && !caption->frameWidth()) {
          drawn = caption->style()
                      ->itemTextRect(caption->fontMetrics(), caption->contentsRect(),
                                     static_cast<int>(caption->alignment()), true,
                                     QString(caption->text()).remove('&'))
                      .translated(caption->pos());
        }
        const QRect inside(QPoint(1, top + 1), QPoint(w - 2, bottom - 1));
        QVERIFY2(inside.contains(drawn), qPrintable(control->objectName()));
      }
    }
  }

  void controlsAreOfTheirKindAndLinkedToTheirCaptions() {
    QWidget client;
    QMenuBar menuBar;
    BuildForm(client, menuBar, 96);

    const std::map<QString, QString> fieldNames{
        {"txtName", "Name"},         {"txtStreet", "Street"}, {"txtCity", "City"},
        {"txtState", "State"},       {"txtZip", "Zip"},       {"txtDescription", "Description"},
        {"txtQuantity", "Quantity"}, {"txtWeight", "Weight"}, {"txtPrice", "Price"}};
    for (const auto& [name, accessible] : fieldNames) {
      auto* textBox = client.findChild<QLineEdit*>(name);
      QVERIFY2(textBox != nullptr, qPrintable(name));
      QCOMPARE(textBox->text(), QString());
      // No limit a clerk could reach: an address or a description is never cut short.
      QCOMPARE(textBox->maxLength(), std::numeric_limits<int>::max());
      QVERIFY(textBox->validator() == nullptr);
      QCOMPARE(textBox->accessibleName(), accessible);
    }

    const std::map<QString, QString> figureCaptions{{"lblAmountDue", "Dollar Amount Due"},
                                                    {"lblSalesTax", "Sales Tax"},
                                                    {"lblShipping", "Shipping and Handling"},
                                                    {"lblFinalTotal", "Total Amount Due"}};
    for (const auto& [name, description] : figureCaptions) {
      auto* figure = client.findChild<QLabel*>(name);
      QVERIFY2(figure != nullptr, qPrintable(name));
      QCOMPARE(figure->text(), QString());
      QCOMPARE(figure->accessibleDescription(), description);
      QCOMPARE(figure->frameStyle(), QFrame::Box | QFrame::Plain);
      QCOMPARE(figure->lineWidth(), 1);
      QVERIFY(figure->alignment() & Qt::AlignRight);
      QCOMPARE(figure->font().family(), QString("Sans Serif"));
      QCOMPARE(figure->font().pointSizeF(), 9.75);
      QCOMPARE(figure->font().weight(), QFont::Normal);
      QVERIFY(!figure->font().italic());
      QCOMPARE(figure->focusPolicy(), Qt::NoFocus);
    }

    // Every other control keeps the window's font.
    for (const char* plain : {"Label1", "Label3", "txtPrice", "Frame1"}) {
      QCOMPARE(client.findChild<QWidget*>(plain)->font(), client.font());
    }

    // A caption with an access key hands the focus to the next field in tab order.
    std::vector<ControlRow> byTab(FormControls().begin(), FormControls().end());
    std::ranges::sort(byTab, {}, &ControlRow::tabIndex);
    for (auto it = byTab.begin(); it != byTab.end(); ++it) {
      if (it->kind != ControlKind::Caption) continue;
      auto* label = client.findChild<QLabel*>(it->name);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
      if (!QString::fromUtf8(it->caption).contains('&')) {
        QVERIFY2(label->buddy() == nullptr, it->name);
        continue;
      }
      const auto next = std::find_if(it + 1, byTab.end(), [](const ControlRow& row) {
        return row.kind == ControlKind::TextBox;
      });
      QVERIFY(next != byTab.end());
      QCOMPARE(label->buddy(), client.findChild<QLineEdit*>(next->name));
    }
  }
};

}  // namespace window

QUISTRAL_OFFSCREEN_TEST_MAIN(window::FormLayoutTest, false)
#include "FormLayoutTest.moc"
