#include "window/FigureLabel.h"

#include <qdrawutil.h>

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace window {

FigureLabel::FigureLabel(QWidget* parent) : QLabel(parent) {
  // The text has a colour of its own, which Colour changes; the box keeps the window's.
  setForegroundRole(QPalette::Text);
}

void FigureLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  // The style draws a plain frame in the text's colour; the box's border is the window's.
  if (frameShape() == QFrame::Box && frameShadow() == QFrame::Plain) {
    QPainter painter(this);
    qDrawPlainRect(&painter, frameRect(), palette().color(QPalette::WindowText), lineWidth());
  }
}

QSize FigureLabel::BoxSizeFor(const QFontMetrics& metrics) const {
  // QLabel sets a framed label's text in from the frame by half an 'x', on the side it is
  // aligned to; the other side gets the same, so the amount sits clear of both.
  const int indent =
      this->indent() >= 0 ? this->indent() : metrics.horizontalAdvance(QLatin1Char('x')) / 2;
  // Italic glyphs can reach past their advance: the ink decides where wider.
  const int textWidth =
      std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).width());
  const int frame = 2 * frameWidth();
  return {textWidth + 2 * (indent + margin()) + frame, metrics.height() + 2 * margin() + frame};
}

}  // namespace window
