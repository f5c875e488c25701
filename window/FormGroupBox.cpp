#include "window/FormGroupBox.h"

#include <qdrawutil.h>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace window {

FormGroupBox::FormGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

QRect FormGroupBox::TitleRect() const {
  QStyleOptionGroupBox box;
  initStyleOption(&box);
  const int indent = fontMetrics().averageCharWidth();
  return style()
      ->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, this)
      .translated(isRightToLeft() ? -indent : indent, 0);
}

void FormGroupBox::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  const QRect title = TitleRect();

  // An etched line, drawn here rather than by the style: some styles (Fusion among them)
  // always put their group frame below the title, whatever rectangle they are given.
  const QRect frame = rect().adjusted(0, title.center().y(), 0, 0);
  // The line stops short of the title on either side.
  const int gap = fontMetrics().horizontalAdvance(QLatin1Char(' ')) / 2;
  painter.save();
  painter.setClipRegion(QRegion(rect()) - title.adjusted(-gap, 0, gap, 0));
  qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
  painter.restore();

  painter.drawItemText(title, Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignVCenter, palette(),
                       isEnabled(), this->title(), QPalette::WindowText);
}

}  // namespace window
