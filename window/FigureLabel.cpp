#include "window/FigureLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace window {

FigureLabel::FigureLabel(QWidget* parent) : QLabel(parent) {}

QRect FigureLabel::TextArea() const {
  // QLabel indents the text of a framed label by half an 'x' when no indent is set.
  const int indent = this->indent() >= 0 ? this->indent()
                     : frameWidth() > 0  ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                         : 0;
  const int inset = margin() + indent;
  return contentsRect().adjusted(inset, margin(), -inset, -margin());
}

QString FigureLabel::DisplayedText() const {
  return fontMetrics().elidedText(text(), Qt::ElideLeft, TextArea().width());
}

bool FigureLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (DisplayedText() != text()) {
      QToolTip::showText(help->globalPos(), text(), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QLabel::event(event);
}

void FigureLabel::paintEvent(QPaintEvent* event) {
  const QString shown = DisplayedText();
  if (shown == text()) {
    QLabel::paintEvent(event);
    return;
  }
  // The frame as QLabel draws it, and then the shortened text in place of the whole one.
  QPainter painter(this);
  drawFrame(&painter);
  style()->drawItemText(&painter, TextArea(), static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace window
