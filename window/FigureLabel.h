#pragma once

#include <QLabel>
#include <QSize>

class QFontMetrics;

namespace window {

/// An output label for an amount, in a single-line box. Its box is made as large as its
/// whole text needs (SummaryFit), so the amount is always drawn whole: a box that clipped
/// it would show a smaller amount that looks complete.
class FigureLabel : public QLabel {
  Q_OBJECT

 public:
  explicit FigureLabel(QWidget* parent = nullptr);

  /// The size of box, frame included, in which the whole text drawn in the font measured
  /// by `metrics` stands clear of the frame on every side.
  QSize BoxSizeFor(const QFontMetrics& metrics) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace window
