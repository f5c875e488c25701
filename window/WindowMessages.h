#pragma once

#include <string_view>

namespace window {

/// Every message the window shows of its own (the order's messages come with the order
/// commands).
struct WindowMessages {
  /// The title of the window's own messages: the program's name.
  static constexpr std::string_view kTitle = "Quistral";
  /// Shown when a command is stopped by a number out of range; nothing has changed then.
  static constexpr std::string_view kOverflowPrompt =
      "Overflow: a number is too large for this order. Nothing was changed.";
  /// Shown when a command fails for any other reason (the locale's data, memory); the
  /// commands change nothing before they can fail. What went wrong follows it.
  static constexpr std::string_view kCommandFailedPrompt =
      "The command could not be completed. Nothing was changed.";
  /// Print Form when the print module could not be loaded; the loader's reason goes to
  /// the standard error stream.
  static constexpr std::string_view kPrintUnavailablePrompt =
      "Printing is not available: a part of Quistral that printing needs could not be "
      "loaded.";
  /// Print Form with no default printer; the order on screen is kept either way.
  static constexpr std::string_view kNoPrinterPrompt =
      "No printer is installed. Add a printer, then choose Print Form again.";
  /// Print Form when the page could not be made or the printer's queue refused it; the
  /// reason the print system gave follows it.
  static constexpr std::string_view kPrintFailedPrompt = "The form could not be printed.";
  /// Print Form when the print server did not answer in time; %1 is the server's name.
  static constexpr std::string_view kNoAnswerPrompt =
      "The print server %1 did not answer, so the form was not printed. Check that it is "
      "running and can be reached, then choose Print Form again.";
  static constexpr std::string_view kAboutPrompt = "Programmed by Velloran";
  static constexpr std::string_view kAboutTitle = "About My Program";
};

}  // namespace window
