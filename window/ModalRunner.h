#pragma once

class QDialog;

namespace window {

/// Runs a modal dialog the window has built and returns how it was closed. The window never
/// calls exec() itself, so tests can answer its real dialogs without a nested event loop.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  /// Returns the dialog's result code (QDialog::Accepted, a button, ...).
  virtual int Run(QDialog& dialog) = 0;
};

/// The runner of the real program: the dialog's own modal event loop.
class ExecModalRunner final : public ModalRunner {
 public:
  int Run(QDialog& dialog) override;
};

}  // namespace window
