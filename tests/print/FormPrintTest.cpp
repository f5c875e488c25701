#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFontDialog>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

#include "AnsweringModalRunner.h"
#include "FormUser.h"
#include "NewForm.h"
#include "OffscreenTestMain.h"
#include "order/LocaleServices.h"
#include "window/WindowMessages.h"
#include "window/frmMail.h"

namespace window {

using namespace testing;

/// Prints the real window on a real print server, whose default printer writes PDFs, and
/// reads the page back. Run by with-private-cups.sh, which starts that server.
class FormPrintTest : public QObject {
  Q_OBJECT

 private:
  /// Runs a tool to its end; false, with its complaint logged, if it failed.
  static bool Run(const QString& program, const QStringList& arguments, QString* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
      qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
      return false;
    }
    if (output != nullptr) *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return true;
  }
  QStringList Printed() const {
    return QDir(pdfDir_).entryList({"*.pdf"}, QDir::Files, QDir::Time);
  }
  /// Jobs the server has not finished yet.
  static bool JobsPending() {
    QString jobs;
    return !Run("lpstat", {"-o"}, &jobs) || !jobs.trimmed().isEmpty();
  }

  /// The page as it came out of the printer, at 72 dots per inch.
  QImage Page(const QString& pdf) const {
    const QString path = QDir(pdfDir_).filePath(pdf);
    QString info;
    if (!Run("pdfinfo", {path}, &info) || !info.contains(QRegularExpression("Pages:\\s+1\\n"))) {
      return {};
    }
    const QString png = scratch_.filePath("page");
    if (!Run("pdftoppm", {"-r", "72", "-singlefile", "-png", path, png})) return {};
    return QImage(png + ".png").convertToFormat(QImage::Format_Grayscale8);
  }

