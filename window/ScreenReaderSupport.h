#pragma once

#include <QAccessible>

#include "window/FormBuilder.h"

namespace window {

/// What the form does differently while a screen reader is listening. The summary figures are
/// labels, which Tab never reaches, so a blind user could not hear the total: while a
/// screen reader is active they take the keyboard focus after Price, each labelled by its
/// caption. Qt turns accessibility on and off at run time, so this follows it.
class ScreenReaderSupport : public QAccessible::ActivationObserver {
 public:
  /// `widgets` must outlive this.
  explicit ScreenReaderSupport(const FormWidgets& widgets);
  ~ScreenReaderSupport() override;
  ScreenReaderSupport(const ScreenReaderSupport&) = delete;
  ScreenReaderSupport& operator=(const ScreenReaderSupport&) = delete;

  void accessibilityActiveChanged(bool active) override;

 private:
  const FormWidgets& widgets_;
};

}  // namespace window
