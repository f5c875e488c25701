#pragma once

class QString;
class QWidget;

namespace window {

/// What became of a request to print.
enum class PrintResult {
  /// The job is in the default printer's queue.
  Queued,
  /// There is no default printer to send it to.
  NoPrinter,
  /// The page could not be made, or the printer's queue refused it.
  Failed,
};

/// Prints an image of `form`, every control as it is shown now, on the default printer:
/// one page, as large as the printable area allows with its proportions kept, and no
/// dialog. Returns once the print system has taken the job or refused it.
PrintResult PrintOnDefaultPrinter(QWidget& form, const QString& jobTitle);

}  // namespace window

/// The print module's one entry point, which the window looks up by this name:
/// PrintOnDefaultPrinter, its result as an int.
extern "C" int QuistralPrintForm(QWidget& form, const QString& jobTitle);
inline constexpr const char* kPrintFormSymbol = "QuistralPrintForm";
