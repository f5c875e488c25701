#include "window/PrintModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <thread>

#include "window/ModalRunner.h"

namespace window {
namespace {

/// How often the window looks whether the worker is done.
constexpr std::chrono::milliseconds kPoll{20};
constexpr qreal kPageImageScale = 4;

}  // namespace

PrintModule::PrintModule(PrintTiming timing)
    : PrintModule(QStringLiteral(QUISTRAL_PRINT_MODULE), timing) {}

PrintModule::PrintModule(const QString& path, PrintTiming timing)
    : library_(QDir(QCoreApplication::applicationDirPath()).filePath(path)), timing_(timing) {}

QImage PrintModule::PageImage(QWidget& form) {
  QImage image(form.size() * kPageImageScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(kPageImageScale);
  image.fill(form.palette().color(form.backgroundRole()));
  form.render(&image);
  return image;
}

PrintOutcome PrintModule::Print(const QImage& page, const QString& jobTitle, ModalRunner& modals,
                                QWidget& owner) {
  if (print_ == nullptr) {
    print_ = reinterpret_cast<PrintPageFunction>(library_.resolve(kPrintPageSymbol));
    if (print_ == nullptr) {
      // The reason is for whoever installed the program; the user is told printing is out.
      qWarning("quistral: printing is not available: %s", qPrintable(library_.errorString()));
      return {PrintResult::Unavailable, {}};
    }
  }
  auto task = std::make_shared<PrintTask>();
  // Copies of their own, not shares of this thread's: Qt counts the sharing inside its
  // own library, where the worker's last release would free this thread's data.
  task->page = page.copy();
  task->title = QString(jobTitle.constData(), jobTitle.size());
  task->deadline = std::chrono::steady_clock::now() + timing_.bound;
  std::thread([task, print = print_] { print(*task); }).detach();

  const auto done = [&task] { return task->done.load(std::memory_order_acquire); };
  QElapsedTimer waited;
  waited.start();
  const auto past = [&waited](std::chrono::milliseconds limit) {
    return waited.elapsed() >= limit.count();
  };
  QTimer poll;
  poll.setInterval(kPoll);

  // A normal print is over before anyone would notice: until then the window paints and
  // answers the accessibility bus, and keeps what is typed for later.
  {
    QEventLoop loop;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (done() || past(timing_.notice)) loop.quit();
    });
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    poll.disconnect();
  }
  if (!done()) {
    QProgressDialog notice(QStringLiteral("Printing…"), QStringLiteral("Cancel"), 0, 0, &owner);
    notice.setObjectName(QStringLiteral("printingNotice"));
    notice.setWindowTitle(owner.windowTitle());
    notice.setWindowModality(Qt::WindowModal);
    notice.setMinimumDuration(0);
    bool timedOut = false;
    QObject::connect(&poll, &QTimer::timeout, &notice, [&] {
      if (done()) {
        notice.accept();
      } else if (past(timing_.bound)) {
        timedOut = true;
        notice.accept();
      }
    });
    modals.Run(notice);
    poll.stop();
    if (!done()) {
      // Cancelled, or out of time: the worker gives up on its own, and its answer is dropped.
      task->cancelled = true;
      if (!timedOut) return {PrintResult::Cancelled, {}};
      return {PrintResult::NotAnswered,
              task->serverNamed.load(std::memory_order_acquire) ? task->server : QString()};
    }
  }
  return {task->result, task->result == PrintResult::NotAnswered ? task->server : task->reason};
}

}  // namespace window