  /// The part of the page that is not paper.
  static QRect Printing(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
      const uchar* row = page.constScanLine(y);
      for (int x = 0; x < page.width(); ++x) {
        if (row[x] < 245) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }

  /// The largest mean difference of grey levels, 0 to 255, over the squares of `side`
  /// pixels that tile two images of one size. A field or figure printed with the wrong text
  /// stands out in its square; a whole-image mean would dilute it.
  static double Difference(const QImage& a, const QImage& b, int side = 2) {
    double largest = 0;
    for (int top = 0; top < a.height(); top += side) {
      for (int left = 0; left < a.width(); left += side) {
        const QRect square = QRect(left, top, side, side) & a.rect();
        double sum = 0;
        for (int y = square.top(); y <= square.bottom(); ++y) {
          for (int x = square.left(); x <= square.right(); ++x) {
            sum += std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]);
          }
        }
        largest = std::max(largest, sum / (square.width() * square.height()));
      }
    }
    return largest;
  }

  static QImage Grey(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
  }

  const order::LocaleServices us_{"en_US"};
  const QString pdfDir_ = qEnvironmentVariable("PRINTED_PDF_DIR");
  const QString printer_ = qEnvironmentVariable("PRINTER_NAME");
  QTemporaryDir scratch_;
  std::unique_ptr<AnsweringModalRunner> modals_;
  std::unique_ptr<frmMail> form_;

 private slots:
  void initTestCase() {
    QVERIFY2(!pdfDir_.isEmpty() && !printer_.isEmpty(),
             "run through with-private-cups.sh, which starts the print server");
    QVERIFY(scratch_.isValid());
  }

  void init() {
    modals_ = std::make_unique<AnsweringModalRunner>();
    form_ = NewForm(*modals_, us_);
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  void cleanup() {
    form_.reset();
    modals_.reset();
    Run("cupsaccept", {printer_});
  }

  void printsTheFormAsItIsShown_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("figures");
    QTest::newRow("fresh window") << QString() << 0 << QStringList(4, QString());
    QTest::newRow("an order, its summary, restyled figures")
        << "10" << 14 << QStringList{"$20.00", "$1.60", "$2.50", "$24.10"};
    // Grown boxes, spaced rows and a wider window, printed whole as shown.
    QTest::newRow("a seven-digit total at 24 pt")
        << "617283.945" << 24
        << QStringList{"$1,234,567.89", "$98,765.43", "$2.50", "$1,333,335.82"};
  }

  void printsTheFormAsItIsShown() {
    QFETCH(QString, price);
    QFETCH(int, points);
    QFETCH(QStringList, figures);
    const bool filled = !price.isEmpty();
    if (filled) {
      Type("Ann Smith");
      Fill(Qt::Key_T, "1 Main St");
      Fill(Qt::Key_C, "Fresno");
      Fill(Qt::Key_A, "CA");
      USER_STEP(Item("Teapot", "2", "3", price));
      USER_STEP(Summary());
      modals_->answers.emplace_back([points](QDialog& dialog) {
        dynamic_cast<QFontDialog&>(dialog).setCurrentFont(
            QFont("DejaVu Serif", points, QFont::Bold));
        Press(Qt::Key_Return);
      });
      USER_STEP(Choose(Qt::Key_E, Qt::Key_F));
      modals_->answers.emplace_back([](QDialog& dialog) {
        dynamic_cast<QColorDialog&>(dialog).setCurrentColor(QColor("#1a5fb4"));
        Press(Qt::Key_Return);
      });
      USER_STEP(Choose(Qt::Key_E, Qt::Key_R));
    }
    QCOMPARE(FormReader(*form_).Figures(), figures);
    const QImage shown = Grey(*form_->centralWidget());
    const QStringList fields = FormReader(*form_).Fields();
    const QStringList before = Printed();

    QElapsedTimer busy;
    busy.start();
    USER_STEP(PrintForm());
    // For the README: how long the window is busy handing the page over.
    qInfo("Print Form took %lld ms", busy.elapsed());
    QCOMPARE(modals_->shown.size(), std::size_t{filled ? 2U : 0U});
    QCOMPARE(FormReader(*form_).Fields(), fields);
    QString pdf;
    QVERIFY2(QTest::qWaitFor(
                 [&] {
                   const QStringList now = Printed();
                   if (now.size() <= before.size() || JobsPending()) return false;
                   pdf = now.first();
                   return true;
                 },
                 60000),
             "no PDF came out of the printer");

    const QImage page = Page(pdf);
    QVERIFY2(!page.isNull(), "the PDF is not one page");
    const QRect printing = Printing(page);
    QVERIFY2(printing.width() > page.width() / 2, "the page is blank or the form is tiny");
    const double shownRatio = double(shown.width()) / shown.height();
    const double printedRatio = double(printing.width()) / printing.height();
    QVERIFY2(
        std::abs(printedRatio / shownRatio - 1) < 0.02,
        qPrintable(
            QString("printed %1 wide per unit high, shown %2").arg(printedRatio).arg(shownRatio)));
    // The page shows this window as it is, not merely something of its shape.
    // Both are blurred to an eighth of the form as printed, so that text drawn for paper and
    // text drawn for the screen compare alike, while a field's text against none does not.
    const QSize coarse = printing.size() / 8;
    const auto scaled = [&](const QImage& image) {
      return image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage onPaper = scaled(page.copy(printing));
    const double fromScreen = Difference(onPaper, scaled(shown));
    frmMail empty(*modals_, [this]() -> const order::LocaleServices& { return us_; });
    const double fromEmpty = Difference(onPaper, scaled(Grey(*empty.centralWidget())));
    qInfo(
        "page %dx%d, form %dx%d; largest difference from the screen %.1f, from an empty form %.1f",
        page.width(), page.height(), printing.width(), printing.height(), fromScreen, fromEmpty);
    // Seen: about 13 from the screen, and 77 from an empty form where the order was typed.
    QVERIFY2(fromScreen < 25, qPrintable(QString::number(fromScreen)));
    if (filled) QVERIFY2(fromEmpty > 50, qPrintable(QString::number(fromEmpty)));
  }

  void aRefusedJobIsReportedAndTheOrderKept() {
    Fill(Qt::Key_N, "Ann Smith");
    USER_STEP(Item("Teapot", "2", "3", "10"));
    USER_STEP(Summary());
    const QStringList fields = FormReader(*form_).Fields();
    const QStringList figures = FormReader(*form_).Figures();
    QVERIFY(Run("cupsreject", {printer_}));

    USER_STEP(PrintForm());
    QCOMPARE(modals_->shown.size(), std::size_t{1});
    const auto& message = modals_->shown.front();
    QCOMPARE(message.title, QString("Quistral"));
    QCOMPARE(message.text, QString::fromUtf8(WindowMessages::kPrintFailedPrompt.data(),
                                             WindowMessages::kPrintFailedPrompt.size()));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!JobsPending());
    QCOMPARE(FormReader(*form_).Fields(), fields);
    QCOMPARE(FormReader(*form_).Figures(), figures);
  }
};

}  // namespace window

QUISTRAL_OFFSCREEN_TEST_MAIN(window::FormPrintTest, false)
#include "FormPrintTest.moc"
