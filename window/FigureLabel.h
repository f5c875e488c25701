#pragma once

#include <QLabel>

namespace window {

/// An output label for an amount. An amount wider than the box is drawn with its leading
/// digits replaced by "…", and shown whole in a tooltip: clipping it as a plain label
/// does would show a smaller amount that looks complete. text() always holds the whole
/// amount, so screen readers and copies are exact.
class FigureLabel : public QLabel {
  Q_OBJECT

 public:
  explicit FigureLabel(QWidget* parent = nullptr);

  /// The text as drawn in the box: the whole amount, or its right end after "…".
  QString DisplayedText() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect TextArea() const;
};

}  // namespace window
