#include "window/FormPrinter.h"

#include <cups/cups.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>

namespace window {
namespace {

/// Device pixels per screen pixel in the printed image: about 200 dots per inch once the
/// form fills a page's width, sharp on paper while the image stays near 10 MB.
constexpr qreal kImageScale = 4;
constexpr int kPageDotsPerInch = 600;

/// The form as it looks on screen, drawn again at `scale` times its resolution, so text is
/// rendered for the paper rather than enlarged from screen pixels.
QImage FormImage(QWidget& form, qreal scale) {
  QImage image(form.size() * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(form.palette().color(form.backgroundRole()));
  form.render(&image);
  return image;
}

/// Writes the page as a PDF, the format the print system takes from every program.
bool WritePage(QIODevice& document, const QImage& image, const QPageLayout& page,
               const QString& title) {
  QPdfWriter writer(&document);
  writer.setPageLayout(page);
  writer.setResolution(kPageDotsPerInch);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quistral"));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const QRect printable = painter.viewport();
  QRect target(QPoint(), image.size().scaled(printable.size(), Qt::KeepAspectRatio));
  target.moveLeft(printable.left() + (printable.width() - target.width()) / 2);
  target.moveTop(printable.top());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
  return painter.end();
}

}  // namespace

PrintResult PrintOnDefaultPrinter(QWidget& form, const QString& jobTitle) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return PrintResult::NoPrinter;
  // The printer's own paper and margins.
  const QPageLayout page = QPrinter(printer, QPrinter::HighResolution).pageLayout();

  QTemporaryFile document(QDir::tempPath() + QStringLiteral("/quistral-XXXXXX.pdf"));
  if (!document.open()) return PrintResult::Failed;
  if (!WritePage(document, FormImage(form, kImageScale), page, jobTitle) || !document.flush()) {
    return PrintResult::Failed;
  }

  // Submitted here rather than through QPrinter, whose print engine does not say when the
  // print system refuses a job: a refused job would look printed.
  const QByteArray queue = printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
  const int job =
      cupsPrintFile(queue.constData(), QFile::encodeName(document.fileName()).constData(),
                    jobTitle.toUtf8().constData(), 0, nullptr);
  return job > 0 ? PrintResult::Queued : PrintResult::Failed;
}

}  // namespace window

extern "C" Q_DECL_EXPORT int QuistralPrintForm(QWidget& form, const QString& jobTitle) {
  return static_cast<int>(window::PrintOnDefaultPrinter(form, jobTitle));
}
