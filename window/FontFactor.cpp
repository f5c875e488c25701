#include "window/FontFactor.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <climits>
#include <span>

#include "window/FormBuilder.h"
#include "window/FormLayout.h"

namespace window {

qreal FontFactor(const FormWidgets& widgets, qreal dotsPerInch) {
  const std::span<const ControlRow> rows = FormControls();
  std::array<QRect, kGroupCount> groups{};
  std::array<int, kGroupCount> firstTop{};
  firstTop.fill(INT_MAX);
  for (const ControlRow& row : rows) {
    const QRect place = TwipsToPixels(row.twips, dotsPerInch);
    if (const auto* group = std::get_if<Group>(&row.id); group && !row.group) {
      groups.at(static_cast<std::size_t>(*group)) = QRect(QPoint(), place.size());
    } else if (row.group) {
      int& top = firstTop.at(static_cast<std::size_t>(*row.group));
      top = std::min(top, place.top());
    }
  }

  qreal factor = 1;
  // A pixel more than the text: placing edges rounds each to a pixel of its own.
  const auto need = [&factor](qreal wanted, int room) {
    if (room > 0) factor = std::max(factor, (wanted + 1) / room);
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ControlRow& row = rows[i];
    const QWidget* control = widgets.byRow.at(i);
    const QFontMetrics metrics = control->fontMetrics();
    QRect place = TwipsToPixels(row.twips, dotsPerInch);
    switch (row.kind) {
      case ControlKind::GroupBox:
        need(metrics.height(), firstTop.at(static_cast<std::size_t>(std::get<Group>(row.id))));
        break;
      case ControlKind::Caption: {
        // Only what shows counts: Name's caption starts left of its frame, and Zip's runs
        // under its box.
        place &= groups.at(static_cast<std::size_t>(*row.group));
        for (const ControlRow& other : rows) {
          if (other.group != row.group || other.kind == ControlKind::Caption) continue;
          const QRect box = TwipsToPixels(other.twips, dotsPerInch);
          if (!box.intersects(place)) continue;
          if (box.left() > place.left()) {
            place.setRight(box.left() - 1);
          } else {
            place.setLeft(box.right() + 1);
          }
        }
        const QString text = static_cast<const QLabel*>(control)->text().remove(QLatin1Char('&'));
        need(metrics.horizontalAdvance(text), place.width());
        need(metrics.height(), place.height());
        break;
      }
      case ControlKind::TextBox:
        need(metrics.height(), place.height());
        break;
      case ControlKind::Figure:  // the figures have a font of their own, and fit themselves
        break;
    }
  }
  return factor;
}

}  // namespace window
