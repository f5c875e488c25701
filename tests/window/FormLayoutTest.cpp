#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <map>
#include <string>

#include "OffscreenTestMain.h"
#include "window/DesktopSession.h"
#include "window/FormBuilder.h"
#include "window/FormLayout.h"

namespace window {

class FormLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void twipsBecomePixelsAtTheScreensDpi_data() {
    QTest::addColumn<qreal>("dpi");
    for (const qreal dpi : {72.0, 96.0, 120.0, 144.0, 192.0}) {
      QTest::newRow(QByteArray::number(dpi)) << dpi;
    }
  }

  void twipsBecomePixelsAtTheScreensDpi() {
    QFETCH(qreal, dpi);
    QWidget client;
    QMenuBar menuBar;
    BuildForm(client, menuBar, dpi);

    const qreal scale = dpi / 1440.0;
    QCOMPARE(client.size(), QSize(qRound(6060 * scale), qRound(5490 * scale)));
    if (dpi == 96.0) QCOMPARE(client.size(), QSize(404, 366));

    for (const ControlRow& row : FormControls()) {
      auto* control = client.findChild<QWidget*>(QString::fromUtf8(row.name));
      QVERIFY2(control != nullptr, row.name);
      const QString parent = row.parent ? QString::fromUtf8(row.parent) : QString();
      QCOMPARE(
          control->parentWidget() == &client ? QString() : control->parentWidget()->objectName(),
          parent);
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
      const int right = client.findChild<QLabel*>(aligned.first())->geometry().right();
      for (const QString& name : aligned) {
        QCOMPARE(client.findChild<QLabel*>(name)->geometry().right(), right);
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
      QCOMPARE(textBox->maxLength(), QLineEdit().maxLength());
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

  void desktopSessionIsFoundOrExplained() {
    struct Row {
      std::map<std::string, std::string> environment;
      bool missing;
    };
    for (const Row& row : {
             Row{{}, true},
             Row{{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, true},
             Row{{{"DISPLAY", ":0"}}, false},
             Row{{{"WAYLAND_DISPLAY", "wayland-0"}}, false},
             Row{{{"QT_QPA_PLATFORM", "offscreen"}}, false},
             Row{{{"QT_QPA_PLATFORM", "xcb"}}, true},
             Row{{{"QT_QPA_PLATFORM", "wayland"}}, true},
             Row{{{"QT_QPA_PLATFORM", ""}}, true},
         }) {
      const auto missing = MissingDesktopSession([&row](const char* name) -> const char* {
        const auto it = row.environment.find(name);
        return it == row.environment.end() ? nullptr : it->second.c_str();
      });
      QCOMPARE(missing.has_value(), row.missing);
      if (missing) {
        QVERIFY(missing->find('\n') == std::string::npos);
        QVERIFY(missing->find("xvfb-run") != std::string::npos);
      }
    }
  }
};

}  // namespace window

QUISTRAL_OFFSCREEN_TEST_MAIN(window::FormLayoutTest, false)
#include "FormLayoutTest.moc"
