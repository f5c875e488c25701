#include "window/PrintInterface.h"

#include <cups/cups.h>

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace window {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPageDotsPerInch = 600;

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

/// Asked by libcups whenever the server has been silent for a while: go on waiting?
int GoOnWaiting(http_t* /*http*/, void* data) {
  const auto& task = *static_cast<const PrintTask*>(data);
  return !task.cancelled && Clock::now() < task.deadline ? 1 : 0;
}

/// The destination's own paper and margins, as its server gives them: its default media
/// (the size its driver defaults to), or libcups's choice of default; A4 where there is none.
QPageLayout PageOf(http_t* http, cups_dest_t* dest) {
  cups_size_t size{};
  const std::unique_ptr<cups_dinfo_t, decltype(&cupsFreeDestInfo)> info(
      cupsCopyDestInfo(http, dest), cupsFreeDestInfo);
  ipp_attribute_t* media =
      info == nullptr ? nullptr : cupsFindDestDefault(http, dest, info.get(), "media");
  const char* name = media == nullptr ? nullptr : ippGetString(media, 0, nullptr);
  const bool known =
      info != nullptr &&
      ((name != nullptr && cupsGetDestMediaByName(http, dest, info.get(), name, 0, &size) != 0) ||
       cupsGetDestMediaDefault(http, dest, info.get(), 0, &size) != 0);
  if (!known) {
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
            QPageLayout::Millimeter};
  }
  // libcups measures in hundredths of a millimetre.
  constexpr qreal kMillimetre = 100;
  return {
      QPageSize(QSizeF(size.width / kMillimetre, size.length / kMillimetre), QPageSize::Millimeter),
      QPageLayout::Portrait,
      QMarginsF(size.left / kMillimetre, size.top / kMillimetre, size.right / kMillimetre,
                size.bottom / kMillimetre),
      QPageLayout::Millimeter};
}

/// Why the print system let the task down: it ran out of time, or it said why.
PrintResult Failure(PrintTask& task) {
  if (task.cancelled) return PrintResult::Cancelled;
  if (Clock::now() >= task.deadline) return PrintResult::NotAnswered;
  task.reason = QString::fromUtf8(QByteArray(cupsLastErrorString()));
  return PrintResult::Failed;
}

PrintResult Print(PrintTask& task) {
  // Through QByteArray, which measures the C string in Qt's own library: the module then
  // calls no C string function that the hardening checks would find unprotected.
  task.server = QString::fromUtf8(QByteArray(cupsServer()));
  if (!task.server.startsWith(QLatin1Char('/')) && ippPort() != 631) {
    task.server += QStringLiteral(":%1").arg(ippPort());  // named as the user set it
  }
  task.serverNamed.store(true, std::memory_order_release);
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(task.deadline - Clock::now());
  // Cancelled through the deadline's checks; libcups wants a flag of its own to poll.
  int stop = 0;
  const std::unique_ptr<http_t, decltype(&httpClose)> http(
      httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                   static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 1)),
                   &stop),
      httpClose);
  if (http == nullptr) {
    // Refused at once: there is no print server here, so no printer either.
    return Clock::now() >= task.deadline ? PrintResult::NotAnswered : PrintResult::NoPrinter;
  }
  // Every later call goes over this connection and gives up at the deadline.
  httpSetTimeout(http.get(), 0.25, GoOnWaiting, &task);

  const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
      cupsGetNamedDest(http.get(), nullptr, nullptr), [](cups_dest_t* d) { cupsFreeDests(1, d); });
  if (dest == nullptr) {
    if (task.cancelled) return PrintResult::Cancelled;
    return Clock::now() >= task.deadline ? PrintResult::NotAnswered : PrintResult::NoPrinter;
  }
  // Made in memory and streamed to the server: no file with the customer's order is left.
  QByteArray document;
  QBuffer buffer(&document);
  if (!buffer.open(QIODevice::WriteOnly) ||
      !WritePage(buffer, task.page, PageOf(http.get(), dest.get()), task.title)) {
    return PrintResult::Failed;
  }
  const QByteArray title = task.title.toUtf8();
  const int job = cupsCreateJob(http.get(), dest->name, title.constData(), 0, nullptr);
  if (job == 0) return Failure(task);
  const bool handedOver =
      cupsStartDocument(http.get(), dest->name, job, "form.pdf", CUPS_FORMAT_PDF, 1) ==
          HTTP_STATUS_CONTINUE &&
      cupsWriteRequestData(http.get(), document.constData(),
                           static_cast<size_t>(document.size())) == HTTP_STATUS_CONTINUE &&
      cupsFinishDocument(http.get(), dest->name) == IPP_STATUS_OK;
  if (!handedOver) {
    const PrintResult failure = Failure(task);
    cupsCancelJob2(http.get(), dest->name, job, 0);
    return failure;
  }
  return PrintResult::Queued;
}

}  // namespace
}  // namespace window

extern "C" Q_DECL_EXPORT void QuistralPrintPage(window::PrintTask& task) {
  task.result = window::Print(task);
  task.done.store(true, std::memory_order_release);
}
