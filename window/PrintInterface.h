#pragma once

// What the window and the print module share, and no more: the window loads the module at
// run time and never links it, so this is the whole of what the two agree on.

#include <QImage>
#include <QString>
#include <atomic>
#include <chrono>

namespace window {

/// What became of a request to print.
enum class PrintResult {
  /// The job is in the default printer's queue.
  Queued,
  /// The print server answered, and it has no default printer to send the job to; or
  /// there is no print server at all.
  NoPrinter,
  /// The print server did not answer in time.
  NotAnswered,
  /// The user stopped waiting.
  Cancelled,
  /// The page could not be made, or the printer or its server refused the job.
  Failed,
  /// The print module could not be loaded: there is nothing to print with.
  Unavailable,
};

/// One print, handed from the window to the print module's worker thread. The worker owns
/// it with the window: whichever lets go last frees it, so a worker still blocked in the
/// print system after the window stopped waiting touches nothing freed.
struct PrintTask {
  /// The form as shown, drawn on the window's thread: the worker's own copy.
  QImage page;
  QString title;
  /// When the print system has had its time.
  std::chrono::steady_clock::time_point deadline;
  /// Set by the window when the user cancels: the worker gives up at once.
  std::atomic<bool> cancelled = false;

  /// The print server's name, to be read only once `serverNamed` is set: the window names
  /// it when the server does not answer, while the worker may still be waiting on it.
  QString server;
  std::atomic<bool> serverNamed = false;

  /// The worker's answer, to be read only once `done` is set.
  PrintResult result = PrintResult::Failed;
  /// The reason the printer or its server gave for refusing the job.
  QString reason;
  std::atomic<bool> done = false;
};

}  // namespace window

/// The print module's one entry point, which the window looks up by this name: prints
/// the task's page on the default printer, one page as large as the printable area allows
/// with its proportions kept, and fills in the task's answer. Runs on a worker thread and
/// blocks on the print system, never past the task's deadline.
extern "C" void QuistralPrintPage(window::PrintTask& task);
inline constexpr const char* kPrintPageSymbol = "QuistralPrintPage";
using PrintPageFunction = decltype(&QuistralPrintPage);
